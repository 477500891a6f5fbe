#include "tables/ZipPrintout.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "mainwindow/FieldRules.h"
#include "platform/Printer.h"
#include "printing/PrintCommons.h"
#include "tables/ZipTable.h"

namespace fennick {

namespace {

// The team's entry as the printout shows it: the stored text trimmed, without one final
// ":" (a team stored without a telephone), split before its first ":" into the name, which
// may be cut, and the ":" with the telephone, which is printed whole. Teams outside 1..40
// have no entry.
struct PrintedTeam {
    QString name, phone;
};

PrintedTeam PrintedTeamEntry(const App& app, int team) {
    if (team < 1 || team > kTeams) return {};
    QString entry = Trim(app.settings.TeamNames[size_t(team)]);
    if (entry.endsWith(u':')) entry.chop(1);
    const qsizetype colon = entry.indexOf(u':');
    if (colon < 0) return {entry, QString()};
    return {entry.left(colon), entry.mid(colon)};
}

// What follows a team's code before its name.
const QString kCodeEnd = QStringLiteral("- ");

void PrintTable(App& app, Printer& p) {
    const PrinterFont header{QStringLiteral("Arial"), 16};
    const PrinterFont body{QStringLiteral("Arial"), 14};
    p.printOnLine(QString());
    p.setFont(header);
    p.printOnLine(QString());

    p.setCurrentX(1.0);
    p.setCurrentY(0.5);
    p.printOnLine(CrusadeTitle(app, QStringLiteral(" Zip Code Count")), Printer::kPrintableRightCm);
    p.print();
    p.setDrawWidth(6);
    p.line(1.0, 1.0, 19.9, 1.0);

    p.setFont(body);
    p.setCurrentY(2.0);
    const Crusade& c = app.crusade;
    const int n = ZipEntriesUsed(c);
    // The teams' names, fitted together once for each team code printed: after the code at
    // its column, before the telephone.
    QList<QByteArray> codes;
    QList<Printer::ColumnName> names;
    for (int i = 1; i <= n; ++i) {
        const QByteArray code = ZipEntryTeam(c.ZipTable[i]);
        if (Val(code) == 0 || codes.contains(code)) continue;
        const PrintedTeam entry = PrintedTeamEntry(app, int(Val(code)));
        codes << code;
        names.append(
            {entry.name, entry.phone, 15.0 + p.textWidth(FromAnsi(code) + kCodeEnd), Printer::kPrintableRightCm});
    }
    const QList<Printer::Fitted> teams = p.fitColumn(names);
    for (int i = 1; i <= n; ++i) {
        const QByteArray& e = c.ZipTable[i];
        // A line that would run past what printers print begins the next page at the top of
        // it, as the printer would carry it there, but with its columns where they belong.
        if (p.currentY() + p.textHeight() > Printer::kPrintableBottomCm) {
            p.newPage();
            p.setCurrentY(Printer::kPrintableMarginCm);
        }
        p.setCurrentX(2.0);
        p.printOnLine(FromAnsi(ZipEntryZip(e)), 6.0, Printer::Fit::Whole);
        p.setCurrentX(p.nextColumn(6.0));
        p.printOnLine(FromAnsi(Trim(ZipEntryCity(e))), QStringLiteral(", ") + FromAnsi(ZipEntryState(e)), 13.0);
        p.setCurrentX(p.nextColumn(13.0));
        // A number printed as an item: its sign's place before it and a blank after it.
        const QString count = Str(qint64(ZipEntryCount(e))) + u' ';
        const double team = Val(ZipEntryTeam(e));
        if (team == 0) {
            p.print(count, Printer::kPrintableRightCm, Printer::Fit::Whole);
            continue;
        }
        p.printOnLine(count, 15.0, Printer::Fit::Whole);
        p.setCurrentX(p.nextColumn(15.0));
        // The code whole, then the name and telephone, of which only the name may be cut.
        const QByteArray code = ZipEntryTeam(e);
        p.printOnLine(FromAnsi(code) + kCodeEnd, Printer::kPrintableRightCm, Printer::Fit::Whole);
        p.printFitted(teams[codes.indexOf(code)]);
        p.print();
    }
    p.endDoc();
}

}  // namespace

void PrintZips(App& app) {
    Printer& p = app.printer();
    try {
        int fromPage = 1, toPage = 1000, copies = 1;
        if (!SelPrinter(app, fromPage, toPage, copies)) return;
        PrintTable(app, p);
    } catch (const VbError&) {
        // The printout ends silently (a failed delivery was told where the print ended);
        // nothing of it reaches the printer.
        p.killDoc();
    }
}

}  // namespace fennick
