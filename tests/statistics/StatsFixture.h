#pragma once
// What the statistics tests share: fifteen records that meet every rule of the pass (one
// of them deleted), a crusade open on them with the vocabularies of a real crusade, and a
// statistics window that records its drawings.

#include "DocumentDump.h"
#include "FakePlatform.h"
#include "ViewFixture.h"
#include "data/App.h"
#include "data/InfoFile.h"
#include "platform/DrawingSurface.h"
#include "statistics/StatsScreen.h"

#include <gtest/gtest.h>

namespace fennick::test {

// Meant for LastMeeting 12. Record 6 is deleted; record 1 is a couple ("&").
inline QList<AttendeeRecord> StatsRecords() {
    QByteArray everyNight(40, '1');
    return {
        Rec("0201", "John & Mary", "Able")
            .nights("111111111111")
            .level("G")
            .age("40-49")
            .religion("SDA")
            .advertising("N.R....")
            .decisions("CS-------")
            .interview(1)
            .bapt("3/1/26"),
        Rec("0202", "Ruth", "Baker")
            .nights("11111")
            .level("A")
            .age("20-29")
            .religion("Lutherans")
            .advertising("......I")
            .mail(0)
            .interview(1),
        Rec("0203", "Carl", "Cole").nights("1C1").level("B").age("NIF").religion("Catholic").bapt("5/4/26"),
        Rec("0204", "Dora", "Dean").nights("-23").level("C").age("10-19"),
        Rec("0205", "Ed", "Evans").nights("").level(" ").age("50-59").religion("Zoroastrian").interview(1),
        Rec("0206", "Gone", "Gray").nights("111111111111").level("G").decisions("CSKPBTADU").interview(1).deleted(),
        Rec("0207", "Fay", "Ford").nights(everyNight.constData()).attend("55").last(45).level("G").age("9x"),
        Rec("0208", "Gus", "Gray")
            .nights("1S1U")
            .level("A")
            .age("60-69")
            .religion("  Methodist")
            .advertising("..R.P..")
            .decisions("--K--T---")
            .mail(0),
        Rec("0209", "Hal", "Hunt").nights("----------11").level("G").age("10-19").religion("SDA").decisions("C-------U"),
        Rec("0210", "Ivy", "Irwin")
            .nights("1-1-1-1-1-1")
            .level("B")
            .age("70+")
            .religion("sda")
            .advertising("NMRTPOI")
            .interview(-1),
        Rec("0211", "Jo", "Jones").nights("111").level("D").bapt("12/1/26"),
        Rec("0212", "Kay", "King").nights("11").attend("-1").last(-2).level("C").age(""),
        Rec("0213", "Lou", "Lane")
            .nights("111111111111")
            .level("A")
            .age("Under 18")
            .religion("Presbyterian")
            .advertising("...T..."),
        Rec("0214", "Max", "Moss").nights("1V11").level("E").age("40-49").religion("Other").decisions("-S-------"),
        Rec("0215", "Ned", "Nash")
            .nights("11")
            .with([](AttendeeRecord& r) { r.Attendance = QByteArray(" 1") + QByteArray(38, '-'); })
            .level("B")
            .age("20-29"),
    };
}

// The same records with nobody baptized (every "G" becomes "A").
inline QList<AttendeeRecord> NoBaptismRecords() {
    QList<AttendeeRecord> records = StatsRecords();
    for (AttendeeRecord& r : records)
        if (r.IntLevel.at(1) == 'G') r.IntLevel = "A";
    return records;
}

// The vocabularies of a crusade as its settings file gives them; religion 15 is a name the
// records use but the statistics never count under.
inline void SetStatsVocabulary(App& app, qint16 lastMeeting) {
    SetDefaultInfo(app);
    app.settings.CrusadeName = QStringLiteral("Spring");
    app.settings.LastMeeting = lastMeeting;
    app.settings.DecisionNames[1] = QStringLiteral("Accept Christ");
    app.settings.DecisionNames[2] = QStringLiteral("Accept Sabbath");
    app.settings.DecisionNames[9] = QStringLiteral("Unite with Church");
    app.settings.ReligionNames[15] = QStringLiteral("Zoroastrian");
    app.settings.AgeGroupNames = {QStringLiteral("NIF"),   QStringLiteral("10-19"), QStringLiteral("20-29"),
                                  QStringLiteral("30-39"), QStringLiteral("40-49"), QStringLiteral("50-59"),
                                  QStringLiteral("60-69"), QStringLiteral("70+")};
}

// The visitation teams' edge cases, meant for LastMeeting 5 (and 3): teams "00", "03",
// "20", "21" and "40", a deleted record, and team codes "7x" and "41" that count under
// team 0. Record 8's Attend is not a number.
inline QList<AttendeeRecord> TeamRecords() {
    return {
        Rec("0301", "Ann", "Avery").team("00").nights("1111").visits("H05M07").level("A").decisions("C--------").age("40-49"),
        Rec("0302", "Bo", "Brand").team("00").nights("1S1").level("G"),
        Rec("0303", "Cy", "Cross").team("40").nights("11111111").visits("p01l02h03m09").level("B"),
        Rec("0304", "Di", "Dole").nights("11111111").visits("H10").level("A").decisions("CS-------").deleted(),
        Rec("0305", "Eve", "Eng").team("7x").nights("----1").visits("h10").level("C"),
        Rec("0306", "Fy", "Fox").team("41").nights("11").visits("M08").decisions("-S-------"),
        Rec("0307", "Gil", "Gray").team("03").nights("1C1").visits("L02").level("G"),
        Rec("0308", "Hy", "Hale").team("03").nights("11111").attend("ab").level("B"),
        Rec("0309", "Ida", "Ide").team("03").nights("-11").visits("P04").level("C"),
        Rec("0310", "Jo", "Jay").team("20").nights("111111").visits("H12").level("A"),
        Rec("0311", "Kit", "Kay").team("21").nights("1"),
    };
}

// Team names as a crusade stores them: name and telephone, a name without ":", an empty
// slot; sermon titles with "sabbath" in lower case and "Sabbath" past meeting 30.
inline void SetTeamVocabulary(App& app) {
    app.settings.TeamNames[0] = QStringLiteral("Unassigned:");
    app.settings.TeamNames[3] = QStringLiteral("Smith Team");
    app.settings.TeamNames[20] = QStringLiteral("Pe\u00f1a:555-0120");
    app.settings.TeamNames[21] = QStringLiteral("Late:555-0121");
    app.settings.TeamNames[40] = QStringLiteral("Last:555-0140");
    for (QString& title : app.settings.SermonTitles) title = QStringLiteral("Meeting");
    app.settings.SermonTitles[10] = QStringLiteral("The sabbath rest");
    app.settings.SermonTitles[31] = QStringLiteral("Sabbath");
}

// A crusade open on the records with those vocabularies.
struct StatsCrusade : ViewFixture {
    explicit StatsCrusade(const QList<AttendeeRecord>& records = StatsRecords(), qint16 lastMeeting = 12)
        : ViewFixture(records, lastMeeting) {
        SetStatsVocabulary(app, lastMeeting);
    }
};

// A statistics window that keeps every drawing made on it.
class RecordingStatsScreen : public StatsScreen {
public:
    Printer& beginReport(Report report) override {
        shown = report;
        ShowingStats = report == Report::Statistics;
        surface.clear();
        return surface;
    }
    void endReport() override { drawings.append(surface.displayList()); }

    RecordingSurface surface;
    Report shown = Report::Visitation;
    QList<QList<PrintedItem>> drawings;
};

// A window's drawing as text, in the form of a printed page's dump (positions in
// millimetres here).
inline QString DumpDrawing(const QList<PrintedItem>& items) {
    PrintedDocument doc;
    doc.items = items;
    doc.pageCount = 1;
    return DumpDocument(doc, PrinterChoice{});
}

// The golden file tests/statistics/data/<name>.
inline QString GoldenPath(const QString& name) {
    return QStringLiteral(FENNICK_TEST_DATA "/") + name;
}

}  // namespace fennick::test
