// File information and the team-name counts: deleted records count nowhere, teams past
// 20 are listed when they have names, and the boxes of an empty file.

#include "FakeScreen.h"
#include "StatsFixture.h"
#include "mainwindow/MainLifecycle.h"
#include "statistics/FileInfo.h"

namespace fennick::test {
namespace {

struct InfoRun : StatsCrusade {
    explicit InfoRun(const QList<AttendeeRecord>& records) : StatsCrusade(records, 5) {
        SetTeamVocabulary(app);
        app.program.DataFile = QStringLiteral("/data/spring.dta");
        app.hooks.editForm = &form;
        IndexAlpha(app);
        ShowCurrentRecord(app, form);
        t.dialogs.clear();  // an empty file's opening message
    }
    FakeScreen form;
};

QList<AttendeeRecord> WithoutDeleted() {
    QList<AttendeeRecord> records = TeamRecords();
    records.removeIf([](const AttendeeRecord& r) { return r.isDeleted(); });
    return records;
}

QString Lines(std::initializer_list<const char*> lines) {
    QString out;
    for (const char* l : lines) out += QString::fromUtf8(l) + QStringLiteral("\r\n");
    return out;
}

TEST(FileInfo, ADeletedRecordCountsNowhere) {
    InfoRun with(TeamRecords());
    InfoRun without(WithoutDeleted());
    EXPECT_EQ(FileInformationText(with.app), FileInformationText(without.app));
    EXPECT_EQ(WorkerInformationText(with.app), WorkerInformationText(without.app));

    EXPECT_EQ(FileInformationText(with.app), Lines({"Spring", "/data/spring.dta", "Mail List-------- 10", "",
                                                    "Interest Level A: 2", "Interest Level B: 2",
                                                    "Interest Level C: 2", "Total Baptized--- 2"}));
    // Codes "7x" and "41" count under team 0; teams 21 and 40 follow the 21 lines.
    const QStringList workers = WorkerInformationText(with.app).split(QStringLiteral("\r\n"));
    ASSERT_EQ(workers.size(), 24);
    EXPECT_EQ(workers[0], QStringLiteral("Team 00-    4    (Unassigned:)"));
    EXPECT_EQ(workers[3], QStringLiteral("Team 03-    3    (Smith Team)"));
    EXPECT_EQ(workers[20], QStringLiteral("Team 20-    1    (Pe\u00f1a:555-0120)"));
    EXPECT_EQ(workers[21], QStringLiteral("Team 21-    1    (Late:555-0121)"));
    EXPECT_EQ(workers[22], QStringLiteral("Team 40-    1    (Last:555-0140)"));
    EXPECT_EQ(workers[23], QString());
}

TEST(FileInfo, TheBoxesOfAnEmptyFile) {
    InfoRun f(QList<AttendeeRecord>{});
    f.app.settings.TeamNames[5] = QString();
    mnuInfo_Click(f.app, f.form);
    CountWorkers(f.app, f.form);

    ASSERT_EQ(f.t.dialogs.shown().size(), 2);
    EXPECT_EQ(f.t.dialogs.shown()[0].title, QStringLiteral("File Information"));
    EXPECT_EQ(f.t.dialogs.shown()[0].text,
              Lines({"Spring", "/data/spring.dta", "Mail List-------- 0", "", "Interest Level A: 0",
                     "Interest Level B: 0", "Interest Level C: 0", "Total Baptized--- 0"}));
    EXPECT_EQ(f.t.dialogs.shown()[1].title, QStringLiteral("Worker Information"));
    const QStringList workers = f.t.dialogs.shown()[1].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(workers.size(), 22);
    for (int t = 0; t <= 20; ++t) EXPECT_TRUE(workers[t].startsWith(QStringLiteral("Team %1-    0    (").arg(t, 2, 10, QLatin1Char('0'))));
    EXPECT_EQ(workers[5], QStringLiteral("Team 05-    0    ()"));
}

}  // namespace
}  // namespace fennick::test
