#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/FieldEntry.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kRefusedNumber = QStringLiteral(" >> for the Registration Number.") + NewLine +
                               QStringLiteral(
                                   "The Registration Number cannot have any letters in it, it must be all "
                                   "numbers.");

// In alphabetical order: Adams (record 1), Allen (record 2), Smith (record 3).
QList<AttendeeRecord> People() {
    return {Rec("0007", "Al", "Adams").team("03"), Rec("0020", "Ann", "Allen"),
            Rec("0012", "Mary", "Smith").address("9 Elm St")};
}

struct FieldEntryTest : ::testing::Test {
    ViewFixture fx{People()};
    App& app = fx.app;
    FakeScreen s;

    void SetUp() override {
        app.hooks.editForm = &s;
        s.leaveRule = [this](const QString& box) { return FieldLostFocus(app, s, box); };
        app.settings.SoundOn = true;
        app.settings.AgeGroupNames = {"NIF", "10-19", "20-29", "30-39", "40-49", "50-59", "60-70", "70+"};
        app.settings.ReservedNumber = 100;
        app.settings.ReservedDirection = QStringLiteral("UP");
        s.setVisible(QStringLiteral("ReturnToPreviewMsg"), false);
        IndexAlpha(app);
        MoveToRecord(app, 0);
    }
    bool key(const char* box, int code, int shift = 0) { return FieldKeyDown(app, s, QLatin1String(box), code, shift); }
    void type(const char* box, const QString& text) { s.setText(QLatin1String(box), text); }
    QString text(const char* box) const { return s.text(QLatin1String(box)); }
    void leave(const char* box) { FieldLostFocus(app, s, QLatin1String(box)); }
    int played(const char* file) const {
        int n = 0;
        for (const QString& p : fx.t.sound.played) n += p.endsWith(QLatin1String(file)) ? 1 : 0;
        return n;
    }
    int clunks() const { return played("S02.wav"); }
    FakeDialogs& dialogs() { return fx.t.dialogs; }
    AttendeeRecord onDisk(int n) { return ReadRecord(app, n); }
    // A zip-table entry: key, state, team, city, address count.
    static QByteArray Z(const char* zip, const char* state, const char* team, const char* city, int count) {
        return Pad(zip, 10) + state + team + Pad(city, 15) + QByteArray::number(count).rightJustified(4);
    }
    // A zip table of the given entries.
    void zips(const QList<QByteArray>& entries) {
        for (int i = 0; i < entries.size(); ++i) app.crusade.ZipTable[i + 1] = entries[i];
        app.crusade.ZipCount = qint16(entries.size());
    }
};

TEST_F(FieldEntryTest, EnterWalksTheScreenInOrder) {
    struct Step {
        const char* box;
        bool addMode;
        const char* next;  // nullptr: Enter is not taken and the focus stays
    };
    const Step steps[] = {
        {"RNum", false, "FName"},          {"FName", false, "LName"},
        {"LName", false, "Address"},       {"Address", false, "Zip"},
        {"Zip", false, "State"},           {"State", false, "City"},
        {"City", false, "MailList"},       {"MailList", false, "Phone"},
        {"Phone", false, "txtEmail"},      {"txtEmail", false, "Age"},
        {"MapCode", false, "RelPref"},     {"Advertising", false, "WorkerCode"},
        {"WorkerCode", false, "IntLevel"}, {"IntLevel", false, "Visits"},
        {"Visits", false, "BaptDate"},     {"BaptDate", false, "Class"},
        {"Class", false, "Baptized"},      {"WorkerCode", true, "btnSaveNew"},
        {"Age", false, nullptr},           {"RelPref", false, nullptr},
        {"BirthDate", false, nullptr},     {"chkMarkToVisit", false, nullptr},
    };
    for (const Step& st : steps) {
        app.crusade.AddMode = st.addMode;
        s.setFocus(QLatin1String(st.box));
        EXPECT_EQ(key(st.box, vk::Enter), st.next != nullptr) << st.box;
        EXPECT_EQ(s.focused(), QLatin1String(st.next ? st.next : st.box)) << st.box;
    }
    // In add mode Enter in the advertising box is taken and goes nowhere.
    app.crusade.AddMode = true;
    s.setFocus(QStringLiteral("Advertising"));
    EXPECT_TRUE(key("Advertising", vk::Enter));
    EXPECT_EQ(s.focused(), QStringLiteral("Advertising"));
}

