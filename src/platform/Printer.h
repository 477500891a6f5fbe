#pragma once
// The printer page model every printed report uses. Positions are in centimetres from
// the top-left corner of a US Letter page. Printing a text either ends the line
// (CurrentX back to 0, CurrentY down one line of the current font) or stays on the line
// (CurrentX moves past the text). A text that would run below the printable area's
// bottom starts a new page by itself; one that would run past its right edge is cut
// there. Nothing reaches paper until endDoc(); killDoc() drops the whole document.
//
// The model is kept here; a subclass measures text and delivers the finished document:
// RecordingPrinter (display-free, for tests) and the Qt printer of the windows.

#include "platform/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace fennick {

class Files;

struct PrinterFont {
    QString face = QStringLiteral("Arial");
    double size = 10;  // points
    bool bold = false;
    bool underline = false;
    bool italic = false;
    // Width of the letters in percent of their normal width: below 100 a text is drawn
    // condensed, so that it fits its column whole.
    int stretch = 100;

    bool operator==(const PrinterFont&) const = default;
};

// How much narrower than normal a font draws its letters (1 for normal width).
inline double StretchFactor(const PrinterFont& f) { return f.stretch / 100.0; }

// One mark on a page.
struct PrintedItem {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    int page = 1;
    double x = 0;  // text: left edge; line: start
    double y = 0;  // text: top edge; line: start
    QString text;
    PrinterFont font;
    double x2 = 0;  // line end
    double y2 = 0;
    int drawWidth = 1;
};

struct PrintedDocument {
    QList<PrintedItem> items;
    int pageCount = 0;
    // Texts of one page, in the order printed.
    QList<PrintedItem> page(int n) const;
};

class Printer {
public:
    static constexpr double kPageWidthCm = 21.59;
    static constexpr double kPageHeightCm = 27.94;
    // The right edge of what printers print on the sheet: a quarter inch in from its edge,
    // the border that laser and ink-jet printers leave blank.
    static constexpr double kPrintableMarginCm = 0.635;
    static constexpr double kPrintableRightCm = kPageWidthCm - kPrintableMarginCm;
    // The bottom of what printers print on the sheet, where a text that would run below it
    // starts a new page by itself, in its column, at the top of what printers print.
    static constexpr double kPrintableBottomCm = kPageHeightCm - kPrintableMarginCm;

    virtual ~Printer() = default;

    double scaleWidth() const { return kPageWidthCm; }
    double scaleHeight() const { return kPageHeightCm; }

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    void setFont(const PrinterFont& f) { font_ = f; }
    const PrinterFont& font() const { return font_; }
    void setFontSize(double points) { font_.size = points; }
    void setFontBold(bool b) { font_.bold = b; }
    void setFontUnderline(bool u) { font_.underline = u; }

    // Prints text at the current position and ends the line.
    void print(const QString& text = QString());
    // Prints text at the current position and stays on the line.
    void printOnLine(const QString& text);

    // Size of a text in the current font, in centimetres.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text = QStringLiteral("X")) const = 0;
    // A text printed in a column ends the width of one blank before the next column, which
    // starts at right (the printable area's edge needs no blank). What does not fit so:
    enum class Fit {
        Whole,  // registration numbers, zip codes, telephones, dates, counts, codes, captions
                // and titles: condensed as far as needed, never cut
        Cut,    // free text (people's names, addresses, cities, notes): condensed down to
                // kLegibleStretch, then cut at its end
        Name,   // a name or title the user gave (a team, church, decision, age group or
                // advertising name, a sermon title, the crusade's name): cut as free text,
                // but its numbers stay whole and it keeps what tells it apart from the other
                // names of its kind
    };
    // Whatever is cut of a free text or a name, the mark "…" stands in its place, so that
    // no cut reads as a shorter text: at the end ("Mary Sm…"), or, where a name keeps a
    // later piece, before it ("Springfield…Team 11").
    static constexpr int kLegibleStretch = 75;
    // The narrowest a whole text is drawn; a layout leaves every whole text room for its
    // longest value at this width.
    static constexpr int kNarrowestStretch = 50;

    // Prints text at CurrentX in its column and stays on the line, past what was printed.
    void printOnLine(const QString& text, double right, Fit fit);
    // The same, and ends the line.
    void print(const QString& text, double right, Fit fit);
    // A free text followed by a whole one in one field ("Springfield, IL 62704-1234"):
    // the two are condensed together, and only the free part is cut, after condensing.
    void printOnLine(const QString& freeText, const QString& wholeText, double right);
    // One piece of a text made of free and whole pieces, such as a title of the crusade's
    // name, a caption, a sermon title and a count. A name is kept apart from the names of
    // kind (the other teams, churches, sermon titles...; it need not be among them), as
    // they would be cut in the room it has.
    struct Part {
        QString text;
        Fit fit;
        QStringList kind = {};
    };
    // The parts printed as one text in the column, staying on the line: condensed together;
    // where that does not fit them at kLegibleStretch, the longest free part gives way first,
    // up to all free text. Blanks that end a free part are spacing, not text: they are the
    // first to give way, and blanks at the end of the whole are kept only as far as the
    // column has room for them, so they never condense or move what follows.
    void printOnLine(const QList<Part>& parts, double right);
    // The same, and ends the line.
    void print(const QList<Part>& parts, double right);

