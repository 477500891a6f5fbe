// The passes that rewrite records of the data file in place, on a disk that fills up at
// their second record: the records written before stay, byte for byte, and the pass ends
// with one message naming the records not written and saying that a rerun is safe.

#include "FakeFiles.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "ZipFixture.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "mainwindow/Marks.h"
#include "mainwindow/Navigation.h"
#include "printing/InterestCards.h"
#include "reportwindow/FamilyMem.h"
#include "tables/Preferences.h"
#include "tables/TeamAssignment.h"
#include "views/MailViews.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

using namespace fennick;
using namespace fennick::test;

namespace {

struct Pass {
    const char* what;
    std::function<void(ViewFixture&, FakeScreen&)> run;   // with its answers
    int asked;                                            // the questions before the closing message
    std::function<void(QList<AttendeeRecord>&)> written;  // the records as the pass left them
    std::string message;                                  // <file> for the data file, <reason> for the system's
};

TEST(StoppedPass, EachPassTellsOnceWhatItDidNotWrite) {
    QList<AttendeeRecord> records = {Rec("0001", "Al", "Lee").zip("62701").nights("1111"),
                                     Rec("0002", "Bo", "Lee").zip("62701").nights("1111").mark(-1),
                                     Rec("0003", "Cy", "Lee").zip("62701").nights("1111").mark(-1),
                                     Rec("0004", "Di", "Lee").zip("99999").nights("1").team("02")};
    for (AttendeeRecord& r : records) r.Address = "1 A St", r.MailList = 0;  // one household without a label
    const char* const failed = "Disk full or write error: record <n> of <file> was not written: <reason>";
    const QString safe = QStringLiteral("Running it again is safe: it %1 the marks of the records left as they were.");
    const Pass passes[] = {
        {"update file",
         [](ViewFixture& f, FakeScreen&) {
             SetZips(f.app, {Z("62701", "IL", "05", "Springfield", 3)});
             f.t.dialogs.answer(AnsYes).answer(AnsYes);
             AssignNames(f.app);
         },
         2, [](QList<AttendeeRecord>& r) { r[0].WorkerCode = "05"; },
         "Update File stopped part way: 1 record was written and 2 were not:\r\n0002  Lee, Bo: <failed 2>\r\n"
         "0003  Lee, Cy: not reached\r\n\r\nRunning Update File again is safe: the records given a team are passed "
         "over, and the rest take theirs."},
        {"lowering the last meeting",
         [](ViewFixture& f, FakeScreen&) {
             PreferencesForm form;
             frmTab_Load(f.app, form);
             form.LastMeetingBox = QStringLiteral("2");
             MarkChange(form, QStringLiteral("LastMeetingBox"));
             f.t.dialogs.answer(AnsYes);
             EXPECT_FALSE(btnSave_Click(f.app, form)) << "the boxes stay unsaved";
         },
         1,
         [](QList<AttendeeRecord>& r) {
             r[0].Attendance = QByteArray("11").leftJustified(40, '-');
             RecountAttendance(r[0]);
         },
         "Erasing the attendance after meeting 2 stopped part way: 1 record was written and 2 were not:\r\n"
         "0002  Lee, Bo: <failed 2>\r\n0003  Lee, Cy: not reached\r\n\r\nRunning it again is safe: saving the "
         "preferences again erases the nights of the records not written and leaves the others as they are."},
        {"clear markers", [](ViewFixture& f, FakeScreen& s) { mnuClearMark_Click(f.app, s); }, 0,
         [](QList<AttendeeRecord>& r) { r[1].MarkToVisit = 0; },
         "The mark of 1 record was cleared.\r\n\r\nClear Markers stopped part way: 1 record was written and 1 was "
         "not:\r\n0003  Lee, Cy: <failed 3>\r\n\r\n" +
             safe.arg(QLatin1String("clears")).toStdString()},
        {"mark all displayed records", [](ViewFixture& f, FakeScreen& s) { mnuMarkMarkers_Click(f.app, s); }, 0,
         [](QList<AttendeeRecord>& r) { r[0].MarkToVisit = -1; },
         "1 record was marked.\r\n\r\nMark all Displayed Records stopped part way: 1 record was written and 3 were "
         "not:\r\n0002  Lee, Bo: "
         "<failed 2>\r\n0003  Lee, Cy: not reached\r\n0004  Lee, Di: not reached\r\n\r\n" +
             safe.arg(QLatin1String("sets")).toStdString()},
        {"marking interest cards printed",
         [](ViewFixture& f, FakeScreen&) {
             f.t.dialogs.answer(AnsNo).answer(AnsNo).print(PrinterChoice()).answer(AnsYes);
             InterestCard2x4(f.app);
         },
         3, [](QList<AttendeeRecord>& r) { r[0].CardPrinted = -1; },
         "Marking the interest cards as printed stopped part way: 1 record was written and 2 were not:\r\n0002  "
         "Lee, Bo: <failed 2>\r\n0003  Lee, Cy: not reached\r\n\r\nPrinting "
         "interest cards again prints the cards of the records not written a second time: they are not marked as "
         "printed."},
        {"the household editor",
         [](ViewFixture& f, FakeScreen&) {
             IndexCleanMailList(f.app);
             FamilyMemForm form;
             form.FamilyList = HouseholdEntries(f.app.view, HouseholdKey(1));
             FamilyMem_Load(f.app, form);
             form.ckFamily.fill(kBoxTicked);
             FirstFmy_Click(f.app, form);
         },
         0, [](QList<AttendeeRecord>& r) { r[0].MailList = 1; },
         "Writing the household's mail list stopped part way: 1 record was written and 3 were not:\r\n0002  Lee, "
         "Bo: <failed 2>\r\n0003  Lee, Cy: not reached\r\n0004  Lee, Di: not reached\r\n\r\nRunning it again is "
         "safe: moving to another household writes the ticks of this one again."},
    };
    for (const Pass& pass : passes) {
        SCOPED_TRACE(pass.what);
        ViewFixture f(records, 4);
        FakeScreen screen;
        f.app.hooks.editForm = &screen;
        ShowAll_Click(f.app, screen);
        f.t.dialogs.clear();
        f.app.crusade.file.setWriteCall(FailingWriteAt(2, ENOSPC));
        pass.run(f, screen);

        QList<AttendeeRecord> expected = records;
        pass.written(expected);
        QByteArray bytes;
        for (const AttendeeRecord& r : expected) bytes += r.encode();
        EXPECT_EQ(ReadFileBytes(f.app.program.DataFile), bytes);
        const QStringList shown = f.t.dialogs.messages();
        ASSERT_EQ(shown.size(), pass.asked + 1);
        QString message = QString::fromStdString(pass.message);
        for (int n = 2; n <= 3; ++n)
            message.replace(QStringLiteral("<failed %1>").arg(n), QLatin1String(failed))
                .replace(QStringLiteral("<n>"), QString::number(n));
        message.replace(QStringLiteral("<file>"), f.app.program.DataFile)
            .replace(QStringLiteral("<reason>"), QString::fromLocal8Bit(std::strerror(ENOSPC)));
        EXPECT_EQ(shown.last().toStdString(), message.toStdString());
    }
}

// While the data file's folder is gone, a record whose refused write already holds what a
// pass writes is not refused a second time; the pass still counts it as not written.
TEST(StoppedPass, ARecordHeldForAFolderGoneIsNotCountedAsWritten) {
    ViewFixture f({Rec("0001", "Al", "Lee"), Rec("0002", "Bo", "Lee")}, 4);
    const QString data = f.app.program.DataFile;
    ASSERT_TRUE(QFile::rename(data, data + QStringLiteral(".away")));
    AttendeeRecord marked = ReadRecord(f.app, 1);
    marked.MarkToVisit = -1;
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        BulkWrite writes(f.app, QStringLiteral("Mark all Displayed Records"), QString());
        EXPECT_FALSE(writes.write(1, marked));
        EXPECT_EQ(writes.written(), 0);
        EXPECT_TRUE(writes.report(QString()).startsWith(QStringLiteral(
            "Mark all Displayed Records stopped part way: 0 records were written and 1 was not:\r\n0001  Lee, Al: ")));
    }
}

}  // namespace
