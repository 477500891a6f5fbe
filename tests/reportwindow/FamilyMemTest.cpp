// The household mail-list editor over a clean-mail-list view: the ticks of a household are
// in the data file as soon as the editor moves on, the ends of the list write nothing, a
// greyed box counts as ticked, and a household has no size limit.

#include "PreviewFixture.h"
#include "data/DataStore.h"
#include "reportwindow/FamilyMem.h"
#include "views/MailViews.h"

namespace fennick::test {
namespace {

AttendeeRecord At(const char* rnum, const char* first, const char* address, qint16 mail) {
    return Rec(rnum, first, "Lee").nights("1").address(address).mail(mail);
}

// Household 1: Al, Bo, Cy at 1 A St (two labels); household 2: Di, Ed at 2 B St (none);
// household 3: 25 people at 9 Big St (none); 5 E St has its one label and is left out.
QList<AttendeeRecord> Households() {
    QList<AttendeeRecord> r = {At("0001", "Al", "1 A St", 1), At("0002", "Bo", "1 A St", 1),
                               At("0003", "Cy", "1 A St", 0), At("0004", "Di", "2 B St", 0),
                               At("0005", "Ed", "2 B St", 0), At("0006", "Fay", "5 E St", 1)};
    for (int i = 0; i < 25; ++i) {
        const QByteArray n = QByteArray::number(100 + i);
        r << At(n.constData(), ("P" + n).constData(), "9 Big St", 0);
    }
    return r;
}

struct Editor {
    Editor() : f(Households()), app(f.app) {
        IndexCleanMailList(app);
        app.crusade.CurRecNo = 6;
        app.crusade.CurRecord = ReadRecord(app, 6);
    }
    void open(int household) {
        form.FamilyList = HouseholdEntries(app.view, HouseholdKey(household));
        FamilyMem_Load(app, form);
    }
    QList<qint16> mail(int first, int last) {
        QList<qint16> m;
        for (int r = first; r <= last; ++r) m << ReadRecord(app, r).MailList;
        return m;
    }
    PreviewFixture f;
    App& app;
    FamilyMemForm form;
};

TEST(FamilyMemEditor, NextWritesTheTicksOfTheHouseholdLeftAtOnce) {
    Editor e;
    ASSERT_EQ(e.app.view.FamilyMax, 3);
    e.open(1);
    EXPECT_EQ(e.form.RecordCounter, QStringLiteral("1 of 3"));
    EXPECT_EQ(e.form.caption, QStringLiteral("Edit Mail List "));
    EXPECT_EQ(e.form.ckFamilyCaption, (QStringList{"Al Lee", "Bo Lee", "Cy Lee"}));
    EXPECT_EQ(e.form.ckFamily, (QList<int>{kBoxTicked, kBoxTicked, kBoxClear}));
    EXPECT_TRUE(e.form.txtEditFamily.startsWith(QStringLiteral("1 A St")));
    e.form.ckFamily = {kBoxTicked, kBoxClear, kBoxGreyed};
    btnNextFmy_Click(e.app, e.form);
    EXPECT_EQ(e.mail(1, 3), (QList<qint16>{1, 0, 1}));
    EXPECT_EQ(e.form.RecordCounter, QStringLiteral("2 of 3"));
    EXPECT_EQ(e.form.ckFamilyCaption, (QStringList{"Di Lee", "Ed Lee"}));
    EXPECT_EQ(e.form.ckFamily, (QList<int>{kBoxClear, kBoxClear}));
    // The working record of the main window is left alone.
    EXPECT_EQ(e.app.crusade.CurRecNo, 6);
    EXPECT_TRUE(e.app.crusade.CurRecord == ReadRecord(e.app, 6));
}

TEST(FamilyMemEditor, TheEndsOfTheListWriteNothing) {
    Editor e;
    e.open(1);
    e.form.ckFamily = {kBoxClear, kBoxClear, kBoxClear};
    btnPrevFmy_Click(e.app, e.form);
    EXPECT_EQ(e.f.fx.t.dialogs.messages(), QStringList{kFamilyBeginning});
    EXPECT_EQ(e.mail(1, 3), (QList<qint16>{1, 1, 0}));
    EXPECT_EQ(e.form.RecordCounter, QStringLiteral("1 of 3"));

    e.form.ckFamily = {kBoxTicked, kBoxTicked, kBoxTicked};
    LastFamily_Click(e.app, e.form);  // writes household 1
    EXPECT_EQ(e.mail(1, 3), (QList<qint16>{1, 1, 1}));
    ASSERT_EQ(e.form.ckFamily.size(), 25);
    EXPECT_EQ(e.form.RecordCounter, QStringLiteral("3 of 3"));
    e.form.ckFamily.fill(kBoxTicked);
    btnNextFmy_Click(e.app, e.form);
    EXPECT_EQ(e.f.fx.t.dialogs.messages().last(), kFamilyEnd);
    EXPECT_EQ(e.mail(7, 31), QList<qint16>(25, 0));

    // Closing marks the household shown for the caller: greyed counts as ticked.
    e.form.ckFamily[1] = kBoxClear;
    e.form.ckFamily[2] = kBoxGreyed;
    FamilyMem_Unload(e.form);
    QByteArray marks;
    for (const QByteArray& entry : e.form.FamilyList) marks += entry.at(0);
    EXPECT_EQ(marks, QByteArray("$-") + QByteArray(23, '$'));

    // First writes the household it leaves, even the first one.
    FirstFmy_Click(e.app, e.form);
    EXPECT_EQ(e.mail(7, 8), (QList<qint16>{1, 0}));
    EXPECT_EQ(e.form.RecordCounter, QStringLiteral("1 of 3"));
}

}  // namespace
}  // namespace fennick::test
