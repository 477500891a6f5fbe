#pragma once
// A crusade for the printed-report tests: the shared view fixture (or given records)
// with the default vocabularies, a crusade name, a fixed clock and a recording printer,
// and helpers that print a report and compare its document with a golden file.

#include "DocumentDump.h"
#include "ViewFixture.h"
#include "data/DataStore.h"
#include "data/InfoFile.h"
#include "printing/BaptismDecisionReports.h"
#include "printing/OneLineReports.h"
#include "printing/TeamReports.h"
#include "views/PersonViews.h"

#include <QString>

namespace fennick::test {

// n further people "0201", "0202", ... with varied names, teams, zips and attendance;
// with appointments, each has an interview appointment on one of the six days.
inline QList<AttendeeRecord> MorePeople(int n, bool appointments = false) {
    static const char* const last[] = {"Baker", "Carter", "Davis", "Evans", "Foster", "Garcia", "Hughes", "Irwin"};
    static const char* const first[] = {"Al", "Bea", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ida"};
    QList<AttendeeRecord> out;
    for (int i = 0; i < n; ++i) {
        const QByteArray rnum = QByteArray::number(201 + i).rightJustified(4, '0');
        QByteArray nights(12, '-');
        for (int k = 0; k <= i % 12; ++k) nights[11 - k] = '1';
        Rec r(rnum.constData(), first[i % 9], last[(i / 9) % 8]);
        r.nights(nights.constData())
            .team(i % 3 == 0 ? "00" : "05")
            .level(i % 4 == 0 ? "B" : "A")
            .zip(i % 2 == 0 ? "62710" : "62711")
            .address(QByteArray::number(100 + i).append(" Main St").constData());
        if (appointments) {
            const char visit[] = {'A', char('1' + i % 6), "abcd0123456789"[i % 14], 0};
            r.interview(1).visits(visit);
        }
        out.append(r);
    }
    return out;
}

// A name, a zip and a telephone too long for their columns, in the given team.
inline Rec LongNamed(const char* rnum, const char* team) {
    return Rec(rnum, "Christina-Isabella", "Rivera")
        .nights("1111")
        .team(team)
        .address("Address Unknown")
        .zip("62704-1234")
        .with([](AttendeeRecord& r) { r.Phone = "217 555-3819"; });
}

inline QList<AttendeeRecord> FixtureWith(const QList<AttendeeRecord>& more) {
    QList<AttendeeRecord> all = FixtureRecords();
    all.append(more);
    return all;
}

class ReportFixture : public ViewFixture {
public:
    explicit ReportFixture(const QList<AttendeeRecord>& records = FixtureRecords(), qint16 lastMeeting = 12,
                           Printer* printer = nullptr)
        : ViewFixture(records, lastMeeting, 3, printer) {
        ResetCrusadeSettings(app);
        SetDefaultInfo(app);
        app.settings.CrusadeName = QStringLiteral("Spring Crusade");
        app.settings.LastMeeting = lastMeeting;
        app.settings.PrintCutOff = 3;
        app.settings.TotalAttendNum = 10;
        app.hooks.showAll = [this] {
            ++showAllCalls;
            IndexAlpha(app);
        };
        // The shown record, which no report may touch.
        app.crusade.CurRecNo = 2;
        app.crusade.CurRecord = ReadRecord(app, 2);
    }

    // Queues the printer dialog's answer: the printer, or the PDF file pdfPath when set.
    void choosePrinter(int from = 1, int to = 1000, int copies = 1) {
        PrinterChoice c;
        c.fromPage = from;
        c.toPage = to;
        c.copies = copies;
        c.toPdf = !pdfPath.isEmpty();
        c.pdfPath = pdfPath;
        t.dialogs.print(c);
    }
    // Prints a report as the main window's menus do; returns the type left by it.
    int print(int type) {
        PrintOneLineReport(app, type);
        return type;
    }
    // Prints the current view as the report window's Print button does.
    int printBuilt(int type) {
        app.view.IndexBuilt = true;
        PrintOneLineReport(app, type);
        app.view.IndexBuilt = false;
        return type;
    }
    // A team report printed as the main window's menus print it.
    void printTeamReport(int type) {
        choosePrinter();
        PrintWCReport(app, type);
    }
    // A decision report printed as the main window's menus print it (decision 9 by name).
    void printDecisionReport(int decision) {
        app.view.ReportKind = QStringLiteral("decision %1").arg(decision);
        if (decision == 9) t.dialogs.answer(AnsNo);
        IndexDecisions(app, false);
        choosePrinter();
        PrintDecisions(app, decision);
    }
    QString dump() const { return DumpDocuments(t.printer); }
    int documents() const { return int(t.printer.documents().size()); }

    int showAllCalls = 0;
    QString pdfPath;
};

inline QString Golden(const char* name) {
    return QStringLiteral(FENNICK_TEST_DATA "/") + QString::fromLatin1(name) + QStringLiteral(".txt");
}

}  // namespace fennick::test
