#include "FakeScreen.h"
#include "ZipFixture.h"
#include "tables/TeamTotals.h"
#include "tables/ZipEditor.h"
#include "tables/ZipTable.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QByteArray kOld = Z("99999", "XX", "03", "Old Town", 12);

// An application with the editor's form over a table.
struct Editor {
    TestApp t;
    App& app = t.app;
    ZipForm form;

    void open(const QList<QByteArray>& entries) {
        app.settings.CrusadeName = QStringLiteral("Spring");
        app.settings.SoundOn = true;
        SetZips(app, entries);
        EditZip_Load(app, form);
    }
    void type(const QString& zip, const QString& state, const QString& team, const QString& city) {
        form.Zip = zip;
        form.State = state;
        form.WorkerCode = team;
        form.City = city;
    }
    QStringList sounds() const {
        QStringList names;
        for (const QString& p : t.sound.played) names << p.section(u'/', -1);
        return names;
    }
};

struct ZipEditor : ::testing::Test {
    Editor e0;
    TestApp& t = e0.t;
    App& app = e0.app;
    ZipForm& form = e0.form;
    void open(const QList<QByteArray>& entries) { e0.open(entries); }
    void type(const QString& zip, const QString& state, const QString& team, const QString& city) {
        e0.type(zip, state, team, city);
    }
    QStringList sounds() const { return e0.sounds(); }
};

