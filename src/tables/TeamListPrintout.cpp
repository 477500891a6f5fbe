#include "tables/TeamListPrintout.h"

#include "data/App.h"
#include "data/AttendeeRecord.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "platform/Printer.h"
#include "printing/PrintCommons.h"

#include <algorithm>

namespace fennick {

namespace {

void PrintTeams(App& app, Printer& p) {
    p.printOnLine(QString());
    p.setFont(PrinterFont{QStringLiteral("Arial"), 16});
    p.printOnLine(QString());

    p.setCurrentY(0.5);
    p.setCurrentX(1.0);
    p.printOnLine(CrusadeTitle(app, QStringLiteral(" Vistiation Teams")), Printer::kPrintableRightCm);
    p.print();
    p.setDrawWidth(6);
    p.line(1.0, 1.0, 19.9, 1.0);

    struct Row {
        int team;
        QString name, phone;
    };
    QList<Row> rows;
    for (int i = 1; i <= kTeams; ++i) {
        const QString& entry = app.settings.TeamNames[size_t(i)];
        if (!IsPrintedTeam(entry)) continue;
        // An entry without ":" is a name alone.
        const qsizetype colon = entry.indexOf(u':');
        rows.append({i, colon < 0 ? entry : entry.left(colon), colon < 0 ? QString() : entry.mid(colon + 1)});
    }
    // The telephones stand at 9.5 cm, or further right where a name needs the room and
    // the widest telephone still fits on the page; a blank stays free before them.
    double widestName = 0, widestPhone = 0;
    for (const Row& row : rows) {
        if (row.phone.isEmpty()) continue;
        widestName = std::max(widestName, p.textWidth(RTrim(row.name)));
        widestPhone = std::max(widestPhone, p.textWidth(RTrim(row.phone)));
    }
    const double phoneX = std::max(
        9.5, std::min(5.5 + widestName + p.textWidth(QStringLiteral(" ")), Printer::kPrintableRightCm - widestPhone));

    // The names are fitted together, each before its telephone or the edge of the page.
    QList<Printer::ColumnName> names;
    for (const Row& row : rows)
        names.append({row.name, QString(), 5.5, row.phone.isEmpty() ? Printer::kPrintableRightCm : phoneX});
    const QList<Printer::Fitted> fitted = p.fitColumn(names);

    p.setCurrentY(2.5);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        p.setCurrentX(2.0);
        p.printOnLine(QStringLiteral("Team #") + ZeroPad(row.team, 2), 5.5, Printer::Fit::Whole);
        p.setCurrentX(p.nextColumn(5.5));
        p.printFitted(fitted[r]);
        if (row.phone.isEmpty()) {
            p.print();
            continue;
        }
        p.setCurrentX(p.nextColumn(phoneX));
        p.print(row.phone, Printer::kPrintableRightCm, Printer::Fit::Whole);
    }
    p.endDoc();
}

}  // namespace

bool IsPrintedTeam(const QString& entry) {
    if (entry.startsWith(QLatin1String("Team"))) return false;
    const QString bare = Trim(entry);
    return !bare.isEmpty() && bare != QLatin1String(":");
}

void btnPrintTeams_Click(App& app) {
    Printer& p = app.printer();
    try {
        int fromPage = 1, toPage = 1000, copies = 1;
        if (!SelPrinter(app, fromPage, toPage, copies)) return;
        // The list goes where the dialog said, once and whole: neither the copies nor the
        // page range chosen there are used.
        PrinterChoice job = p.job();
        job.copies = 1;
        job.fromPage = 1;
        job.toPage = 1000;
        p.setJob(job);
        PrintTeams(app, p);
    } catch (const VbError&) {
        // The printout ends silently (a failed delivery was told where the print ended);
        // nothing of it reaches the printer.
        p.killDoc();
    }
}

}  // namespace fennick
