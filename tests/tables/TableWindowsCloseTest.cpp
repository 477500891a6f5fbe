#include "CrusadeOnDisk.h"
#include "RecordBuilder.h"
#include "ZipFixture.h"
#include "data/CrusadeFiles.h"
#include "data/FileUtil.h"
#include "data/FixFiles.h"
#include "data/Utilities.h"
#include "views/ZipRebuild.h"

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

// Whatever replaces or rebuilds the crusade's tables first lets the table windows keep
// what they show: the hook stands for an editor that writes its shown entry (team 09 for
// zip 62701) into the table as it closes. That entry must survive.
TEST(TableWindowsClose, TheWindowsKeepTheirEntriesBeforeTheTablesAreReplaced) {
    const QByteArray kept = Z("62701", "IL", "09", "Springfield", 2);
    struct Case {
        const char* what;
        std::function<void(App&)> run;
        std::function<QList<QByteArray>(TestApp&, const QString& dataFile)> table;  // the table afterwards
    };
    auto inMemory = [](TestApp& t, const QString&) { return Zips(t.app); };
    const Case cases[] = {
        {"zip table rebuild", RebuildZipTable, inMemory},
        {"repair pass", [](App& app) { FixFiles(app); }, inMemory},
        {"closing the crusade", CloseCrusade,
         [](TestApp&, const QString& dataFile) {
             return FileLines(SideFileName(dataFile, QStringLiteral("zps")));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        CrusadeSpec spec;
        spec.records = {Person("0001", "Ann", "Lee"), Person("0002", "Bob", "Lee")};
        for (AttendeeRecord& r : spec.records) {
            r.Zip = "62701";
            r.City = "Springfield";
            r.State = "IL";
        }
        spec.zips = {Z("62701", "IL", "00", "Springfield", 2)};
        const QString file = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), spec);
        ASSERT_TRUE(OpenCrusade(t.app, file));
        int calls = 0;
        t.app.hooks.closeTableWindows = [&] {
            if (calls++ == 0) t.app.crusade.ZipTable[1] = kept;
        };
        c.run(t.app);
        EXPECT_GE(calls, 1);
        EXPECT_EQ(c.table(t, file), QList<QByteArray>({kept}));
    }
}

// Opening another crusade closes the windows while the first crusade's tables are still
// loaded, so nothing they keep reaches the other crusade.
TEST(TableWindowsClose, OpeningAnotherCrusadeClosesThemFirst) {
    TestApp t;
    CrusadeSpec first, second;
    first.records = second.records = {Person("0001", "Ann", "Lee")};
    first.zips = {Z("62701", "IL", "00", "Springfield", 1)};
    second.zips = {Z("10001", "NY", "04", "New York", 1), Z("10002", "NY", "05", "New York", 1)};
    const QString a = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("first"), first);
    const QString b = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("second"), second);
    ASSERT_TRUE(OpenCrusade(t.app, a));
    QStringList seen;
    t.app.hooks.closeTableWindows = [&] {
        seen << QStringLiteral("%1 %2").arg(FileTitle(t.app.program.DataFile)).arg(t.app.crusade.ZipCount);
    };
    ASSERT_TRUE(OpenCrusade(t.app, b));
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.front(), QStringLiteral("first.dta 1"));
    EXPECT_EQ(Zips(t.app), second.zips);
}

}  // namespace
