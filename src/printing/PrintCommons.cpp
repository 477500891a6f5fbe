#include "printing/PrintCommons.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/FileToWrite.h"
#include "data/ReportFonts.h"
#include "data/Text.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace fennick {

namespace {
// Errors of the printer dialog that end it without a message: a cancel, and a dialog
// with no printer to offer.
constexpr int kNoPrinterDialog = 394;
}  // namespace

std::optional<PrinterChoice> AskPrinter(App& app, PrinterDialogSpec spec) {
    std::optional<PrinterChoice> choice;
    const FileDialogRun run = [&](const QString&, const std::function<QString(const QString&)>& refusal) {
        spec.refusal = refusal;
        choice = app.dialogs().selectPrinter(spec);
        if (!choice) return std::optional<QString>();
        return std::optional<QString>(choice->toPdf ? choice->pdfPath : QString());
    };
    if (!AskUntilAllowed(app, run)) return std::nullopt;
    return choice;
}

bool SelPrinter(App& app, int& fromPage, int& toPage, int& copies) {
    PrinterDialogSpec spec;
    spec.copies = 1;
    spec.minPage = 1;
    spec.maxPage = 1000;
    std::optional<PrinterChoice> choice;
    try {
        choice = AskPrinter(app, spec);
    } catch (const VbError& e) {
        app.printer().killDoc();
        if (e.number() != err::Cancelled && e.number() != kNoPrinterDialog)
            app.dialogs().msgBox(Plain(e.number()) + e.description());
        return false;
    }
    if (!choice || choice->fromPage == 0) {
        app.printer().killDoc();
        return false;
    }
    copies = std::max(1, choice->copies);
    fromPage = std::max(1, choice->fromPage);
    toPage = std::max(fromPage, choice->toPage);
    PrinterChoice job = *choice;
    job.copies = copies;
    job.fromPage = fromPage;
    job.toPage = toPage;
    app.printer().setJob(job);
    return true;
}

const PrinterFont& ReportFont(int n) {
    const ReportFonts& f = TheReportFonts();
    static const std::array<const PrinterFont*, 11> order{
        &f.FontTimes12,  &f.FontCourier7B, &f.FontTimes8,   &f.FontTimes8B,    &f.FontTimes10, &f.FontArial14,
        &f.FontArial28B, &f.FontArial10U,  &f.FontArial13U, &f.FontArial13BU, &f.FontCourier8,
    };
    if (n < 1 || n > int(order.size())) throw VbError(err::SubscriptRange, QStringLiteral("Subscript out of range"));
    return *order[size_t(n - 1)];
}

QString HeaderDate(const QDate& date) {
    // Day and month names in English whatever the desktop's language, as the reports
    // are written in English.
    return QLocale::c().toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

QString SabbathSuffix(const App& app, int night) {
    for (qint16 s : app.settings.SabbathMeetings)
        if (s == night) return QStringLiteral(" (Sab. AM)");
    return QString();
}

QString SermonTitle(const App& app, qint64 night) {
    const auto& titles = app.settings.SermonTitles;
    return night >= 0 && night < qint64(titles.size()) ? titles[size_t(night)] : QString();
}

QString Joined(const TextParts& parts) {
    QString s;
    for (const Printer::Part& part : parts) s += part.text;
    return s;
}

TextParts CrusadeTitle(const CrusadeSettings& settings, const QString& caption) {
    return {NamePart(settings.CrusadeName), WholePart(caption)};
}

TextParts CrusadeTitle(const App& app, const QString& caption) {
    return CrusadeTitle(app.settings, caption);
}

QStringList TeamNameList(const CrusadeSettings& settings) {
    QStringList names;
    for (const QString& entry : settings.TeamNames) names << entry.section(u':', 0, 0);
    return names;
}

Printer::Part TeamNamePart(const CrusadeSettings& settings, const QString& name) {
    return NamePart(name, TeamNameList(settings));
}

Printer::Part SermonTitlePart(const App& app, qint64 night) {
    const auto& titles = app.settings.SermonTitles;
    return NamePart(SermonTitle(app, night), QStringList(titles.begin(), titles.end()));
}

Printer::Part DecisionTitlePart(const App& app, int decision) {
    const auto& titles = app.settings.DecisionNames;
    const QString title = decision >= 1 && decision <= kDecisionCount ? titles[size_t(decision)] : QString();
    return NamePart(title, QStringList(titles.begin() + 1, titles.end()));
}

void PrintFirstPageHeader(App& app, const TextParts& title) {
    Printer& p = app.printer();
    p.setFont(ReportFont(6));
    p.setCurrentX(0.6);
    p.setCurrentY(0.3);
    p.printOnLine(title, kHeaderMeetingX);
    const double meetingX = p.nextColumn(kHeaderMeetingX);

    p.setFont(ReportFont(7));
    p.setCurrentY(0);
    p.setCurrentX(meetingX);
    p.print(Plain(app.settings.LastMeeting));

    p.setCurrentX(1.0);
    p.setCurrentY(p.currentY() - 0.05);
    p.setFont(ReportFont(3));
    const QString date = HeaderDate(app.clock().today());
    p.setCurrentX(20 - std::nearbyint(p.textWidth(date)));
    p.print(date);

    p.setDrawWidth(6);
    p.line(0.6, 1.0, 19.99, 1.0);
    p.setCurrentY(1.8);
    p.setCurrentX(0);
}

bool PageIsFull(const Printer& printer, const PageRules& rules) {
    return printer.currentY() > rules.breakAfter;
}

void PrintPageNumber(Printer& printer, const TextParts& title, int pageNumber) {
    printer.print(title + TextParts{WholePart(QStringLiteral(": Page ") + Plain(pageNumber))},
                  Printer::kPrintableRightCm);
}

void PrintPageFooter(Printer& printer, const TextParts& title, int pageNumber, const PageRules& rules) {
    printer.setCurrentX(rules.footerX);
    printer.setCurrentY(rules.footerY);
    PrintPageNumber(printer, title, pageNumber);
}

void BreakPage(Printer& printer, const TextParts& title, PageCount& count, const PageRules& rules) {
    ++count.breaks;
    // The first page goes without a footer: a two-page list carries none at all.
    if (count.breaks > 1) PrintPageFooter(printer, title, count.breaks, rules);
    printer.newPage();
    printer.setCurrentX(0);
    printer.setCurrentY(rules.nextPageTop);
}

bool BreakPageIfFull(Printer& printer, const TextParts& title, PageCount& count, const PageRules& rules) {
    if (!PageIsFull(printer, rules)) return false;
    BreakPage(printer, title, count, rules);
    return true;
}

void PrintLastPageFooter(Printer& printer, const TextParts& title, const PageCount& count, const PageRules& rules) {
    if (count.breaks > 1) PrintPageFooter(printer, title, count.breaks + 1, rules);
}

void DiscardPastTheLastPage(App& app) {
    app.printer().killDoc();
    app.dialogs().msgBox(
        QStringLiteral("The page you selected to begin with was greater than the total number of pages available "
                       "to print."),
        Buttons::OK, Icon::Critical, QStringLiteral("Print Error"));
    app.msg.MsgAnswer = QStringLiteral("3");
}

bool EndListDocument(App& app, int fromPage) {
    Printer& p = app.printer();
    if (p.document().pageCount < fromPage) {
        DiscardPastTheLastPage(app);
        return false;
    }
    p.endDoc();
    return true;
}

void ShowNoNamesMessage(App& app) {
    app.dialogs().msgBox(QStringLiteral("There were no names in the file that match your search criteria."));
    if (app.hooks.showAll) app.hooks.showAll();
}

}  // namespace fennick
