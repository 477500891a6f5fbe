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
