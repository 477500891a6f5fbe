// The messages that list records, each with 500 of them, shown in the program's real
// message box: the box and its buttons stay on the screen, with its details opened too.
// They come from every command that brings records in (the program's own list of them),
// a command that writes many records (Clear Markers, stopped at its first record) and the
// repair pass.

#include "BringInDriver.h"
#include "FakeFiles.h"
#include "ModalGuard.h"
#include "RealBoxes.h"
#include "RecordBuilder.h"
#include "data/DataStore.h"
#include "data/FixFiles.h"
#include "data/Text.h"
#include "mainwindow/Marks.h"
#include "platform/ErrorNumbers.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>

using namespace fennick;
using namespace fennick::test;

namespace {

QList<AttendeeRecord> People(const char* first, int from, int count) {
    QList<AttendeeRecord> out;
    for (int i = from; i < from + count; ++i)
        out << Person(qPrintable(ZeroPad(i, 4)), qPrintable(QStringLiteral("%1%2").arg(first).arg(i)), "Many");
    return out;
}

// The write of a record whose first name begins with first fails, as on a full disk.
RecordFile::WriteCall FailingFor(char first) {
    return [first](int fd, const char* data, qint64 size, qint64 offset) -> qint64 {
        if (size == AttendeeRecord::Size && AttendeeRecord::decode(data).FName.at(1) == first) {
            errno = ENOSPC;
            return -1;
        }
        return ::pwrite(fd, data, size_t(size), off_t(offset));
    };
}

class LongMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.resize(800, 500);
        main.show();
        ModalGuard::allow(true);
    }
    void TearDown() override { ModalGuard::allow(false); }

    // Every message box shown that only tells (an OK button alone), and the first question.
    void expectEveryBoxFits(const FakeDialogs& dialogs, const char* what) {
        bool asked = false;
        int shown = 0;
        for (const FakeDialogs::Shown& s : dialogs.shown()) {
            if (s.kind != FakeDialogs::Kind::Message || (s.buttons != Buttons::OK && asked)) continue;
            asked = asked || s.buttons != Buttons::OK;
            const ShownBox box = ShowInRealBox({s.text, s.buttons, s.icon, s.title, s.defaultButton, {}}, &main);
            ++shown;
            EXPECT_TRUE(box.fits()) << what << ": " << box.frame.height() << " high at " << box.frame.y() << ", room "
                                    << box.room.height() << "\n"
                                    << s.text.left(300).toStdString();
            EXPECT_FALSE(box.buttons.isEmpty());
            // Each paragraph begins in view: what was not done, and the question or the
            // rerun advice at the end, never lie under the details alone.
            for (const QString& paragraph : s.text.split(QStringLiteral("\r\n\r\n")))
                EXPECT_TRUE(box.text.contains(paragraph.section(QStringLiteral("\r\n"), 0, 0).left(40)))
                    << what << ": " << paragraph.left(80).toStdString();
        }
        EXPECT_GT(shown, 0) << what;
    }

    QWidget main;
};

// 500 records whose numbers other people hold here (added under new numbers), 500 of the
// people here (left out, or merged), then 500 new ones whose writing fails.
TEST_F(LongMessagesTest, EveryCommandThatBringsRecordsInTellsFiveHundredOnTheScreen) {
    for (const BringInCommand& c : BringInCommands()) {
        SCOPED_TRACE(c.name.toStdString());
        BringInDriver d(People("H", 1, 500));
        d.app.crusade.file.setWriteCall(FailingFor('N'));
        d.bringIn(c, People("O", 1, 500) + People("H", 1, 500) + People("N", 1001, 500));
        d.app.crusade.file.setWriteCall({});
        const QString told = d.t.dialogs.messages().last();
        EXPECT_TRUE(told.contains(QStringLiteral("and 490 more."))) << told.toStdString();
        EXPECT_TRUE(told.contains(QStringLiteral(" stopped part way: "))) << told.toStdString();
        expectEveryBoxFits(d.t.dialogs, qPrintable(c.name));
    }
}

TEST_F(LongMessagesTest, ACommandThatWritesManyRecordsAndTheRepairPassFitTheScreen) {
    QList<AttendeeRecord> marked = People("M", 1, 500);
    for (AttendeeRecord& r : marked) r.MarkToVisit = -1;
    {
        BringInDriver d(marked);
        d.app.crusade.file.setWriteCall(FailingFor('M'));
        mnuClearMark_Click(d.app, d.screen);
        d.app.crusade.file.setWriteCall({});
        ASSERT_TRUE(d.t.dialogs.messages().last().contains(QStringLiteral("and 490 more.")));
        expectEveryBoxFits(d.t.dialogs, "Clear Markers");
    }
    {
        // Numbers held twice are told one at a time; a member list not written ends the pass.
        BringInDriver d(People("A", 1, 500) + People("B", 1, 500));
        d.t.files.failAt(1, err::DiskFull, FakeFiles::Op::Save);
        d.t.dialogs.answer(AnsCancel);
        EXPECT_FALSE(FixFiles(d.app));
        expectEveryBoxFits(d.t.dialogs, "the repair pass");
    }
}

// A message still taller than the screen shows its first lines and keeps the whole text in
// its details, so that OK stays on the screen.
TEST_F(LongMessagesTest, ATextTallerThanTheScreenKeepsTheBoxAndItsButtonsOnIt) {
    QStringList lines;
    for (const AttendeeRecord& r : People("L", 1, 500))
        lines << FromAnsi(r.RNum.bytes() + "  " + r.LName.trimmed() + ", " + r.FName.trimmed()) +
                     QStringLiteral(": not reached");
    const ShownBox box =
        ShowInRealBox({lines.join(QStringLiteral("\r\n")), Buttons::OK, Icon::Exclamation, std::nullopt, 1, {}}, &main);
    EXPECT_TRUE(box.fits()) << box.frame.height() << " high at " << box.frame.y() << ", room " << box.room.height();
    EXPECT_TRUE(box.details);
}

}  // namespace
