// Every command that brings records in, taken from the program's own list of them: the
// numbers it gives, the one test of the same person, its one closing message, and a stop
// part way that leaves no number held for the next run. The crusade holds Lucy Local 9973,
// David Taylor and Richard Nguyen both 9995, Nina Zorn without a number and Ann Here 0100
// (shown); its numbers count down from 9974, and the other side drew 9973 to 9971 as well.

#include "BringInDriver.h"
#include "RecordBuilder.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "filetools/AppendedRecords.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <unistd.h>

#include <ostream>

namespace fennick {
// A command of the list as a test names it.
void PrintTo(const BringInCommand& c, std::ostream* os) {
    *os << c.name.toStdString();
}
}  // namespace fennick

using namespace fennick;
using namespace fennick::test;

namespace {

QList<AttendeeRecord> Here() {
    return {Person("9973", "Lucy", "Local"), Person("9995", "David", "Taylor"), Person("9995", "Richard", "Nguyen"),
            Person("    ", "Nina", "Zorn"), Person("0100", "Ann", "Here")};
}

// Bob's number is Lucy's here; Fay's and Gus's are free here but come after Bob; Richard
// is written otherwise; Nora has no number.
QList<AttendeeRecord> Incoming() {
    return {Person("9973", "Bob", "Door"), Person("9972", "Fay", "Door"), Person("9995", "  RICHARD", "nguyen "),
            Person("    ", "Nora", "Blank"), Person("9971", "Gus", "Door")};
}

// "9970 Door, Bob" for every live record, in file order.
QStringList Numbers(const QList<AttendeeRecord>& records) {
    QStringList out;
    for (const AttendeeRecord& r : records)
        out << FromAnsi(r.RNum.bytes() + ' ' + r.LName.trimmed() + ", " + r.FName.trimmed());
    return out;
}

// The message boxes that only tell (an OK button alone).
QStringList Told(const FakeDialogs& dialogs) {
    QStringList out;
    for (const FakeDialogs::Shown& s : dialogs.shown())
        if (s.kind == FakeDialogs::Kind::Message && s.buttons == Buttons::OK) out << s.text;
    return out;
}

class BringInCommandsTest : public ::testing::TestWithParam<BringInCommand> {};

TEST_P(BringInCommandsTest, GivesFreeNumbersMatchesOnlyThePersonOnFileAndTellsItOnce) {
    const BringInCommand& c = GetParam();
    BringInDriver d(Here(), 9974);
    const QList<AttendeeRecord> before = ReadAllRecords(d.app);
    d.bringIn(c, Incoming());

    // Only Bob and Nora take a new number: one no record here or still to come carries.
    EXPECT_EQ(Numbers(d.live()), QStringList({"9973 Local, Lucy", "9995 Taylor, David", "9995 Nguyen, Richard",
                                              "     Zorn, Nina", "0100 Here, Ann", "9970 Door, Bob", "9972 Door, Fay",
                                              "9969 Blank, Nora", "9971 Door, Gus"}));
    EXPECT_EQ(d.app.settings.ReservedNumber, 9969);
    // Richard is found as the second holder of 9995; nobody else of the crusade changes.
    const QList<AttendeeRecord> after = ReadAllRecords(d.app);
    for (int i : {0, 1, 3, 4}) EXPECT_EQ(after[i], before[i]) << i;
    EXPECT_EQ(after[2].Last, c.source == BringInCommand::Source::OtherComputer ? BringInDriver::kMeeting : 1);

    // The only question about another name of a number is Bob's, about Lucy, on file before.
    for (const QString& asked : d.t.dialogs.messages().filter(QStringLiteral("Under Another Name")))
        EXPECT_TRUE(asked.contains(QStringLiteral("Door, Bob")) && asked.contains(QStringLiteral("Local, Lucy")))
            << asked.toStdString();

    const QStringList told = Told(d.t.dialogs);
    ASSERT_EQ(told.size(), 1) << told.join("\n---\n").toStdString();
    EXPECT_EQ(told[0], d.t.dialogs.messages().last());
    const QStringList lines = told[0].split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.contains(QStringLiteral("4 records were added:"))) << told[0].toStdString();
    for (const char* added : {"9970  Door, Bob: ", "9972  Door, Fay", "9969  Blank, Nora: ", "9971  Door, Gus"})
        EXPECT_EQ(lines.filter(QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(added))).size(), 1)
            << added << "\n"
            << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(QLatin1String("Running ")) && told[0].contains(QLatin1String(" again ")));
}