TEST_F(FieldEntryTest, F2CopiesThePreviousNameInAddModeOnly) {
    AttendeeRecord& prev = app.crusade.PrevRecord;
    prev = Person("0042", "Joe", "Brown");
    prev.Zip = "12345";
    prev.WorkerCode = "07";
    prev.Advertising = ".M.....";
    prev.MailList = 0;
    struct Case {
        const char* box;
        const char* copied;  // nullptr: the box does not copy
        const char* focus;
    };
    const Case cases[] = {{"LName", "Brown", "Address"},    {"Address", "1 Main St", "Zip"},
                          {"Zip", "12345", "State"},        {"Phone", "555-1234", "txtEmail"},
                          {"WorkerCode", "07", "IntLevel"}, {"Advertising", ".M.....", "Advertising"},
                          {"FName", nullptr, "FName"},      {"Age", nullptr, "Age"}};
    for (bool addMode : {false, true}) {
        app.crusade.AddMode = addMode;
        for (const Case& c : cases) {
            type(c.box, QStringLiteral("typed"));
            s.setFocus(QLatin1String(c.box));
            const bool copies = addMode && c.copied;
            EXPECT_EQ(key(c.box, vk::F2), copies) << c.box;
            EXPECT_EQ(text(c.box), copies ? QLatin1String(c.copied) : QLatin1String("typed")) << c.box;
            EXPECT_EQ(s.focused(), QLatin1String(copies ? c.focus : c.box)) << c.box;
        }
    }
    s.setValue(QStringLiteral("MailList"), 1);
    key("MailList", vk::F2);
    EXPECT_EQ(s.value(QStringLiteral("MailList")), 0);
    EXPECT_EQ(s.focused(), QStringLiteral("Phone"));

    EXPECT_TRUE(key("RNum", vk::F2));
    EXPECT_EQ(dialogs().messages(), QStringList{QStringLiteral("Copy Info. to a New Record")});
}

TEST_F(FieldEntryTest, F3FillsTheAddressBlockInAddModeOnly) {
    app.crusade.PrevRecord = Rec("0042", "Joe", "Brown").address("5 Oak Ave").zip("12345");
    s.setValue(QStringLiteral("MailList"), 1);
    EXPECT_FALSE(key("LName", vk::F3));
    EXPECT_EQ(text("Address"), QStringLiteral("1 Main St"));

    app.crusade.AddMode = true;
    EXPECT_FALSE(key("Address", vk::F3));
    EXPECT_TRUE(key("LName", vk::F3));
    EXPECT_EQ(text("LName"), QStringLiteral("Brown"));
    EXPECT_EQ(text("Address"), QStringLiteral("5 Oak Ave"));
    EXPECT_EQ(text("Zip"), QStringLiteral("12345"));
    EXPECT_EQ(text("City"), QStringLiteral("Springfield"));
    EXPECT_EQ(s.value(QStringLiteral("MailList")), 0);
    EXPECT_EQ(s.focused(), QStringLiteral("Age"));
    EXPECT_EQ(played("S01.wav"), 1);
}

TEST_F(FieldEntryTest, EscPutsBackTheFieldAsShown) {
    for (const char* box : {"RNum", "FName", "Address", "Zip", "WorkerCode", "Advertising", "BaptDate"}) {
        const QString shown = text(box);
        type(box, QStringLiteral("changed"));
        s.setFocus(QLatin1String(box));
        EXPECT_TRUE(key(box, vk::Escape)) << box;
        EXPECT_EQ(text(box), shown) << box;
        EXPECT_EQ(s.focused(), QLatin1String(box)) << box;
    }
    app.crusade.CurRecord.RNum = "9999";
    key("RNum", vk::Escape);
    EXPECT_EQ(app.crusade.CurRecord.RNum.bytes(), QByteArray("0007"));
    s.setValue(QStringLiteral("Class"), 1);
    key("Class", vk::Escape);
    EXPECT_EQ(s.value(QStringLiteral("Class")), 0);
    EXPECT_FALSE(key("Age", vk::Escape));
}

TEST_F(FieldEntryTest, PageKeysSaveAndMove) {
    type("FName", QStringLiteral("Albert"));
    EXPECT_TRUE(key("FName", vk::PageDown));
    EXPECT_EQ(onDisk(1).FName.trimmed(), QByteArray("Albert"));
    EXPECT_EQ(text("LName"), QStringLiteral("Allen"));
    EXPECT_TRUE(key("Notes", vk::PageDown));
    EXPECT_EQ(text("LName"), QStringLiteral("Smith"));
    EXPECT_TRUE(key("Age", vk::PageUp));
    EXPECT_EQ(text("LName"), QStringLiteral("Allen"));
    EXPECT_FALSE(key("RelPref", vk::PageUp));
    EXPECT_EQ(clunks(), 0);

    // The registration-number box moves like the navigation buttons.
    EXPECT_TRUE(key("RNum", vk::PageDown));
    EXPECT_EQ(text("LName"), QStringLiteral("Smith"));
    EXPECT_EQ(app.mainWindow.EnteredRNum, QStringLiteral("0012"));
}

