// The views by person attributes and the decision view.

#include "FixturePeople.h"
#include "views/Indexes.h"
#include "views/PersonViews.h"

#include <QSet>

namespace fennick::test {
namespace {

void ChurchNames(App& app) {
    app.settings.ReligionNames[1] = QStringLiteral("Baptist");
    app.settings.ReligionNames[2] = QStringLiteral("Catholic");
}
void SabbathOnNight4(App& app) {
    app.settings.SermonTitles[2] = QStringLiteral("Keeping the sabbath");  // not "Sabbath"
    app.settings.SermonTitles[4] = QStringLiteral("The Sabbath Rest");
    app.settings.SermonTitles[7] = QStringLiteral("Sabbath Again");
}

// A builder with the settings it needs: church names, a grouping or a Sabbath night.
std::function<void(ViewFixture&)> With(void (*build)(App&), void (*setup)(App&) = nullptr) {
    return [build, setup](ViewFixture& f) {
        if (setup) setup(f.app);
        build(f.app);
    };
}
std::function<void(ViewFixture&)> With(void (*build)(App&, const QString&), const char* argument,
                                       void (*setup)(App&) = nullptr) {
    return [build, argument, setup](ViewFixture& f) {
        if (setup) setup(f.app);
        build(f.app, QString::fromLatin1(argument));
    };
}

// Builders that set their kind only after sorting.
const QSet<QString> kKindAfterSort = {"interest",    "interest_with_F", "interest_by_team",
                                      "no_interest", "pre_meeting",     "advertising",
                                      "baptism",     "baptism_by_team", "marked"};

class PersonBuilders : public ::testing::TestWithParam<BuilderRow> {};

TEST_P(PersonBuilders, Entries) {
    CheckBuilderRow(GetParam());
}
TEST_P(PersonBuilders, PrevReportKind) {
    EXPECT_EQ(ObservedPrevRule(GetParam().build), GetParam().rule);
}
TEST_P(PersonBuilders, SortUnderByNum) {
    CheckSortUnderByNum(GetParam().build, kKindAfterSort.contains(QString::fromLatin1(GetParam().name)));
}

QByteArray R(const char* rnum, const char* church) {
    return E(rnum, Pad(church, 20), NameForm::First3);
}
QByteArray L(const char* rnum, const char* before) {
    return E(rnum, before, NameForm::FirstUpper3);
}
QByteArray N(const char* rnum) {
    return E(rnum, {}, NameForm::First3);
}
QByteArray Map(const char* rnum, const char* latest, const char* team, const char* map) {
    return E(rnum, QByteArray(latest) + team + Pad(map, 8) + latest, NameForm::First3);
}
QByteArray Adv(const char* flag, const char* rnum, const char* last, const char* first, int record) {
    return Entry(rnum, {flag, Pad(last, 20), first}, record);
}

const QList<QByteArray> kInterestAtoC = {L("0110", "A"), L("0109", "A"), L("0113", "A"), L("0117", "A"), L("0119", "A"),
                                         L("0101", "A"), L("0112", "B"), L("0102", "B"), L("0115", "B"), L("0120", "B"),
                                         L("0114", "C"), L("0103", "C"), L("0121", "C")};
const QByteArray kOrtiz = Adv(" ", "0117", "Ortiz", "RAY", 17);

INSTANTIATE_TEST_SUITE_P(
    Fixture, PersonBuilders,
    ::testing::Values(
        // Sue Green's notes are blanks only.
        BuilderRow{"notes", With(IndexNotes), "notes", 31, PrevRule::R, {N("0101")}},
        // Every name after the cut-off, by the church text as stored (" SDA " first).
        BuilderRow{"religion_all",
                   With(IndexReligion, ""),
                   "religion",
                   51,
                   PrevRule::R,
                   {R("0114", " SDA "), R("0110", "Baptist"), R("0112", "Baptist"), R("0113", "Baptist"),
                    R("0102", "Baptist"), R("0103", "Baptist"), R("0116", "Baptist"), R("0115", "Baptist"),
                    R("0118", "Baptist"), R("0119", "Baptist"), R("0101", "Baptist"), R("0121", "Baptist"),
                    R("0105", "Catholic"), R("0111", "SDA")}},
        BuilderRow{"religion_catholic",
                   With(IndexReligion, "Catholic", ChurchNames),
                   "religion",
                   51,
                   PrevRule::R,
                   {R("0105", "Catholic")}},
        // "SDA" is not among the church names, so both spellings count as "Other".
        BuilderRow{"religion_other",
                   With(IndexReligion, "Other", ChurchNames),
                   "religion",
                   51,
                   PrevRule::R,
                   {R("0114", " SDA "), R("0111", "SDA")}},
        BuilderRow{"religion_unlisted", With(IndexReligion, "SDA", ChurchNames), "religion", 51, PrevRule::R, {}},
        BuilderRow{"church_members",
                   With(IndexChurchMembers),
                   "religion",
                   51,
                   PrevRule::None,
                   {R("0114", " SDA "), R("0111", "SDA")}},
        // Night 4 attended and no visit code of night 4 or later (Tim Brown visited on 6, Sam Green on 10).
        BuilderRow{"needsabvis",
                   With(IndexNeedSabbathVisit, SabbathOnNight4),
                   "needsabvis",
                   31,
                   PrevRule::None,
                   {N("0111"), N("0102"), N("0103"), N("0115"), N("0118"), N("0101"), N("0121")}},
        BuilderRow{"needsabvis_no_sabbath", With(IndexNeedSabbathVisit), "needsabvis", 31, PrevRule::None, {}},
        BuilderRow{"age",
                   With(IndexAge),
                   "age",
                   41,
                   PrevRule::None,
                   {E("0118", Pad("18-29", 10), NameForm::First3), E("0110", Pad("30-39", 10), NameForm::First3),
                    E("0112", Pad("30-39", 10), NameForm::First3), E("0111", Pad("30-39", 10), NameForm::First3),
                    E("0114", Pad("30-39", 10), NameForm::First3), E("0113", Pad("30-39", 10), NameForm::First3),
                    E("0102", Pad("30-39", 10), NameForm::First3), E("0103", Pad("30-39", 10), NameForm::First3),
                    E("0116", Pad("30-39", 10), NameForm::First3), E("0115", Pad("30-39", 10), NameForm::First3),
                    E("0119", Pad("30-39", 10), NameForm::First3), E("0101", Pad("30-39", 10), NameForm::First3),
                    E("0121", Pad("30-39", 10), NameForm::First3), E("0105", Pad("30-39", 10), NameForm::First3)}},
        BuilderRow{"interest", With(IndexInterest, ""), "interest", 32, PrevRule::R,
                   kInterestAtoC + QList<QByteArray>{L("0105", "G")}},
        BuilderRow{"interest_with_F", With(IndexInterest, "", [](App& app) { app.view.IncludeF = true; }), "interest",
                   32, PrevRule::R, kInterestAtoC + QList<QByteArray>{L("0116", "F"), L("0105", "G")}},
        BuilderRow{"interest_by_team",
                   With(IndexInterest, "TC"),
                   "interest",
                   34,
                   PrevRule::R,
                   {L("0117", "00A"), L("0120", "00B"), L("0101", "03A"), L("0112", "03B"), L("0102", "03B"),
                    L("0115", "05B"), L("0119", "07A"), L("0103", "07C"), L("0105", "07G"), L("0110", "12A"),
                    L("0109", "12A"), L("0121", "12C"), L("0113", "40A"), L("0114", "40C")}},
        // Level blank or E and seen after night 8: Eve Price only (ana de la Cruz last came on night 1).
        BuilderRow{"no_interest", With(IndexNoInterest), "NoAssignedInterest", 32, PrevRule::R, {L("0118", "E")}},
        BuilderRow{"pre_meeting", With(IndexPreMeeting), "PreCrusade", 31, PrevRule::R, {L("0104", "")}},
        // Ray Ortiz's flags are all blanks (seven entries); Kim Ng has N, M, T and I.
        BuilderRow{"advertising",
                   With(IndexAdvertising),
                   "Advertising",
                   32,
                   PrevRule::R,
                   {kOrtiz, kOrtiz, kOrtiz, kOrtiz, kOrtiz, kOrtiz, kOrtiz, Adv("I", "0116", "Ng", "KIM", 16),
                    Adv("M", "0116", "Ng", "KIM", 16), Adv("N", "0102", "Johnson", "MAR", 2),
                    Adv("N", "0116", "Ng", "KIM", 16), Adv("P", "0104", "de la Cruz", "ANA", 4),
                    Adv("T", "0116", "Ng", "KIM", 16)}},
        BuilderRow{"map",
                   With(IndexMapCode),
                   "map",
                   47,
                   PrevRule::None,
                   {Map("0101", "987", "03", "M1"), Map("0119", "987", "07", ""), Map("0105", "987", "07", ""),
                    Map("0113", "987", "40", "M2"), Map("0112", "988", "03", ""), Map("0114", "988", "40", ""),
                    Map("0111", "989", "03", ""), Map("0121", "989", "12", ""), Map("0118", "990", "07", ""),
                    Map("0116", "991", "05", ""), Map("0103", "993", "07", ""), Map("0102", "994", "03", ""),
                    Map("0115", "995", "05", ""), Map("0110", "995", "12", "")}},
        BuilderRow{"baptism", With(IndexBaptisms, ""), "baptism", 31, PrevRule::P, {L("0105", "")}},
        BuilderRow{"baptism_by_team", With(IndexBaptisms, "TC"), "baptism", 33, PrevRule::P, {L("0105", "07")}},
        // Marked by the check box (1) and by mark-all (-1); the marked deleted record is left out.
        BuilderRow{"marked", With(IndexMarked), "marked", 31, PrevRule::R, {L("0110", ""), L("0109", "")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PersonViews, ScratchVarLeftByTheBuilders) {
    struct Case {
        std::function<void(ViewFixture&)> build;
        const char* scratch;
    };
    const Case cases[] = {
        {With(IndexReligion, "Catholic"), "15"}, {With(IndexInterest, "TC"), "12"},  // Ed van Dyke's team: the last
                                                                                     // entry made
        {With(IndexInterest, ""), ""},           {With(IndexBaptisms, "TC"), "07"}, {With(IndexMapCode), "989"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.app.msg.ScratchVar = QStringLiteral("x");
        c.build(f);
        EXPECT_EQ(f.app.msg.ScratchVar, QString::fromLatin1(c.scratch));
    }
}

TEST(PersonViews, ReligionOtherIncludesABlankChurch) {
    QList<AttendeeRecord> records = FixtureRecords();
    records.append(Rec("0122", "Al", "Blank").nights("1111").religion(""));
    ViewFixture f(records);
    ChurchNames(f.app);
    f.app.settings.ReligionNames[3] = QStringLiteral("SDA");
    IndexReligion(f.app, QStringLiteral("Other"));
    EXPECT_EQ(Strings(f.rnums()), Strings({"0122"}));
}

TEST(NeedSabbathVisit, VisitCodes) {
    struct Case {
        const char* visits;
        bool listed;
    };
    const Case cases[] = {
        {"", true},               // no visit
        {"A03", true},            // before the Sabbath night
        {"A04", false},           // on the night itself
        {"H01H02A11", false},     // the third code
        {"H01H02H03A05", false},  // the fourth code, the newest
        {"H01H02H03", true},
    };
    for (const Case& c : cases) {
        ViewFixture f({Rec("0001", "Al", "Able").nights("1111").visits(c.visits)});
        SabbathOnNight4(f.app);
        IndexNeedSabbathVisit(f.app);
        EXPECT_EQ(f.app.view.ReportCount, c.listed ? 1 : 0) << c.visits;
    }
}

// Records for the decision view: decision 2 has the code letter "B", decision 9 none.
QList<AttendeeRecord> DecisionRecords() {
    return {
        Rec("0201", "Ann", "Alpha").nights("1111").level("A").decisions("-X-------"),
        Rec("0202", "Ben", "Beta").nights("11B1").level("C"),                          // the code letter
        Rec("0203", "Cat", "Gamma").nights("1111").level("D").decisions("-X-------"),  // level D
        Rec("0204", "Dan", "Delta").nights("11").level("A").decisions("-X-------"),    // before the cut-off
        Rec("0205", "Eve", "Eps").nights("1111").level("A").decisions("- -------"),    // a blank counts
        Rec("0206", "Fay", "Zeta").nights("1111").level("A"),
        Rec("0207", "Gus", "Eta").nights("1111").level("B").decisions("--------X"),
        Rec("0208", "Hal", "Theta").nights("11111").level("A").decisions("--------X"),
    };
}

// The picker answers OK with decision d, or Cancel when d is 0; it records the decision offered.
void ScriptPicker(App& app, int d, QList<int>& offered) {
    app.hooks.showDecisionPicker = [&app, &offered, d](int offer) {
        offered.append(offer);
        if (d == 0) return false;
        app.view.ReportKind = QStringLiteral("decision %1").arg(d);
        return true;
    };
}

TEST(DecisionView, DecisionFromTheCurrentKind) {
    struct Case {
        const char* kind;
        const char* code;  // the code letter of decisions 2 and 3
        const char* built;
        QList<QByteArray> rnums;
    };
    const Case cases[] = {
        {"decisions2", "B", "decisions2", {"0201", "0202", "0205"}},
        {"decision 2", "B", "decisions2", {"0201", "0202", "0205"}},
        {"decisions2", "", "decisions2", {"0201", "0205"}},  // no code letter: no match through attendance
        {"decisions2", " ", "decisions2", {"0201", "0205"}},
        {"decisions3", "1", "decisions3", {"0201", "0202", "0205", "0207", "0208", "0206"}},
    };
    for (const Case& c : cases) {
        ViewFixture f(DecisionRecords());
        f.app.settings.DecisionCodes[2] = QString::fromLatin1(c.code);
        f.app.settings.DecisionCodes[3] = QString::fromLatin1(c.code);
        f.app.view.ReportKind = QString::fromLatin1(c.kind);
        f.app.view.PrevReportKind = QStringLiteral("zip");
        EXPECT_TRUE(IndexDecisions(f.app, false));
        ASSERT_EQ(Strings(f.rnums()), Strings(c.rnums)) << c.kind << " '" << c.code << "'";
        EXPECT_EQ(f.app.view.ReportKind, QString::fromLatin1(c.built));
        EXPECT_EQ(f.app.view.PrevReportKind, QStringLiteral("zip"));
        EXPECT_EQ(f.entries().front(), Entry("0201", {Pad("ALPHA", 20), "ANN"}, 1));
        EXPECT_TRUE(f.t.dialogs.shown().empty());
    }
}

TEST(DecisionView, PickerAndArrangement) {
    struct Case {
        const char* kind;  // ReportKind before
        int pick;          // 0: Cancel
        int arrange;       // the answer to the arrangement question; 0: not asked
        bool built;
        int offered;
        const char* kindAfter;
        QList<QByteArray> rnums;
        int keyLength;
    };
    const Case cases[] = {
        {"decisions2", 9, AnsNo, true, 2, "decisions9", {"0207", "0208"}, 31},
        {"alpha", 9, AnsYes, true, 0, "decisions9", {"0208", "0207"}, 32},  // level A before level B
        {"alpha", 2, 0, true, 0, "decisions2", {"0201", "0202", "0205"}, 31},
        {"decisions2", 0, 0, false, 2, "decisions2", {"0201", "0202", "0205"}, 31},  // cancelled: view kept
        {"attendnight 3", 0, 0, false, 0, "attendnight 3", {"0201", "0202", "0205"}, 31},
    };
    for (const Case& c : cases) {
        ViewFixture f(DecisionRecords());
        App& app = f.app;
        app.settings.DecisionCodes[2] = QStringLiteral("B");
        app.view.ReportKind = QStringLiteral("decisions2");
        ASSERT_TRUE(IndexDecisions(app, false));  // the view on screen before the command
        app.view.ReportKind = QString::fromLatin1(c.kind);
        QList<int> offered;
        ScriptPicker(app, c.pick, offered);
        if (c.arrange) f.t.dialogs.answer(c.arrange);

        EXPECT_EQ(IndexDecisions(app, true), c.built) << c.kind << " " << c.pick;
        EXPECT_EQ(offered, QList<int>{c.offered});
        EXPECT_EQ(app.view.ReportKind, QString::fromLatin1(c.kindAfter));
        ASSERT_EQ(Strings(f.rnums()), Strings(c.rnums)) << c.kind << " " << c.pick;
        EXPECT_EQ(f.entries().front().size(), c.keyLength);
        ASSERT_EQ(f.t.dialogs.shown().size(), c.arrange ? 1u : 0u);
        if (c.arrange) {
            const auto& q = f.t.dialogs.last();
            EXPECT_EQ(q.text, QStringLiteral("Do you want to arrange these decisions by Interest Level?"));
            EXPECT_EQ(q.title, QStringLiteral("Arrange Decisions by Interest Level or Alphabetical"));
            EXPECT_EQ(q.buttons, Buttons::YesNo);
            EXPECT_EQ(app.msg.MsgAnswer, QString::number(c.arrange));
        }
    }
}

TEST(DecisionView, NothingToBuild) {
    struct Case {
        const char* kind;
        bool ask;
        bool hook;
    };
    // A kind that names no decision, decision 0, and a picker that does not exist.
    for (const Case c : {Case{"attendnight 3", false, false}, Case{"decisions0", false, false},
                         Case{"decision", false, false}, Case{"decisions2", true, false}}) {
        ViewFixture f(DecisionRecords());
        IndexAlpha(f.app);
        const QList<QByteArray> before = f.entries();
        f.app.view.ReportKind = QString::fromLatin1(c.kind);
        EXPECT_FALSE(IndexDecisions(f.app, c.ask)) << c.kind;
        EXPECT_EQ(f.app.view.ReportKind, QString::fromLatin1(c.kind));
        EXPECT_EQ(f.entries(), before);
        EXPECT_TRUE(f.t.dialogs.shown().empty());
    }
}

TEST(DecisionView, Decision9AsksWithoutThePicker) {
    ViewFixture f(DecisionRecords());
    f.app.view.ReportKind = QStringLiteral("decisions9");
    f.t.dialogs.answer(AnsYes);
    EXPECT_TRUE(IndexDecisions(f.app, false));
    EXPECT_EQ(Strings(f.rnums()), Strings({"0208", "0207"}));
    EXPECT_EQ(f.t.dialogs.shown().size(), 1u);
}

}  // namespace
}  // namespace fennick::test
