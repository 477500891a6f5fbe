#pragma once
// What every printed report shares: the printer dialog, the eleven report fonts, the
// dated header of a list's first page, the page footers and page breaks of the lists,
// the end of a document that starts at a chosen page, and the empty-list message.
//
// A report draws every page of its document once on the application's Printer; the job
// the printer dialog chose (printer or PDF file, pages from..to, copies) decides which
// pages reach paper and how often (Printer::setJob).

#include "data/CrusadeSettings.h"
#include "platform/Printer.h"

#include <QDate>
#include <QString>

#include <optional>

namespace fennick {

class App;

// The printer dialog of spec until its choice is a printer or a PDF file that may be
// written: a file of the open crusade or of the program is refused with its message and
// the dialog is offered again. nullopt when it is cancelled; its errors are thrown.
std::optional<PrinterChoice> AskPrinter(App& app, PrinterDialogSpec spec);

// The printer dialog: copies 1, pages 1 to 1000, no "Selection". The choice becomes the
// printer's job; fromPage, toPage and copies receive it (1 and 1000 when no range was
// chosen). Cancel discards the document being printed and returns false without a
// message; a dialog error other than a cancel shows its number and description and
// returns false as well.
bool SelPrinter(App& app, int& fromPage, int& toPage, int& copies);

// Report font n, 1 to 11: 1 Times New Roman 12, 2 Courier New 7 bold, 3 Times New
// Roman 8, 4 Times New Roman 8 bold, 5 Times New Roman 10, 6 Arial 14, 7 Arial 28 bold,
// 8 Arial 10 underlined, 9 Arial 13 underlined, 10 Arial 13 bold underlined, 11
// "courrier new" 8. Another n throws VbError 9.
const PrinterFont& ReportFont(int n);

// Today's date as the headers print it: "Monday, March 9, 2026".
QString HeaderDate(const QDate& date);

// " (Sab. AM)" when night is one of the Sabbath morning meetings, else empty.
QString SabbathSuffix(const App& app, int night);
// The sermon title of a night; empty for a night outside 0 to 40.
QString SermonTitle(const App& app, qint64 night);

// A printed text of words and numbers of the program's own, which are printed whole, and of
// names the user gave (the crusade's, a team's, a sermon's), which alone may be cut: a
// title, a heading, a footer.
using TextParts = QList<Printer::Part>;
inline Printer::Part WholePart(const QString& text) {
    return {text, Printer::Fit::Whole};
}
inline Printer::Part FreePart(const QString& text) {
    return {text, Printer::Fit::Cut};
}
// A name or title the user gave, kept apart from the other names of its kind.
inline Printer::Part NamePart(const QString& text, const QStringList& kind = {}) {
    return {text, Printer::Fit::Name, kind};
}
// The parts as one text.
QString Joined(const TextParts& parts);
// The crusade's name followed by a caption.
TextParts CrusadeTitle(const CrusadeSettings& settings, const QString& caption);
TextParts CrusadeTitle(const App& app, const QString& caption);

// The names of the teams 0 to 40, without their telephones.
QStringList TeamNameList(const CrusadeSettings& settings);
// A team's name among the teams' names.
Printer::Part TeamNamePart(const CrusadeSettings& settings, const QString& name);
// The sermon title of a night among the sermon titles (empty for a night outside 0 to 40).
Printer::Part SermonTitlePart(const App& app, qint64 night);
// The title of decision 1 to 9 among the decisions' titles.
Printer::Part DecisionTitlePart(const App& app, int decision);

// Where the headers print LastMeeting: a title before it is condensed to end there.
inline constexpr double kHeaderMeetingX = 18.5;

// The first page's header: the title in Arial 14 at the top left, LastMeeting in Arial
// 28 bold at the top right, today's date (from the Clock) right-aligned below it in
// Times New Roman 8, and a heavy rule (draw width 6) across the page at 1.0 cm. The body
// begins at x 0, y 1.8.
void PrintFirstPageHeader(App& app, const TextParts& title);

// Where the pages of a list break and carry their footer.
struct PageRules {
    double breakAfter = 24.9;  // a page is full once CurrentY is past this (strictly)
    double footerX = 1.0;
    double footerY = 25.4;
    double nextPageTop = 0.2;  // where a page after the first begins (no header)
};
inline constexpr PageRules kListPages{};

// The page counter of one document: the page breaks made so far, so the page being
// drawn is number breaks + 1.
struct PageCount {
    int breaks = 0;
};

// True when CurrentY has passed the rules' break position.
bool PageIsFull(const Printer& printer, const PageRules& rules = kListPages);
// Prints title & ": Page " & n at the current position, ending the line, in the current
// font: the page number whole, the title within the printable area.
void PrintPageNumber(Printer& printer, const TextParts& title, int pageNumber);
// The same at the footer position.
void PrintPageFooter(Printer& printer, const TextParts& title, int pageNumber, const PageRules& rules = kListPages);
// A page break of the lists: the page counter goes up; from the second break on, the page
// being left gets its footer; a new page begins at the rules' top.
void BreakPage(Printer& printer, const TextParts& title, PageCount& count, const PageRules& rules = kListPages);
// BreakPage when the page is full; returns whether it broke.
bool BreakPageIfFull(Printer& printer, const TextParts& title, PageCount& count, const PageRules& rules = kListPages);
// The last page's footer, printed only when the document has three pages or more.
void PrintLastPageFooter(Printer& printer, const TextParts& title, const PageCount& count,
                         const PageRules& rules = kListPages);

// Ends a drawn document whose job starts at fromPage. When the document has fewer pages,
// it is discarded, "Print Error" tells the user so (MsgAnswer "3") and the result is
// false; otherwise the document goes to its output (which may throw VbError).
bool EndListDocument(App& app, int fromPage);

// Discards the document being drawn and tells the user the chosen first page lies past
// its last page ("Print Error"; MsgAnswer "3").
void DiscardPastTheLastPage(App& app);

// "There were no names in the file that match your search criteria.", then the main
// window's return to all names.
void ShowNoNamesMessage(App& app);

}  // namespace fennick
