// Interest cards on the recording printer: the golden document of three sheets, the marks
// written to the data file only for the cards delivered, the sheets chosen, and the kept
// views narrowed by their questions.

#include "ReportFixture.h"
#include "data/Errors.h"
#include "printing/InterestCards.h"
#include "views/AttendanceViews.h"
#include "views/VisitationViews.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

// 22 further people and one with every odd item: no age ("NIF"), map code "none", a level
// of B and notes of the full 150 characters.
QList<AttendeeRecord> CardPeople(int n) {
    QList<AttendeeRecord> out = MorePeople(n - 1);
    QByteArray notes = "Prays for her son in the Navy; asked for a Bible study on Daniel and Revelation; ";
    notes += "visit after five, the dog is friendly; her sister Ann came to night 3 as well.";
    out.append(Rec("0300", "Nell", "Oakes").nights("111111111111").team("05").level("B").age("NIF").map("none")
                   .visits("H03P05").notes(notes.left(150).constData()));
    return out;
}

class CardFixture : public ReportFixture {
public:
    explicit CardFixture(int n) : ReportFixture(CardPeople(n)) {}
    // The card run from the main window's view: the interest-card view with no limits,
    // the printer dialog, then the confirmation.
    void run(std::optional<PrinterChoice> printer = PrinterChoice(), int confirm = AnsYes) {
        t.dialogs.answer(AnsNo).answer(AnsNo).print(printer);
        if (printer) t.dialogs.answer(confirm);
        InterestCard2x4(app);
    }
    // Registration numbers of the records whose card is marked printed.
    QList<QByteArray> marked() {
        QList<QByteArray> out;
        for (const AttendeeRecord& r : ReadAllRecords(app))
            if (r.CardPrinted == -1) out << r.RNum.bytes();
        return out;
    }
};

QString MessagesAndDocuments(const ReportFixture& f) {
    return f.t.dialogs.messages().join(QStringLiteral("\n--\n")).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
           QStringLiteral("\n==\n") + f.dump();
}

TEST(InterestCards, GoldenSheetsMarkedAndASecondRunFindsNoNewNames) {
    CardFixture f(23);
    f.app.program.LabelOffsetDown = -3;
    f.app.program.LabelOffsetRight = 5;
    f.run();
    EXPECT_TRUE(MatchesGolden(MessagesAndDocuments(f), Golden("interest_cards_23")));
    EXPECT_EQ(f.marked().size(), 23);
    EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alpha"));

    f.t.dialogs.clear();
    f.t.dialogs.answer(AnsNo).answer(AnsNo);
    InterestCard2x4(f.app);
    EXPECT_EQ(f.t.dialogs.messages().last(), QStringLiteral("There are no new labels to print"));
    EXPECT_EQ(f.documents(), 1);
    EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_FALSE(f.t.dialogs.pending());
}

// Names as wide as their line beside a short one with notes: a first name filling its field
// before a short last name and its blanks, a long name, one cut. Every team and number keeps
// its place and width.
TEST(InterestCards, FullWidthNamesLeaveTheNumberItsPlace) {
    const QByteArray notes = "Asked for the Bible study on Daniel and Revelation after the meeting of Sunday night; "
                             "visit after five, the dog is friendly; her sister came on night 3.";
    ReportFixture f({Rec("1005", "Alexandria-Josephine", "Li").team("08").nights("1111"),
                     Rec("1006", "Al", "Bo").team("08").nights("1111").notes(notes.constData()),
                     Rec("1007", "Maximilian", "Worthington-Smythe").team("08").nights("1111"),
                     Rec("1008", "Christopher-Michael", "Montgomery-Whitfield").team("08").nights("1111")});
    f.t.dialogs.answer(AnsNo).answer(AnsNo);
    f.choosePrinter();
    f.t.dialogs.answer(AnsYes);
    InterestCard2x4(f.app);
    EXPECT_TRUE(MatchesGolden(f.dump(), Golden("interest_cards_full_width_names")));
}

