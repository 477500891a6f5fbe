#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "data/RecentFiles.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kApp = QStringLiteral("MDINote");
const QString kSection = QStringLiteral("Recent Files");

class RecentFilesTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    FakeScreen screen;

    void SetUp() override {
        for (int i = 0; i <= 4; ++i) screen.setVisible(QStringLiteral("mnuRecentFile(%1)").arg(i), false);
    }
    // A data file that exists, stored as RecentFile<i>.
    QString stored(int i, const QString& name) {
        const QString path = t.path(name);
        WriteFileBytes(path, QByteArray());
        t.store.save(kApp, kSection, QStringLiteral("RecentFile%1").arg(i), path);
        return path;
    }
    QStringList storedList() const {
        QStringList out;
        for (int i = 1; i <= 4; ++i) out << t.store.get(kApp, kSection, QStringLiteral("RecentFile%1").arg(i));
        return out;
    }
    QString caption(int i) const { return screen.get(QStringLiteral("mnuRecentFile(%1)").arg(i)).text; }
    bool visible(int i) const { return screen.get(QStringLiteral("mnuRecentFile(%1)").arg(i)).visible; }
};

TEST_F(RecentFilesTest, ANewPathGoesFirstAndTheOthersMoveDown) {
    const QString a = stored(1, "a.dta"), b = stored(2, "b.dta"), c = stored(3, "c.dta");
    LoadRecentFiles(app, screen);
    const QString d = t.path("d.dta");
    WriteFileBytes(d, QByteArray());

    AddRecentFile(app, screen, d);
    EXPECT_EQ(storedList(), (QStringList{d, a, b, c}));
    EXPECT_TRUE(visible(0));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(visible(i)) << i;
    EXPECT_EQ((QStringList{caption(1), caption(2), caption(3), caption(4)}), (QStringList{d, a, b, c}));

    // A fifth path drops the oldest.
    const QString e = t.path("e.dta");
    WriteFileBytes(e, QByteArray());
    AddRecentFile(app, screen, e);
    EXPECT_EQ(storedList(), (QStringList{e, d, a, b}));
}

TEST_F(RecentFilesTest, AListedPathStoresNothing) {
    const QString a = stored(1, "a.dta"), b = stored(2, "b.dta"), c = stored(3, "c.dta");
    LoadRecentFiles(app, screen);
    const auto before = t.store.entries.size();
    AddRecentFile(app, screen, b);
    EXPECT_EQ(storedList(), (QStringList{a, b, c, QString()}));
    EXPECT_EQ(t.store.entries.size(), before);
    EXPECT_TRUE(IsRecentFile(screen, c));
    EXPECT_FALSE(IsRecentFile(screen, t.path("other.dta")));
    EXPECT_FALSE(visible(4));
}

TEST_F(RecentFilesTest, MenuShowsOnlyFilesThatExist) {
    stored(1, "a.dta");
    t.store.save(kApp, kSection, "RecentFile2", t.path("gone.dta"));
    LoadRecentFiles(app, screen);
    EXPECT_TRUE(visible(0));
    EXPECT_TRUE(visible(1));
    EXPECT_FALSE(visible(2));
    EXPECT_TRUE(caption(2).isEmpty());

    // Nothing is shown while RecentFile1 is empty.
    FakeScreen fresh;
    fresh.setVisible("mnuRecentFile(0)", false);
    t.store.save(kApp, kSection, "RecentFile1", QString());
    LoadRecentFiles(app, fresh);
    EXPECT_FALSE(fresh.get("mnuRecentFile(0)").visible);
}

}  // namespace