// Typed boxes become 33-character entries the same way in each of the three writers: the
// save of the shown entry (its count kept), the team code box's rule and the new entry.
TEST_F(ZipEditor, TypedBoxesMakeFixedEntriesInEveryWriter) {
    struct Case {
        const char* what;
        bool canadian;
        QString zip, state, team, city;
        QByteArray head;  // positions 1-29
    };
    const Case cases[] = {
        {"short zip", false, "123", "IL", "07", "Springfield", "123       IL07Springfield    "},
        {"one-digit team", false, "62701", "IL", "7", "Springfield", "62701     IL07Springfield    "},
        {"Canadian code", true, "K1A", "ON", "12", "Ottawa", "K1A       ON12Ottawa         "},
        {"whole postal code", true, "K1A 0B1", "ON", "12", "Ottawa", "K1A       ON12Ottawa         "},
        {"city of 16", false, "62701", "IL", "40", "Abcdefghijklmnop", "62701     IL40Abcdefghijklmno"},
        {"one-letter state, no team", false, "62701", "I", "", "Springfield", "62701     I 00Springfield    "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The save of the shown entry.
        {
            Editor e;
            e.app.settings.CanadianZip = c.canadian;
            e.open({kOld});
            e.type(c.zip, c.state, c.team, c.city);
            ASSERT_TRUE(SaveZipChanges(e.app, e.form));
            EXPECT_EQ(Zips(e.app), QList<QByteArray>({c.head + "  12"}));
        }
        // The team code box's rule (every case changes the code).
        {
            Editor e;
            e.app.settings.CanadianZip = c.canadian;
            e.open({kOld});
            e.type(c.zip, c.state, c.team, c.city);
            EXPECT_TRUE(WorkerCode_LostFocus(e.app, e.form));
            EXPECT_EQ(Zips(e.app), QList<QByteArray>({c.head + "  12"}));
        }
        // A new entry, appended by the State box's rule.
        {
            Editor e;
            e.app.settings.CanadianZip = c.canadian;
            e.open({kOld});
            AddZip_Click(e.app, e.form);
            e.type(c.zip, c.state, c.team, c.city);
            e.t.dialogs.answer(AnsNo);
            State_LostFocus(e.app, e.form);
            EXPECT_EQ(Zips(e.app), QList<QByteArray>({kOld, c.head + "   0"}));
            EXPECT_FALSE(e.t.dialogs.pending());
        }
    }
}

TEST_F(ZipEditor, SortOptions) {
    const QList<QByteArray> table = {
        Z("abcde", "IL", "00", "Zeta", 7),      Z("62701", "IL", "00", "alpha", 120), Z("9999", "IL", "00", "Alpha", 15),
        Z("10001-9", "NY", "00", "Alpha", 5),   Z("K1A", "ON", "00", "Beta", 1200),
    };
    struct Case {
        int option;
        QList<QByteArray> zips;  // first five characters, in table order
    };
    const Case cases[] = {
        {0, {"10001", "62701", "9999 ", "K1A  ", "abcde"}},  // by byte code of the first five
        {1, {"10001", "9999 ", "K1A  ", "abcde", "62701"}},  // city, then count: Alpha 5 before Alpha 15
        {2, {"K1A  ", "62701", "9999 ", "abcde", "10001"}},  // largest count first: 120 before 15
    };
    for (const Case& c : cases) {
        Editor e;
        e.open(table);
        SortOpt_Click(e.app, e.form, c.option);
        QList<QByteArray> zips;
        for (const QByteArray& entry : Zips(e.app)) zips << entry.left(5);
        EXPECT_EQ(zips, c.zips) << c.option;
        EXPECT_EQ(e.form.CurIdx, 1);
        EXPECT_EQ(e.form.Zip.left(5), QString::fromLatin1(c.zips[0]).trimmed());
    }
}

TEST_F(ZipEditor, AddingWithNoAppendsExactlyOneEntry) {
    open({kOld, Z("62701", "IL", "05", "Springfield", 3)});
    const QList<QByteArray> before = Zips(app);
    AddZip_Click(app, form);
    EXPECT_TRUE(form.Adding);
    EXPECT_EQ(form.Caption, QStringLiteral("Adding Record Number 3 to Spring"));
    EXPECT_EQ(form.RCounter, QStringLiteral(" 3 of 3"));
    EXPECT_EQ(form.WorkerCode, QStringLiteral("05"));  // the team code stays

    // Leaving the State box with no zip typed appends nothing; buttons and the team code
    // rule never write the typed entry over the shown one.
    State_LostFocus(app, form);
    type(QStringLiteral("60601"), QStringLiteral("IL"), QStringLiteral("9"), QStringLiteral("Chicago"));
    EXPECT_FALSE(WorkerCode_LostFocus(app, form));
    EXPECT_EQ(form.WorkerCode, QStringLiteral("09"));
    EXPECT_TRUE(SaveZipChanges(app, form));
    EXPECT_EQ(Zips(app), before);

    t.dialogs.answer(AnsNo);
    State_LostFocus(app, form);
    ASSERT_EQ(t.dialogs.messages(), QStringList({QStringLiteral("Add Another Record?")}));
    EXPECT_EQ(t.dialogs.last().buttons, Buttons::YesNoCancel);
    EXPECT_EQ(t.dialogs.last().title, QString());
    EXPECT_EQ(Zips(app), before + QList<QByteArray>({Z("60601", "IL", "09", "Chicago", 0)}));
    EXPECT_FALSE(form.Adding);
    EXPECT_EQ(form.CurIdx, 3);
    EXPECT_EQ(form.Caption, QStringLiteral("3 of 3       Spring"));

    // Yes goes on adding with empty boxes; a record button then drops the typed entry.
    AddZip_Click(app, form);
    type(QStringLiteral("60602"), QStringLiteral("IL"), QStringLiteral("01"), QStringLiteral("Chicago"));
    t.dialogs.answer(AnsYes);
    State_LostFocus(app, form);
    EXPECT_TRUE(form.Adding);
    EXPECT_EQ(form.Zip, QString());
    EXPECT_EQ(form.Focus, QStringLiteral("Zip"));
    type(QStringLiteral("60603"), QString(), QStringLiteral("01"), QStringLiteral("Chicago"));
    FirstRecordButton_Click(app, form);
    EXPECT_FALSE(form.Adding);
    ASSERT_EQ(app.crusade.ZipCount, 4);
    EXPECT_EQ(Zips(app).last(), Z("60602", "IL", "01", "Chicago", 0));
}

TEST_F(ZipEditor, TheTableTakesNoEntryPast2000) {
    QList<QByteArray> full;
    for (int i = 0; i < 2000; ++i) full << Z(QByteArray::number(10000 + i).constData(), "IL", "00", "Town", 1);
    open(full);
    AddZip_Click(app, form);
    EXPECT_FALSE(form.Adding);
    EXPECT_EQ(t.dialogs.messages(), QStringList({QStringLiteral("The zip code table is full: it holds 2000 zip codes.")}));

    // The 2000th entry is the last one appended.
    Editor e;
    e.open(full.mid(0, 1999));
    AddZip_Click(e.app, e.form);
    e.type(QStringLiteral("60601"), QStringLiteral("IL"), QStringLiteral("00"), QStringLiteral("Chicago"));
    e.t.dialogs.answer(AnsYes);
    State_LostFocus(e.app, e.form);
    e.type(QStringLiteral("60602"), QStringLiteral("IL"), QStringLiteral("00"), QStringLiteral("Chicago"));
    State_LostFocus(e.app, e.form);
    ASSERT_EQ(e.app.crusade.ZipCount, 2000);
    EXPECT_EQ(e.app.crusade.ZipTable[2000], Z("60601", "IL", "00", "Chicago", 0));
    EXPECT_FALSE(e.form.Adding);
    EXPECT_EQ(e.t.dialogs.messages().last(), QStringLiteral("The zip code table is full: it holds 2000 zip codes."));
}

TEST_F(ZipEditor, SearchOffersMatchesAndStops) {
    const QList<QByteArray> table = {Z("60601", "IL", "00", "Chicago", 2), Z("62701", "IL", "00", "Springfield", 3),
                                     Z("62702", "IL", "00", "Springfield", 1)};
    struct Case {
        const char* what;
        QString typed;
        QList<int> answers;  // to "Correct Record?"
        int shown;           // CurIdx afterwards
        bool notFound;
    };
    const Case cases[] = {
        {"empty answer or cancelled box", QString(), {}, 1, false},
        {"a city, case ignored", QStringLiteral("CHICAGO"), {AnsYes}, 1, false},
        {"No goes on, Yes keeps", QStringLiteral("spring"), {AnsNo, AnsYes}, 3, false},
        {"Cancel stops", QStringLiteral("spring"), {AnsCancel}, 2, false},
        {"No to every match", QStringLiteral("spring"), {AnsNo, AnsNo}, 3, true},
        {"missed", QStringLiteral("Boston"), {}, 1, true},
        {"entry 0 is no entry", QStringLiteral("0   "), {}, 1, true},
    };
    for (const Case& c : cases) {
        Editor e;
        e.open(table);
        e.app.crusade.ZipTable[0] = "0   ";
        e.form.CurIdx = 1;
        e.t.dialogs.type(c.typed);
        for (int a : c.answers) e.t.dialogs.answer(a);
        Search_Click(e.app, e.form);
        EXPECT_EQ(e.form.CurIdx, c.shown) << c.what;
        EXPECT_EQ(e.t.dialogs.messages().contains(QStringLiteral("Record Not Found.")), c.notFound) << c.what;
        EXPECT_FALSE(e.t.dialogs.pending()) << c.what;
        EXPECT_EQ(Zips(e.app), table) << c.what;
    }
}

TEST_F(ZipEditor, RecordButtonsStayWithinTheTable) {
    open({Z("10001", "NY", "00", "New York", 1), Z("20001", "DC", "00", "Washington", 1)});
    PreviousRecord_Click(app, form);
    EXPECT_EQ(form.CurIdx, 1);
    LastRecordButton_Click(app, form);
    NextRecord_Button_Click(app, form);
    EXPECT_EQ(form.CurIdx, 2);
    EXPECT_EQ(form.Zip, QStringLiteral("20001"));
    EXPECT_EQ(sounds(), QStringList({"S02.wav", "S02.wav"}));  // "clunk" twice
    EXPECT_EQ(form.Focus, QStringLiteral("City"));
    EXPECT_TRUE(form.SelectTeamCode);
    FirstRecordButton_Click(app, form);
    EXPECT_EQ(form.RCounter, QStringLiteral("1 of 2"));
}

TEST_F(ZipEditor, TeamCodeBox) {
    struct Case {
        QString typed;
        QString shown;          // the box afterwards
        const char* team;       // the entry's team afterwards
        bool totalsChanged;
        bool refused;
    };
    const Case cases[] = {
        {"7", "07", "07", true, false},     {"40", "40", "40", true, false}, {"03", "03", "03", false, false},
        {"3", "03", "03", false, false},    {"", "00", "00", true, false},   {"41", "03", "03", false, true},
        {"4a", "03", "03", false, true},    {"-1", "03", "03", false, true},
    };
    for (const Case& c : cases) {
        Editor e;
        e.open({kOld});
        e.form.WorkerCode = c.typed;
        EXPECT_EQ(WorkerCode_LostFocus(e.app, e.form), c.totalsChanged) << c.typed.toStdString();
        EXPECT_EQ(e.form.WorkerCode, c.shown) << c.typed.toStdString();
        EXPECT_EQ(Zips(e.app)[0], Z("99999", "XX", c.team, "Old Town", 12)) << c.typed.toStdString();
        EXPECT_EQ(e.t.dialogs.messages().size(), c.refused ? 1 : 0) << c.typed.toStdString();
        EXPECT_EQ(e.form.Focus, c.refused ? QStringLiteral("WorkerCode") : QString()) << c.typed.toStdString();
        // A refused code stops the record buttons and Close as well.
        e.form.WorkerCode = QStringLiteral("99");
        EXPECT_FALSE(CoseForm_Click(e.app, e.form));
    }
}

TEST_F(ZipEditor, PageDownKeepsTheCodeAndMovesOn) {
    open({Z("10001", "NY", "00", "New York", 4), Z("20001", "DC", "00", "Washington", 6)});
    form.WorkerCode = QStringLiteral("5");
    bool totalsChanged = false;
    EXPECT_TRUE(WorkerCode_KeyDown(app, form, kZipKeyPageDown, totalsChanged));
    EXPECT_TRUE(totalsChanged);
    EXPECT_EQ(form.CurIdx, 2);
    EXPECT_EQ(form.Focus, QStringLiteral("WorkerCode"));
    EXPECT_EQ(TeamTotals(app.crusade)[5], 4);
    EXPECT_EQ(TeamTotals(app.crusade)[0], 6);
}

TEST_F(ZipEditor, TeamTotalRows) {
    app.settings.TeamNames[3] = QStringLiteral("Blue:555-0101");
    app.settings.TeamNames[7] = QStringLiteral("Red:");
    app.settings.TeamNames[12] = QStringLiteral("Green:");
    SetZips(app, {Z("10001", "NY", "00", "A", 4), Z("10002", "NY", "07", "B", 2), Z("10003", "NY", "03", "C", 10),
                  Z("10004", "NY", "03", "D", 5), Z("10005", "NY", "12", "E", 0), Z("10006", "NY", "41", "F", 99),
                  Z("10007", "NY", "##", "G", 3)});
    app.crusade.ZipTable[0] = "0";
    QStringList rows;
    for (const TeamTotalRow& r : TeamTotalRows(app)) rows << QStringLiteral("%1|%2|%3").arg(r.team).arg(r.name, r.count);
    EXPECT_EQ(rows, QStringList({"0|Unassigned|   7", "3|Blue:555-0101|  15", "7|Red:|   2"}));
}

TEST_F(ZipEditor, OpeningAndTheCanadianQuestion) {
    struct Case {
        bool canadian, ask;
        int answer;
        bool canadianAfter;
        const char* label;
    };
    const Case cases[] = {
        {false, true, 0, false, "Assign Teams to Zip Codes"},
        {true, false, 0, true, "Assign Teams to Zip Codes (Canadian)"},
        {true, true, AnsYes, true, "Assign Teams to Zip Codes (Canadian)"},
        {true, true, AnsNo, false, "Assign Teams to Zip Codes"},
    };
    for (const Case& c : cases) {
        Editor e;
        e.app.settings.CanadianZip = c.canadian;
        e.app.program.AskCanada = c.ask;
        if (c.answer) e.t.dialogs.answer(c.answer);
        e.open({Z("20001", "DC", "00", "Washington", 1), Z("10001", "NY", "04", "New York", 2)});
        EXPECT_EQ(e.form.Label2, QString::fromLatin1(c.label));
        EXPECT_EQ(e.app.settings.CanadianZip, c.canadianAfter);
        EXPECT_EQ(e.app.program.AskCanada, c.ask && !c.canadian);
        EXPECT_FALSE(e.t.dialogs.pending());
        // Sorted by zip, the first entry shown.
        EXPECT_EQ(e.form.Zip, QStringLiteral("10001"));
        EXPECT_EQ(e.form.WorkerCode, QStringLiteral("04"));
        EXPECT_EQ(e.form.NumberAddresses, QStringLiteral("2"));
        EXPECT_EQ(e.form.Caption, QStringLiteral("1 of 2       Spring"));
    }
}

TEST_F(ZipEditor, TheMenuCommandNeedsZipCodes) {
    FakeScreen screen;
    int shown = 0;
    app.hooks.showZipEditor = [&] { ++shown; };
    mnuZipCodes_Click(app, screen);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(t.dialogs.messages(), QStringList({QStringLiteral("There are no zipcodes in the file to edit.")}));
    SetZips(app, {kOld});
    mnuZipCodes_Click(app, screen);
    EXPECT_EQ(shown, 1);
}

// The totals beside the editor on a 1366 x 768 screen: clear of the editor wherever there is
// room, always within the screen with their title bar, and their counts (the right 61
// pixels) never behind it.
TEST(PlaceTeamTotals, BesideTheEditorWithinTheScreen) {
    const QRect screen(0, 0, 1366, 768), wide(183, 0, 1000, 329);
    const QSize editor(564, 329), totals(284, 560);
    const struct Case {
        const char* name;
        QRect room, editor, expected;
    } cases[] = {
        {"editor at the left: right of it", screen, {{0, 0}, editor}, {572, 0, 284, 560}},
        {"editor in the centre: right, held up", screen, {{401, 220}, editor}, {973, 208, 284, 560}},
        {"editor at the right edge: left of it", screen, {{802, 100}, editor}, {510, 100, 284, 560}},
        {"a wide editor: below it, shortened", screen, wide, {183, 337, 284, 431}},
        {"a wide editor low down: above it, shortened", screen, wide.translated(0, 430), {183, 0, 284, 422}},
        {"a wide, tall editor: at the right edge, over it", screen, {183, 100, 1000, 600}, {1082, 100, 284, 560}},
        {"a second screen below a panel", {1366, 40, 1920, 1040}, {{2700, 40}, editor}, {2408, 40, 284, 560}},
        {"a room lower than the totals: title bar in it", {0, 0, 1366, 500}, {{0, 100}, editor}, {572, 0, 284, 560}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceTeamTotals(c.room, c.editor, totals), c.expected) << c.name;
    // An editor that opens stands with its totals as a pair in the middle of the screen.
    const QPoint opening = PlaceZipEditor(screen, editor, totals);
    EXPECT_EQ(opening, QPoint(255, 219));
    EXPECT_EQ(PlaceTeamTotals(screen, {opening, editor}, totals), QRect(827, 208, 284, 560));
}

}  // namespace
