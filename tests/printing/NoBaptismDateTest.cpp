// A stored "12:00AM" is no baptism date in the printouts, as on the screens: the one-line
// and team lists print such a name as one without a date, and the decision 9 report does
// not call it cleared for baptism.

#include "ReportFixture.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

// The first text of the only document that begins with or equals text.
PrintedItem Find(const ReportFixture& f, const QString& text) {
    for (const PrintedItem& it : f.t.printer.documents().front().items)
        if (it.kind == PrintedItem::Kind::Text && it.text.startsWith(text)) return it;
    ADD_FAILURE() << "not printed: " << text.toStdString();
    return {};
}

TEST(NoBaptismDate, MidnightIsNoDateInEveryPrintout) {
    const struct {
        const char* bapt;
        qint16 interview;
        bool listBold;     // the name in the one-line list: a date or an interview
        bool teamBold;     // the name in the team list: a date
        const char* mark;  // the decision 9 report's last column
    } rows[] = {
        {"", 0, false, false, ""},
        {"12:00AM", 0, false, false, ""},
        {" 12:00AM", 0, false, false, ""},
        {"12:00AM", 1, true, false, "Apt"},
        {"5/30/26", 0, true, true, "Apt-CL"},
        {"5/30/26", 1, true, true, "Apt-CL"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.bapt) + " interview " + std::to_string(row.interview));
        const QList<AttendeeRecord> records{
            Rec("0901", "Amos", "Lake").nights("11111").level("A").decisions("--------U").team("03").interview(
                row.interview).bapt(row.bapt),
            Rec("0902", "Beth", "Moor").nights("11111").level("B").team("05")};

        ReportFixture oneLine(records), team(records), decisions(records);
        oneLine.choosePrinter();
        oneLine.print(1);
        EXPECT_EQ(Find(oneLine, QStringLiteral("03 0901 Lake, Amos")).font.bold, row.listBold);
        team.printTeamReport(1);
        EXPECT_EQ(Find(team, QStringLiteral("Lake, Amos")).font.bold, row.teamBold);
        decisions.printDecisionReport(9);
        QString mark;
        for (const PrintedItem& it : decisions.t.printer.documents().front().items)
            if (it.x == 18.6) mark = it.text;
        EXPECT_EQ(mark, QString::fromLatin1(row.mark));
    }
}

}  // namespace
}  // namespace fennick::test