// The crusade's folder goes away after the first record is written, and comes back: the
// record refused holds no number, the number drawn for it is not kept, and the command
// run again gives Fay her own number.
TEST_P(BringInCommandsTest, AStopPartWayHoldsNoNumberForTheNextRun) {
    const BringInCommand& c = GetParam();
    BringInDriver d(Here(), 9974);
    const QString folder = d.t.path(QStringLiteral("data")), away = d.t.path(QStringLiteral("away"));
    int writes = 0;
    d.app.crusade.file.setWriteCall([&](int fd, const char* data, qint64 size, qint64 offset) {
        const qint64 n = ::pwrite(fd, data, size_t(size), off_t(offset));
        if (++writes == 1) QDir().rename(folder, away);
        return n;
    });
    d.bringIn(c, Incoming());
    d.app.crusade.file.setWriteCall({});
    ASSERT_TRUE(QDir().rename(away, folder));

    const QStringList told = Told(d.t.dialogs);
    ASSERT_EQ(told.size(), 1) << told.join("\n---\n").toStdString();
    EXPECT_TRUE(told[0].contains(QLatin1String(" stopped part way: 1 record was written"))) << told[0].toStdString();
    EXPECT_TRUE(d.app.crusade.file.unwritten().isEmpty());
    EXPECT_EQ(d.app.settings.ReservedNumber, 9970) << "Bob's number, on disk";

    d.t.dialogs.clear();
    d.bringIn(c, Incoming());
    EXPECT_EQ(Numbers(d.live()).filter(QStringLiteral("Door, Fay")), QStringList({"9972 Door, Fay"}));
    EXPECT_FALSE(d.t.dialogs.messages().last().contains(QLatin1String("held by a name kept")));
}

// A data file one record short of the most it may hold takes the first new person; the
// rest are named as left out, and no message counts more records than a file may hold.
TEST_P(BringInCommandsTest, AFullDataFileLeavesOutTheRestAndSaysSo) {
    const BringInCommand& c = GetParam();
    QList<AttendeeRecord> here;
    for (int i = 2; i <= kMaxRecords; ++i) here << Person(qPrintable(ZeroPad(i, 4)), "Some", "One");
    BringInDriver d(here, 1);
    // 0001, the one number free, for each: the first takes it, the others would need another.
    d.bringIn(c,
              {Person("0001", "First", "Extra"), Person("0001", "Second", "Extra"), Person("0001", "Third", "Extra")});
    EXPECT_EQ(d.app.crusade.RecCount, kMaxRecords);
    const QString told = d.t.dialogs.messages().last();
    const QString full = QStringLiteral("the data file holds 9999 records, the most Fennick can keep");
    EXPECT_TRUE(told.contains(QStringLiteral("1 record was added:\r\n0001  Extra, First"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("2 records were left out:"))) << told.toStdString();
    for (const char* name : {"0001  Extra, Second: ", "0001  Extra, Third: "})
        EXPECT_TRUE(told.contains(QRegularExpression(
            QLatin1Char('^') + QLatin1String(name) + QStringLiteral(".*") + full, QRegularExpression::MultilineOption)))
            << name << "\n"
            << told.toStdString();
    EXPECT_TRUE(told.contains(QLatin1String("Running ")) && told.contains(QLatin1String(" again ")));
    for (const QString& shown : d.t.dialogs.messages())
        EXPECT_FALSE(shown.contains(QRegularExpression(QStringLiteral("\\d{5,} records")))) << shown.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, BringInCommandsTest, ::testing::ValuesIn(BringInCommands()),
                         [](const ::testing::TestParamInfo<BringInCommand>& info) {
                             return std::string(info.param.item);
                         });

}  // namespace