    // A text as fitted in its column: the stretch it is drawn at and what of it is printed;
    // its width there when known (negative: measured when printed).
    struct Fitted {
        int stretch = 100;
        QString text;
        double width = -1;
    };
    // Prints a fitted text at CurrentX in its stretch and stays on the line, past it; the
    // font keeps its own stretch.
    void printFitted(const Fitted& fitted);
    // One name of a column of names from one list (team, decision, church or advertising
    // names): the name, which may be cut, the whole text that follows it in its field (a
    // telephone, or nothing), where the field begins and the next column.
    struct ColumnName {
        QString name;
        QString tail;
        double x = 0;
        double right = 0;
    };
    // The names fitted each as printOnLine({name, Name}, {tail, Whole}) at x fits it, and
    // together: names that would print alike keep the pieces that tell them apart
    // ("Springfield…North", "Springfield…South"). Two different names of one column never
    // print as the same text (but where their tails leave them no room at all).
    QList<Fitted> fitColumn(const QList<ColumnName>& names) const;
    // A free text broken at blanks into lines of at most width (a word too long for a line
    // is broken inside), at most maxLines of them: at the normal width when it fits so, else
    // condensed to kLegibleStretch, and only then cut at its end, with the mark.
    struct FittedLines {
        int stretch = 100;
        QStringList lines;
    };
    FittedLines fitLines(const QString& text, double width, int maxLines) const;
    // Where the next item of a line that starts at column goes: there, or one blank past
    // what is already printed when that reaches further (a whole text that ran long).
    double nextColumn(double column) const;

    void setDrawWidth(int w) { drawWidth_ = w; }
    int drawWidth() const { return drawWidth_; }
    // Draws a line and leaves the current position at its end.
    void line(double x1, double y1, double x2, double y2);

    void newPage();
    // Ends the document: it goes to its output and a fresh document begins.
    void endDoc();
    // Drops the document, every page of it.
    void killDoc();
    // Current page number, from 1.
    int page() const { return page_; }
    // The document being printed (items so far).
    const PrintedDocument& document() const { return doc_; }

    // Where the documents go, as the printer dialog chose: the output prints only the pages
    // fromPage..toPage of each document (numbered over the whole document), copies times.
    // Reports draw every page; the job stays in force for the following documents.
    void setJob(const PrinterChoice& job) { job_ = job; }
    const PrinterChoice& job() const { return job_; }
    // The end of every document of the program that owns the printer (its application
    // object), bound to the printer for as long as that owner lives. Each finished document
    // is handed to it, so that no print ends without it.
    class Output {
    public:
        virtual ~Output() = default;
        // Runs deliver, which sends a finished document to its output under job. The PDF
        // file of a PDF job is checked before anything is written; a file refused there or
        // a delivery that fails is told to the user, and end then throws.
        virtual void end(const PrinterChoice& job, const std::function<void()>& deliver) = 0;
        // The file operations a PDF file is saved with.
        virtual Files& files() = 0;
    };
    // A printer has one owner at a time: binding a printer that is bound to another output
    // throws std::logic_error. Without an output (a printer a test uses by itself) a
    // document goes straight to deliver() and its failure is thrown to the caller.
    void bind(Output& output);
    // Lets output go, when the printer is bound to it.
    void unbind(const Output& output);

protected:
    // Receives the finished document at endDoc(). May throw VbError (printer error); the
    // printer is ready for a new document either way.
    virtual void deliver(const PrintedDocument& doc) = 0;
    // The output the printer is bound to; null when none.
    Output* output() const { return output_; }
    // Where a text starts a new page by itself: the bottom of what printers print. A
    // surface that never pages returns infinity.
    virtual double pageHeight() const { return kPrintableBottomCm; }
    // Where a text is cut on its line: the printable area's right edge. A surface without
    // a right edge returns infinity.
    virtual double printableRight() const { return kPrintableRightCm; }

private:
    // Puts text on the page and returns what was printed of it.
    QString addText(const QString& text);
    // Puts text on the page as it is, known to end within the printable area.
    void placeText(const QString& text);
    void reset();
    // Where a text in the column before right has to end.
    double columnEnd(double right) const;
    // How parts fit their column from x on: what is printed, and for a column of names,
    // whether its first part was cut and the room it had at kLegibleStretch.
    struct Layout {
        Fitted fitted;
        bool firstCut = false;
        double firstRoom = 0;
    };
    Layout layout(const QList<Part>& parts, double x, double right) const;
    // A name (without trailing blanks) cut to room so that it cannot be read as any of the
    // others (its kind), as far as the room allows.
    QString cutApart(const QString& name, const QStringList& others, double room) const;
    // A text's width at the font's normal width.
    double normalWidth(const QString& text) const;

    PrinterFont font_;
    double x_ = 0;
    double y_ = 0;
    int page_ = 1;
    int drawWidth_ = 1;
    PrintedDocument doc_;
    PrinterChoice job_;
    Output* output_ = nullptr;
};

// A fixed table instead of real fonts, so drawings can be checked without a display: a
// character is a fraction of the font size (1 pt = 2.54/72 cm): blank, i, j, l, I, '.',
// ',', ':', ';', '\'', '|', '!' 0.28; f, t, r 0.33; m, w 0.83; M, W 0.94; other capitals
// 0.67; digits 0.556; every other character 0.5. Bold adds 5 %. A line is 1.15 times the
// font size high. Both in centimetres.
double TableTextWidth(const QString& text, const PrinterFont& font);
double TableLineHeight(const PrinterFont& font);

// Measures text with the fixed table. Finished documents are kept in documents(), each
// with the job it was delivered under (jobs(), same order): the pages from..to of a
// document, copies times, are what the job prints.
class RecordingPrinter : public Printer {
public:
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("X")) const override;

    const QList<PrintedDocument>& documents() const { return documents_; }
    const QList<PrinterChoice>& jobs() const { return jobs_; }
    void clearDocuments() {
        documents_.clear();
        jobs_.clear();
    }

protected:
    void deliver(const PrintedDocument& doc) override;

private:
    QList<PrintedDocument> documents_;
    QList<PrinterChoice> jobs_;
};

}  // namespace fennick