TEST(InterestCards, OnlyDeliveredCardsAreMarked) {
    struct Case {
        const char* name;
        int cards;
        int from, to;  // chosen sheets; 0: Cancel
        int confirm;
        int failDeliveries;
        int pages;            // of the document delivered; 0: none
        int markFrom, markTo;  // the view entries marked
        const char* kindAfter;
    } const cases[] = {
        {"ten cards, no blank sheet", 10, 1, 1000, AnsYes, 0, 1, 1, 10, "alpha"},
        {"sheets 2 to 2", 23, 2, 2, AnsYes, 0, 3, 11, 20, "alpha"},
        {"first sheet past the last: Print Error", 23, 4, 1000, AnsYes, 0, 0, 0, -1, "alpha"},
        {"Cancel", 23, 0, 0, AnsYes, 0, 0, 0, -1, "IntCard"},
        {"No at the confirmation", 23, 1, 1000, AnsNo, 0, 0, 0, -1, "alpha"},
        {"the printer fails", 23, 1, 1000, AnsYes, 1, 0, 0, -1, "IntCard"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CardFixture f(c.cards);
        // The view the run builds names the cards of each sheet.
        f.t.dialogs.answer(AnsNo).answer(AnsNo);
        IndexInterestCards(f.app);
        QList<QByteArray> expected = f.rnums().mid(c.markFrom - 1, c.markTo - c.markFrom + 1);
        std::sort(expected.begin(), expected.end());
        f.t.dialogs.clear();

        PrinterChoice sheets;
        sheets.fromPage = c.from;
        sheets.toPage = c.to;
        f.t.printer.failDeliveries = c.failDeliveries;
        try {
            f.run(c.from ? std::optional(sheets) : std::nullopt, c.confirm);
            EXPECT_EQ(c.failDeliveries, 0);
        } catch (const VbError&) {
            EXPECT_EQ(c.failDeliveries, 1);
        }
        ASSERT_EQ(f.documents(), c.pages ? 1 : 0);
        if (c.pages) {
            EXPECT_EQ(f.t.printer.documents().front().pageCount, c.pages);
        }
        EXPECT_EQ(f.marked(), expected);
        EXPECT_EQ(f.app.view.ReportKind, QLatin1String(c.kindAfter));
        EXPECT_EQ(f.t.dialogs.messages().last().startsWith(QLatin1String("The page you selected")), c.from == 4);
        EXPECT_TRUE(f.t.printer.document().items.isEmpty());
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

TEST(InterestCards, AKeptViewIsNarrowedRekeyedAndNotMarked) {
    struct Case {
        const char* name;
        std::function<void(App&)> view;
        QList<int> answers;  // after Yes to the offer: the limits asked
        const char* announced;
        QList<QByteArray> rnums;
    } const cases[] = {
        {"attendance, four nights and a team", IndexAttend, {AnsYes, AnsYes},
         "Interest Card Labels for all Active names Assigned to Teams are being sent to the printer.",
         {"0205", "0206", "0208", "0209", "0300"}},
        // Team 00 first, then by name; the total attendance asks only about team codes.
        {"total attendance, all teams", [](App& a) { IndexTotalAttend(a, false); }, {AnsNo},
         "InterestCard Labels for all names are being sent to the printer.",
         {"0201", "0204", "0207", "0202", "0203", "0205", "0206", "0208", "0209", "0300"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CardFixture f(10);
        f.app.settings.TotalAttendNum = 1;
        c.view(f.app);
        const QString kind = f.app.view.ReportKind;
        f.t.dialogs.answer(AnsYes);
        for (int a : c.answers) f.t.dialogs.answer(a);
        f.t.dialogs.print(PrinterChoice()).answer(AnsYes);
        InterestCard2x4(f.app);
        EXPECT_EQ(f.app.view.ReportKind, kind);
        EXPECT_EQ(f.rnums(), c.rnums);
        for (const QByteArray& e : f.entries()) EXPECT_EQ(e.size(), 50);  // number, team, names, record
        EXPECT_TRUE(f.t.dialogs.messages().last().startsWith(QLatin1String(c.announced)));
        EXPECT_EQ(f.documents(), 1);
        EXPECT_TRUE(f.marked().isEmpty());
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

}  // namespace
}  // namespace fennick::test