TEST_F(FieldEntryTest, PageKeysRunTheBoxsLeaveRuleBeforeTheSave) {
    struct Case {
        const char* box;
        const char* typed;
        const char* kept;  // the box afterwards
        bool moves;
    };
    const Case cases[] = {
        {"WorkerCode", "##", "03", false}, {"WorkerCode", "99", "03", false}, {"WorkerCode", "7", "07", true},
        {"RNum", "1e3", "0007", false},    {"RNum", "0020", "0007", false},   {"RNum", "42", "0042", true},
        {"Age", "x", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        IndexAlpha(app);
        MoveToRecord(app, 0);  // Adams
        RNum_GotFocus(app, s);
        dialogs().clear();
        const AttendeeRecord adams = onDisk(1);
        type("FName", QStringLiteral("Alfred"));
        type(c.box, QLatin1String(c.typed));
        s.setFocus(QLatin1String(c.box));
        EXPECT_TRUE(key(c.box, vk::PageDown));
        EXPECT_EQ(dialogs().shown().size(), c.moves ? 0u : 1u);
        if (!c.moves) {
            EXPECT_EQ(onDisk(1), adams);
            EXPECT_EQ(text("LName"), QStringLiteral("Adams"));
            EXPECT_EQ(text(c.box), QLatin1String(c.kept));
            EXPECT_EQ(s.focused(), QLatin1String(c.box));
            continue;
        }
        EXPECT_EQ(onDisk(1).FName.trimmed(), QByteArray("Alfred"));
        EXPECT_EQ(QLatin1String(c.box) == QLatin1String("RNum") ? onDisk(1).RNum.bytes() : onDisk(1).WorkerCode.bytes(),
                  QByteArray(c.kept));
        EXPECT_EQ(text("LName"), QStringLiteral("Allen"));
        WriteRecord(app, 1, adams);
    }
}

TEST_F(FieldEntryTest, PageKeysOnlyClunkWhileEditingFromThePreviewOrAddingNames) {
    s.setVisible(QStringLiteral("ReturnToPreviewMsg"), true);
    type("FName", QStringLiteral("Albert"));
    EXPECT_TRUE(key("FName", vk::PageDown));
    for (const char* box : {"WorkerCode", "Notes", "chkMarkToVisit"}) {
        s.setFocus(QStringLiteral("Address"));
        EXPECT_TRUE(key(box, vk::PageUp));
        EXPECT_EQ(s.focused(), QStringLiteral("WorkerCode")) << box;
    }
    EXPECT_EQ(clunks(), 4);
    EXPECT_EQ(text("LName"), QStringLiteral("Adams"));
    EXPECT_EQ(onDisk(1).FName.trimmed(), QByteArray("Al"));

    // A new name on screen is not written over the record shown before.
    s.setVisible(QStringLiteral("ReturnToPreviewMsg"), false);
    app.crusade.AddMode = true;
    EXPECT_TRUE(key("Address", vk::PageDown));
    EXPECT_TRUE(key("RNum", vk::PageUp));
    EXPECT_EQ(clunks(), 6);
    EXPECT_EQ(onDisk(1).FName.trimmed(), QByteArray("Al"));
}

TEST_F(FieldEntryTest, ShortcutKeysAreLeftToTheMenus) {
    for (const char* box : {"FName", "Visits", "BaptDate", "MailList", "Notes"}) {
        s.setFocus(QLatin1String(box));
        EXPECT_FALSE(key(box, 'Z', vk::CtrlMask)) << box;
        EXPECT_FALSE(key(box, 'P', vk::CtrlMask)) << box;
        EXPECT_FALSE(key(box, vk::Control)) << box;
        EXPECT_EQ(s.focused(), QLatin1String(box)) << box;
    }
    EXPECT_FALSE(key("Visits", vk::Shift));
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(FieldEntryTest, FocusSelectsAndHighlightsInAddMode) {
    app.crusade.AddMode = true;
    for (const char* box : {"FName", "Address", "WorkerCode", "MapCode", "IntLevel", "RelPref", "RNum", "MailList"})
        FieldGotFocus(app, s, QLatin1String(box));
    EXPECT_EQ(s.highlighted(), (QStringList{"Address", "FName", "MailList", "RNum", "RelPref"}));
    EXPECT_EQ(s.get(QStringLiteral("Address")).selLength, 9);
    EXPECT_EQ(s.get(QStringLiteral("WorkerCode")).selLength, 2);
    EXPECT_EQ(s.get(QStringLiteral("RNum")).selLength, 0);
    EXPECT_EQ(app.mainWindow.EnteredRNum, QStringLiteral("0007"));
    EXPECT_TRUE(s.isVisible(QStringLiteral("Label_MailListFocus")));
    for (const char* box : {"FName", "Address", "MailList"}) leave(box);
    EXPECT_EQ(s.highlighted(), (QStringList{"RNum", "RelPref"}));
    EXPECT_FALSE(s.isVisible(QStringLiteral("Label_MailListFocus")));
}

// --- Zip, city, state -------------------------------------------------------------------------

TEST_F(FieldEntryTest, KnownZipFillsTheEmptyBoxes) {
    zips({Z("62701", "IL", "07", "Springfield", 4), Z("12345", "TX", "05", "Dover", 2)});
    app.crusade.AddMode = true;
    type("City", QString());
    type("State", QString());
    type("WorkerCode", QStringLiteral("00"));
    type("Zip", QStringLiteral("12345"));
    leave("Zip");
    EXPECT_EQ(text("City"), QStringLiteral("Dover"));
    EXPECT_EQ(text("State"), QStringLiteral("TX"));
    EXPECT_EQ(text("WorkerCode"), QStringLiteral("05"));
    EXPECT_EQ(s.focused(), QStringLiteral("Phone"));
    EXPECT_EQ(app.mainWindow.ZipHitIndex, 2);

    // Outside add mode only the team is filled; a state already there stays.
    app.crusade.AddMode = false;
    type("City", QString());
    type("State", QStringLiteral("OK"));
    type("WorkerCode", QString());
    leave("Zip");
    EXPECT_EQ(text("City"), QString());
    EXPECT_EQ(text("State"), QStringLiteral("OK"));
    EXPECT_EQ(text("WorkerCode"), QStringLiteral("05"));

    // An empty state takes the found zip's state, else that of the table's first entry.
    type("State", QString());
    leave("Zip");
    EXPECT_EQ(text("State"), QStringLiteral("TX"));
    type("State", QString());
    type("Zip", QStringLiteral("55555"));
    leave("Zip");
    EXPECT_EQ(text("State"), QStringLiteral("IL"));
}

TEST_F(FieldEntryTest, ZipTeamOfDeletedMarkIsNotCopied) {
    zips({Z("12345", "TX", "##", "Dover", 2)});
    type("WorkerCode", QStringLiteral("00"));
    type("Zip", QStringLiteral("12345"));
    leave("Zip");
    EXPECT_EQ(text("WorkerCode"), QStringLiteral("00"));
}

TEST_F(FieldEntryTest, UnknownZipBecomesAnEntryWhenTheCityIsLeft) {
    zips({Z("62701", "IL", "07", "Springfield", 4)});
    type("Zip", QString());
    leave("Zip");
    EXPECT_EQ(text("Zip"), QStringLiteral("NoZip"));
    type("Zip", QStringLiteral("99999"));
    leave("Zip");
    EXPECT_EQ(app.crusade.ZipTable[2], QByteArray("NotSaved"));
    EXPECT_EQ(app.crusade.ZipCount, 1);

    type("State", QString());
    type("City", QStringLiteral("dover"));
    dialogs().type(QString()).type(QStringLiteral(" tx "));
    leave("City");
    ASSERT_EQ(dialogs().shown().size(), 2u);
    EXPECT_EQ(dialogs().last().text, QStringLiteral("Error- You must enter a State."));
    EXPECT_EQ(text("State"), QStringLiteral("TX"));
    EXPECT_EQ(text("City"), QStringLiteral("Dover"));
    EXPECT_EQ(app.crusade.ZipCount, 2);
    EXPECT_EQ(app.crusade.ZipTable[2], Z("99999", "TX", "00", "Dover", 1));
    EXPECT_TRUE(app.crusade.ZipTable[3].isEmpty());
}

TEST_F(FieldEntryTest, KnownZipWithAnotherCityOffersToReassign) {
    zips({Z("12345", "TX", "05", "Dover", 2)});
    type("Zip", QStringLiteral("12345"));
    type("City", QStringLiteral("Austin"));
    dialogs().answer(AnsNo);
    leave("City");
    EXPECT_EQ(dialogs().last().title, QStringLiteral("Check Assigned City"));
    EXPECT_EQ(dialogs().last().text, QStringLiteral("Zipcode: 12345") + NewLine +
                                         QStringLiteral(" Has already been assigned to a different city-- Dover") +
                                         NewLine + NewLine +
                                         QStringLiteral("Do you want to reassign 12345 to Austin?"));
    EXPECT_EQ(app.crusade.ZipTable[1], Z("12345", "TX", "05", "Dover", 2));

    app.crusade.AddMode = true;
    dialogs().answer(AnsYes);
    leave("City");
    EXPECT_EQ(app.crusade.ZipTable[1], Z("12345", "TX", "05", "Austin", 3));
    leave("City");  // the same city again: no question, one more address
    EXPECT_EQ(app.crusade.ZipTable[1], Z("12345", "TX", "05", "Austin", 4));
    EXPECT_EQ(dialogs().shown().size(), 2u);
}

TEST_F(FieldEntryTest, CityOfAZipMissingFromTheTableMakesItsEntry) {
    // The record's zip is not in the table and the zip box was never left: the city box
    // adds the zip instead of comparing with whatever entry was found before.
    zips({Z("12345", "TX", "05", "Dover", 2)});
    app.mainWindow.ZipHitIndex = 1;
    type("City", QStringLiteral("Austin"));
    leave("City");
    EXPECT_EQ(app.crusade.ZipCount, 2);
    EXPECT_EQ(app.crusade.ZipTable[1], Z("12345", "TX", "05", "Dover", 2));
    EXPECT_EQ(app.crusade.ZipTable[2], Z("62701", "IL", "00", "Austin", 1));
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(FieldEntryTest, FullZipTableRefusesANewZip) {
    QList<QByteArray> full;
    for (int i = 1; i <= kMaxZips; ++i) full << Z(qPrintable(ZeroPad(i, 5)), "IL", "00", "Town", 1);
    zips(full);
    type("Zip", QStringLiteral("99999"));
    leave("Zip");
    ASSERT_EQ(dialogs().messages().size(), 1);
    EXPECT_TRUE(dialogs().messages()[0].startsWith(QStringLiteral("The zip code table is full")));
    leave("City");
    EXPECT_EQ(app.crusade.ZipCount, kMaxZips);
    EXPECT_EQ(app.crusade.ZipTable.size(), kZipSlots);
    EXPECT_EQ(dialogs().shown().size(), 1u);
}

TEST_F(FieldEntryTest, CanadianQuestionComesOncePerRun) {
    app.program.AskCanada = true;
    type("Zip", QStringLiteral("k1a0b1"));
    dialogs().answer(AnsNo);
    leave("Zip");
    EXPECT_EQ(text("Zip"), QStringLiteral("K1A 0B1"));
    EXPECT_EQ(dialogs().last().title, QStringLiteral("Select Canadian Zip Code Sorter"));
    EXPECT_FALSE(app.settings.CanadianZip);
    type("Zip", QStringLiteral("h0h0h0"));
    leave("Zip");
    type("Zip", QStringLiteral("12345"));
    leave("Zip");
    EXPECT_EQ(dialogs().shown().size(), 1u);

    app.program.AskCanada = true;
    dialogs().answer(AnsYes);
    type("Zip", QStringLiteral("nozip"));
    leave("Zip");
    EXPECT_EQ(text("Zip"), QStringLiteral("NoZip"));
    EXPECT_TRUE(app.settings.CanadianZip);
    EXPECT_FALSE(app.program.AskCanada);
}

// --- Registration number, team, categories ----------------------------------------------------

TEST_F(FieldEntryTest, RegistrationNumberChecks) {
    struct Case {
        bool addMode;
        const char* typed;
        const char* box;  // the box afterwards
        bool refused;     // the letters message
        bool duplicate;   // the duplicate message
    };
    const Case cases[] = {
        {false, "0007", "0007", false, false},  // unchanged since it got the focus
        {false, "12", "0007", false, true},     // Smith has 0012
        {false, "42", "0042", false, false},   {false, "-5", "0007", true, false},
        {false, "1.5", "0007", true, false},   {false, "1e3", "0007", true, false},
        {false, "12345", "0007", true, false}, {false, "12a", "0007", true, false},
        {true, "20", "", false, true},         {true, "", "0101", false, false},
    };
    for (const Case& c : cases) {
        app.crusade.AddMode = c.addMode;
        IndexAlpha(app);
        MoveToRecord(app, 0);
        RNum_GotFocus(app, s);
        dialogs().clear();
        type("RNum", QLatin1String(c.typed));
        s.setFocus(QStringLiteral("FName"));
        RNum_LostFocus(app, s);
        EXPECT_EQ(text("RNum"), QLatin1String(c.box)) << c.typed;
        const bool back = c.refused || c.duplicate;
        EXPECT_EQ(s.focused(), back ? QStringLiteral("RNum") : QStringLiteral("FName")) << c.typed;
        ASSERT_EQ(dialogs().shown().size(), back ? 1u : 0u) << c.typed;
        if (c.refused) {
            EXPECT_EQ(dialogs().last().text, "You entered << " + QLatin1String(c.typed) + kRefusedNumber);
        }
        if (!c.addMode) {
            EXPECT_EQ(app.view.ReportIndex[1].left(4), Ansi(text("RNum"))) << c.typed;
        }
    }
    EXPECT_EQ(app.settings.ReservedNumber, 101);

    MoveToRecord(app, 0);
    app.msg.MsgText = QStringLiteral("StopImport");
    type("RNum", QStringLiteral("x"));
    RNum_LostFocus(app, s);
    EXPECT_EQ(text("RNum"), QStringLiteral("x"));
    EXPECT_TRUE(app.msg.MsgText.isEmpty());
}

TEST_F(FieldEntryTest, TeamAndInterestLevel) {
    type("WorkerCode", QStringLiteral("7"));
    WorkerCode_LostFocus(app, s);
    EXPECT_EQ(text("WorkerCode"), QStringLiteral("07"));
    for (const char* bad : {"41", "3a", "##"}) {
        type("WorkerCode", QLatin1String(bad));
        WorkerCode_LostFocus(app, s);
        EXPECT_EQ(text("WorkerCode"), QStringLiteral("03")) << bad;
        EXPECT_EQ(s.focused(), QStringLiteral("WorkerCode"));
    }
    ASSERT_EQ(dialogs().messages().size(), 3);

    app.crusade.CurRecord.IntLevel = "C";
    type("IntLevel", QStringLiteral("b"));
    IntLevel_Change(app, s);
    EXPECT_EQ(text("IntLevel"), QStringLiteral("B"));
    type("IntLevel", QStringLiteral("h"));
    IntLevel_Change(app, s);
    EXPECT_EQ(text("IntLevel"), QStringLiteral("C"));
    EXPECT_EQ(dialogs().last().title, QStringLiteral("Incorret Interest Level"));
}

TEST_F(FieldEntryTest, ChurchBoxCompletesFromItsList) {
    s.setItems(QStringLiteral("RelPref"), {"Catholic", "Baptist", "Bible Church"});
    EXPECT_TRUE(FieldKeyDown(app, s, QStringLiteral("RelPref"), vk::Delete, 0));
    EXPECT_EQ(text("RelPref"), QString());
    EXPECT_FALSE(FieldKeyDown(app, s, QStringLiteral("RelPref"), 'B', 0));
    EXPECT_TRUE(FieldKeyPress(app, s, QStringLiteral("RelPref"), u'b'));
    EXPECT_EQ(text("RelPref"), QStringLiteral("Baptist"));
    EXPECT_EQ(s.get(QStringLiteral("RelPref")).selStart, 1);
    EXPECT_EQ(s.get(QStringLiteral("RelPref")).selLength, 6);
    FieldKeyDown(app, s, QStringLiteral("RelPref"), 'I', 0);
    FieldKeyPress(app, s, QStringLiteral("RelPref"), u'i');
    EXPECT_EQ(text("RelPref"), QStringLiteral("Bible Church"));
    FieldKeyDown(app, s, QStringLiteral("RelPref"), 'X', 0);
    FieldKeyPress(app, s, QStringLiteral("RelPref"), u'x');
    EXPECT_EQ(text("RelPref"), QStringLiteral("Bible Church"));

    type("RelPref", QStringLiteral("assembly of god"));
    leave("RelPref");
    EXPECT_EQ(text("RelPref"), QStringLiteral("Pentecostal"));
    EXPECT_EQ(s.focused(), QStringLiteral("Age"));
}

TEST_F(FieldEntryTest, AgeMailListAndEmail) {
    EXPECT_FALSE(FieldKeyPress(app, s, QStringLiteral("Age"), u'3'));
    EXPECT_EQ(s.focused(), QStringLiteral("MapCode"));
    app.crusade.AddMode = true;
    FieldKeyPress(app, s, QStringLiteral("Age"), u'3');
    EXPECT_EQ(s.focused(), QStringLiteral("RelPref"));
    type("Age", QStringLiteral("3"));
    leave("Age");
    EXPECT_EQ(text("Age"), QStringLiteral("30-39"));
    type("Age", QStringLiteral("x"));
    leave("Age");
    EXPECT_EQ(text("Age"), QString());
    EXPECT_EQ(s.focused(), QStringLiteral("Age"));
    EXPECT_EQ(dialogs().messages(), QStringList{"You must enter a number between 1 and 7.  Try again"});

    s.setValue(QStringLiteral("MailList"), 1);
    leave("MailList");
    EXPECT_EQ(s.value(QStringLiteral("MailList")), 1);
    type("Address", QStringLiteral("Address Unknown"));
    leave("MailList");
    EXPECT_EQ(s.value(QStringLiteral("MailList")), 0);

    type("txtEmail", QStringLiteral("mary at example.com"));
    leave("txtEmail");
    EXPECT_EQ(text("txtEmail"), QStringLiteral("mary@example.com"));
}

// --- Dates, decisions, visits, advertising, notes ------------------------------------------------

TEST_F(FieldEntryTest, BaptismDateKeys) {
    type("BaptDate", QStringLiteral("12/31/09"));
    EXPECT_TRUE(key("BaptDate", vk::Plus));
    EXPECT_EQ(text("BaptDate"), QStringLiteral("01/01/10"));
    EXPECT_TRUE(app.msg.MsgText.isEmpty());
    EXPECT_TRUE(key("BaptDate", vk::Minus));
    EXPECT_EQ(text("BaptDate"), QStringLiteral("12/31/09"));
    // Without a valid date the stepping keys do nothing: they are taken, not typed.
    for (const char* bad : {"", "5", "13/45/09"}) {
        for (int code : {vk::Plus, 43, vk::Minus}) {
            type("BaptDate", QLatin1String(bad));
            EXPECT_TRUE(key("BaptDate", code)) << bad << " " << code;
            EXPECT_EQ(text("BaptDate"), QLatin1String(bad));
        }
    }
    EXPECT_TRUE(app.msg.MsgText.isEmpty());
    EXPECT_TRUE(key("BaptDate", 'P'));
    EXPECT_EQ(text("BaptDate"), QStringLiteral("05/23/09"));
    EXPECT_EQ(text("IntLevel"), QStringLiteral("A"));
    type("BaptDate", QStringLiteral("5/3/09"));
    leave("BaptDate");
    EXPECT_EQ(text("BaptDate"), QStringLiteral("05/03/09"));

    dialogs().answer(AnsYes);
    BaptDate_DblClick(app, s);
    EXPECT_EQ(text("BaptDate"), QStringLiteral("03/09/26"));
    EXPECT_EQ(text("IntLevel"), QStringLiteral("G"));
    EXPECT_EQ(s.value(QStringLiteral("Baptized")), 1);
}

TEST_F(FieldEntryTest, BaptizedAndDecisionNine) {
    type("BaptDate", QString());
    s.setValue(QStringLiteral("Baptized"), 1);
    Baptized_Click(app, s);
    EXPECT_EQ(text("IntLevel"), QStringLiteral("G"));
    EXPECT_EQ(text("BaptDate"), QStringLiteral("03/09/26"));
    s.setValue(QStringLiteral("Baptized"), 0);
    Baptized_Click(app, s);
    EXPECT_EQ(text("IntLevel"), QString());
    EXPECT_EQ(s.focused(), QStringLiteral("IntLevel"));

    app.settings.DecisionCodes[9] = QStringLiteral("U");
    for (const char* level : {"C", "A", "G"}) {
        type("IntLevel", QLatin1String(level));
        s.setValue(QStringLiteral("Dec(8)"), 1);
        Dec_MouseUp(app, s, 8);
        EXPECT_EQ(text("IntLevel"), QLatin1String(level[0] == 'C' ? "B" : level));
    }
    EXPECT_EQ(app.crusade.CurRecord.Decisions.at(9), 'U');
    s.setValue(QStringLiteral("Dec(8)"), 0);
    Dec_MouseUp(app, s, 8);
    EXPECT_EQ(app.crusade.CurRecord.Decisions.at(9), '-');
    EXPECT_TRUE(dialogs().last().text.startsWith(QStringLiteral("You have removed the Decision")));
}

TEST_F(FieldEntryTest, VisitKeysAndFrame) {
    type("Visits", QStringLiteral("h03"));
    dialogs().type(QStringLiteral("7"));
    EXPECT_TRUE(key("Visits", 'H'));
    EXPECT_EQ(text("Visits"), QStringLiteral("h03h07"));
    dialogs().answer(AnsOK);
    EXPECT_TRUE(key("Visits", '5'));
    EXPECT_EQ(dialogs().last().title, QStringLiteral("Enter Visitation Code"));
    EXPECT_EQ(dialogs().last().buttons, Buttons::OKCancel);
    EXPECT_FALSE(key("Visits", vk::Back));

    s.setFocus(QStringLiteral("BaptDate"));
    leave("Visits");
    EXPECT_EQ(s.focused(), QStringLiteral("BaptDate"));
    s.setFocus(QStringLiteral("Notes"));
    leave("Visits");
    EXPECT_EQ(s.focused(), QStringLiteral("SearchBox"));

    type("boxVisitVisits", QStringLiteral("H5"));
    leave("boxVisitVisits");
    EXPECT_EQ(text("boxVisitVisits"), QStringLiteral("h05"));
    type("boxVisitVisits", QStringLiteral("h123"));
    leave("boxVisitVisits");
    EXPECT_EQ(text("boxVisitVisits"), QString());
    EXPECT_EQ(clunks(), 1);
}

TEST_F(FieldEntryTest, AdvertisingQuestion) {
    type("Attendance", QStringLiteral("1-------"));
    dialogs().type(QStringLiteral("I")).type(QStringLiteral("Throckmortonson")).type(QStringLiteral("Smith"));
    FieldGotFocus(app, s, QStringLiteral("Advertising"));
    EXPECT_EQ(text("Advertising"), QStringLiteral("....P.I-Smith"));
    EXPECT_EQ(s.focused(), QStringLiteral("WorkerCode"));
    EXPECT_EQ(dialogs().messages(), QStringList{QStringLiteral("The Persons name is too long.") + NewLine +
                                                QStringLiteral("Retype it with less than 13 Characters")});

    dialogs().type(QStringLiteral("mt"));
    FieldGotFocus(app, s, QStringLiteral("Advertising"));
    EXPECT_EQ(text("Advertising"), QStringLiteral(".M.TP.I-Smith"));
    dialogs().type(QStringLiteral("i"));
    FieldGotFocus(app, s, QStringLiteral("Advertising"));
    EXPECT_EQ(text("Advertising"), QStringLiteral(".M.T..."));
    type("Advertising", QString());
    dialogs().type(QString());
    FieldGotFocus(app, s, QStringLiteral("Advertising"));
    EXPECT_EQ(text("Advertising"), QStringLiteral("......."));
}

TEST_F(FieldEntryTest, NotesLimitsAndCaution) {
    type("Notes", QString(140, u'x'));
    EXPECT_FALSE(key("Notes", 'A'));
    EXPECT_TRUE(key("Notes", vk::Comma));
    EXPECT_TRUE(key("Notes", vk::Enter));
    type("Notes", QString(155, u'x'));
    EXPECT_FALSE(key("Notes", 'A'));
    EXPECT_EQ(text("Notes").size(), 150);
    EXPECT_EQ(dialogs().messages().size(), 6);
    EXPECT_EQ(s.focused(), QString());

    app.mainWindow.NotesCautionPending = true;
    Notes_MouseDown(app);
    Notes_MouseDown(app);
    ASSERT_EQ(dialogs().shown().size(), 7u);
    EXPECT_EQ(dialogs().last().title, QStringLiteral("Note Box Caution!"));
}

TEST_F(FieldEntryTest, MeetingNumberBox) {
    app.crusade.AddMode = true;
    type("MtgNum", QStringLiteral("14"));
    leave("MtgNum");
    EXPECT_EQ(app.settings.LastMeeting, 14);
    EXPECT_EQ(text("Attendance"), QString(13, u'-') + u'4' + QString(26, u'-'));
    EXPECT_EQ(text("Last"), QStringLiteral("14"));
    for (const char* bad : {"0", "41", "x"}) {
        type("MtgNum", QLatin1String(bad));
        leave("MtgNum");
    }
    EXPECT_EQ(dialogs().messages().size(), 3);
    EXPECT_EQ(app.settings.LastMeeting, 14);
    EXPECT_TRUE(FieldKeyPress(app, s, QStringLiteral("MtgNum"), QChar(vk::Enter)));
    EXPECT_EQ(s.focused(), QStringLiteral("RNum"));
}

TEST_F(FieldEntryTest, PrayerListAndSubsystemHooks) {
    app.program.DataFile = QStringLiteral("/data/spring.dta");
    // No journal yet; a journal the desktop has no program for; a journal opened.
    const struct {
        int result;
        QStringList messages;
    } opens[] = {
        {kShellFileNotFound, {"There are no Prayer Requests to view."}},
        {kShellNoAssociation,
         {"Could not open /data/spring_prayer.txt.\r\nNo program to show text files was found on this computer."}},
        {kShellOk, {}},
    };
    for (const auto& o : opens) {
        SCOPED_TRACE(o.result);
        dialogs().clear();
        fx.t.shell.result = o.result;
        mnuViewPrayerList_Click(app);
        EXPECT_EQ(fx.t.shell.opened.last(), QStringLiteral("/data/spring_prayer.txt"));
        EXPECT_EQ(dialogs().messages(), o.messages);
    }

    int appointments = 0;
    Class_MouseUp(app);
    app.hooks.showAppointment = [&] { ++appointments; };
    Class_MouseUp(app);
    EXPECT_EQ(appointments, 1);
    Attendance_Click(app, s);
    EXPECT_EQ(s.focused(), QStringLiteral("SearchBox"));
    EXPECT_EQ(app.program.ScreenMode, QStringLiteral("edit"));
}

}  // namespace
