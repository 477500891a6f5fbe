// The registration lists and tickets on the recording printer: golden documents of the
// three lists, the entries and their order with the church members, and the runs that end
// without printing or with an error, each back on the alphabetical view.

#include "ReportFixture.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "printing/RegistrationLists.h"
#include "views/MailViews.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

// A church member line: the number right-justified in 4, last and first names in 15.
QByteArray Member(const char* number, const char* last, const char* first) {
    return QByteArray(number).rightJustified(4, ' ') + Pad(last, 15) + Pad(first, 15);
}

// The members: one registered as John Smith (0101), one of their own, and two without a
// number of whom only the first is printed.
void SetMembers(App& app) {
    app.crusade.MemberNames = {QByteArray(), Member("0101", "Smith", "John"), Member("9001", "Abbott", "Ruth"),
                               Member("", "Zeller", "Hank"), Member("", "Moss", "Vera")};
    app.crusade.MemberCount = 4;
}

class ListFixture : public ReportFixture {
public:
    explicit ListFixture(const QList<AttendeeRecord>& records = FixtureRecords()) : ReportFixture(records) {
        SetMembers(app);
        IndexZip(app);  // a filtered view before the command
    }
    // Runs the list with the member question answered and the printer chosen.
    void run(RegistrationList list, bool members, std::optional<PrinterChoice> printer = PrinterChoice()) {
        t.dialogs.answer(members ? AnsYes : AnsNo);
        t.dialogs.print(printer);
        PrintRegistrationList(app, list);
    }
};

struct GoldenCase {
    const char* golden;
    std::function<QList<AttendeeRecord>()> records;
    RegistrationList list;
    bool members;
    float offsetRight;
};

TEST(RegistrationLists, PrintTheirGoldenDocuments) {
    const GoldenCase cases[] = {
        // 179 names and two members: three columns of 60, the 181st atop page 2.
        {"registration_numbers", [] { return FixtureWith(MorePeople(160)); }, RegistrationList::Numbers, true, 0},
        {"registration_by_number", FixtureRecords, RegistrationList::ByNumber, true, 0},
        // The 61 at the last meeting, one centimetre further right.
        {"tickets", [] { return FixtureWith(MorePeople(57)); }, RegistrationList::Tickets, false, 10},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.golden);
        ListFixture f(c.records());
        f.app.program.LabelOffsetRight = c.offsetRight;
        const AttendeeRecord shown = f.app.crusade.CurRecord;
        f.run(c.list, c.members);
        EXPECT_TRUE(MatchesGolden(f.dump(), Golden(c.golden)));
        EXPECT_EQ(f.t.dialogs.shown().front().text, QStringLiteral("Do you want to include SDA members in this list?"));
        EXPECT_EQ(f.t.dialogs.shown().front().title,
                  QStringLiteral("Arrange Decisions by Interest Level or Alphabetical"));
        EXPECT_EQ(f.app.msg.MsgAnswer, QString::number(c.members ? AnsYes : AnsNo));
        EXPECT_TRUE(f.t.dialogs.messages().size() == 1);  // the member question only
        EXPECT_FALSE(f.t.dialogs.pending());
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alpha"));
        EXPECT_TRUE(f.app.crusade.CurRecord == shown);
    }
}

TEST(RegistrationLists, EntriesTakeTheMembersOnceAndRunInTheirOrder) {
    // A 14-letter last name, whole in the Numbers list and cut to 12 in the others, and a
    // 17-letter one, cut in every list: a cut name ends in the mark.
    const QList<AttendeeRecord> records = {
        Rec("0101", "John", "Smith").nights("111111111111"),
        Rec("0102", "Mary", "Oppenheimerson").nights("111111111111"),
        Rec("0103", "Ned", "Moss").nights("1111"),
        Rec("0105", "Maximilian-Wolfgang", "Vanderbildt-Moore").nights("1111"),
        Rec("0104", "Old", "Gone").nights("111111111111").deleted(),
    };
    struct Case {
        const char* name;
        RegistrationList list;
        bool members;
        QStringList lines;
    } const cases[] = {
        {"by name, members",
         RegistrationList::Numbers,
         true,
         {"9001    Abbott, Ruth           ", "0103    Moss, Ned            ", "0102    Oppenheimerson, Mary           ",
          "0101    Smith, John           ", "0105    Vanderbildt-Mo\u2026, Maximilian-Wol\u2026",
          "        Zeller, Hank           "}},
        {"by name, no members",
         RegistrationList::Numbers,
         false,
         {"0103    Moss, Ned            ", "0102    Oppenheimerson, Mary           ", "0101    Smith, John           ",
          "0105    Vanderbildt-Mo\u2026, Maximilian-Wol\u2026"}},
        {"by number",
         RegistrationList::ByNumber,
         true,
         {"        Zeller, Hank           ", "0101    Smith, John           ",
          "0102    Oppenheimer\u2026, Mary           ", "0103    Moss, Ned            ",
          "0105    Vanderbildt\u2026, Maximilian-Wol\u2026", "9001    Abbott, Ruth           "}},
        // Tickets: those at the last meeting; attendees before numbered members, and a
        // member without a number among the attendees by name.
        {"tickets",
         RegistrationList::Tickets,
         true,
         {"0102    Oppenheimer\u2026, Mary           ", "0101    Smith, John           ",
          "        Zeller, Hank           ", "9001    Abbott, Ruth           "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFixture f(records);
        SetMembers(f.app);
        QStringList lines;
        for (const QByteArray& e : RegistrationEntries(f.app, c.list, c.members))
            lines << FromAnsi(RegistrationLine(e));
        EXPECT_EQ(lines.join(QLatin1Char('\n')).toStdString(), c.lines.join(QLatin1Char('\n')).toStdString());
    }
}

TEST(RegistrationLists, EveryEndGoesBackToAllNames) {
    struct Case {
        const char* name;
        std::optional<PrinterChoice> printer;
        int failDeliveries;
        bool throws;
        int documents;
        QStringList messages;  // after the member question
    };
    PrinterChoice pastTheEnd;
    pastTheEnd.fromPage = 2;
    PrinterChoice twoCopies;
    twoCopies.copies = 2;
    const Case cases[] = {
        {"printed, two copies", twoCopies, 0, false, 1, {}},
        {"cancel", std::nullopt, 0, false, 0, {}},
        {"printer fails", PrinterChoice(), 1, true, 0, {FailedDeliveryMessage()}},
        {"first page past the end",
         pastTheEnd,
         0,
         false,
         0,
         {QStringLiteral("The page you selected to begin with was greater than the total number of pages available "
                         "to print.")}},
    };
    for (const RegistrationList list : {RegistrationList::Numbers, RegistrationList::Tickets}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            ListFixture f;
            f.t.printer.failDeliveries = c.failDeliveries;
            if (c.throws)
                EXPECT_THROW(f.run(list, true, c.printer), VbError);
            else
                f.run(list, true, c.printer);
            ASSERT_EQ(f.documents(), c.documents);
            EXPECT_EQ(f.t.dialogs.messages().mid(1), c.messages);
            EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alpha"));
            EXPECT_EQ(f.app.view.ReportCount, 19);
            EXPECT_TRUE(f.t.printer.document().items.isEmpty());  // nothing left half drawn
            if (c.documents) {
                EXPECT_EQ(f.t.printer.jobs().front().copies, 2);
            }
        }
    }
}

}  // namespace
}  // namespace fennick::test
