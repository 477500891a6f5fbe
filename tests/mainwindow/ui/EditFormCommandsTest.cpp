// The main window's menu items and buttons reach their commands: the Filters menu, the
// global search, the marks, the delete, closing, copying a record, and names added to a
// new crusade from the keyboard.

#include "OpenWindow.h"

#include "attendance/ui/AttendF.h"
#include "data/StartUp.h"
#include "mainwindow/MenuBar.h"
#include "platform/Dialogs.h"
#include "platform/ErrorNumbers.h"
#include "reportwindow/ReturnToEditForm.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <cerrno>

using namespace fennick;
using namespace fennick::test;

namespace {

class EditFormCommandsTest : public OpenWindow {
protected:
    CrusadeSpec crusade() const override {
        CrusadeSpec s = OpenWindow::crusade();
        s.records[1].Notes = "Asked for a Bible";  // Adams
        return s;
    }
    // Chooses an item of the Filters menu as the menu itself would.
    void filter(const QString& item) {
        for (QAction* a : form->menu(QStringLiteral("mnuFilterS"))->actions())
            if (a->objectName() == item) return a->trigger();
        ADD_FAILURE() << "no item " << item.toStdString() << " in the Filters menu";
    }
    QColor base(const QString& box) const { return widget(box)->palette().color(QPalette::Base); }
    // The captions shown under the toolbar buttons, left to right.
    QStringList captionsShown() const {
        QStringList shown;
        for (const QLabel* l : form->findChild<QWidget*>(QStringLiteral("ToolbarRow"))->findChildren<QLabel*>())
            if (l->isVisibleTo(form.get()) && l != widget(QStringLiteral("FndNameBx"))) shown << l->text();
        return shown;
    }
};

const QColor kHighlight(255, 192, 128);

TEST_F(EditFormCommandsTest, EveryBuiltItemAndButtonHasItsCommand) {
    for (const MenuEntry& e : MenuBarEntries()) {
        if (e.separator || e.name.isEmpty() || IsSubmenu(e.name)) continue;
        EXPECT_EQ(form->wired(e.name), e.built) << e.name.toStdString();
        if (!e.built) {
            EXPECT_FALSE(form->isEnabled(e.name)) << e.name.toStdString();
        }
    }
    for (const auto* buttons : {&ToolbarButtons(), &OtherButtons()})
        for (const ToolbarButton& b : *buttons) {
            EXPECT_EQ(form->wired(b.name), b.built) << b.name.toStdString();
            EXPECT_EQ(widget(b.name)->isEnabled(), b.built) << b.name.toStdString();
        }
}

TEST_F(EditFormCommandsTest, AFiltersCommandShowsItsViewFromTheMenu) {
    filter(QStringLiteral("mnuNotes"));
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    EXPECT_EQ(text(QStringLiteral("EditLabel")), QStringLiteral("Cards with Notes"));
    EXPECT_EQ(base(QStringLiteral("Notes")), kHighlight);
    EXPECT_TRUE(form->isVisible(QStringLiteral("ShowAll")));
    EXPECT_TRUE(widget(QStringLiteral("ShowAll"))->isVisible());
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{QStringLiteral("Names have been sorted and filtered to show only those who have NOTES on "
                                         "their cards.\r\n\r\nClick the 'Show All Names' button to restore all names "
                                         "in alphabetical order.")});
    EXPECT_EQ(app.view.ReportCount, 1);

    // The red button goes back to all names.
    click(QStringLiteral("ShowAll"));
    EXPECT_FALSE(form->isVisible(QStringLiteral("ShowAll")));
    EXPECT_EQ(text(QStringLiteral("EditLabel")), QStringLiteral("All Names Sorted Alphabeticaly"));
    EXPECT_NE(base(QStringLiteral("Notes")), kHighlight);
    EXPECT_EQ(app.view.ReportCount, 3);

    // A view with nobody in it says so and stays with all names.
    t.dialogs.clear();
    filter(QStringLiteral("mnuBaptisms"));
    EXPECT_EQ(t.dialogs.messages(), QStringList{QStringLiteral("There are no baptisms to display")});
    EXPECT_FALSE(form->isVisible(QStringLiteral("ShowAll")));
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_FALSE(app.crusade.AddMode);

    // A double click on the title runs the view before again.
    filter(QStringLiteral("mnuMailList"));
    EXPECT_EQ(widget(QStringLiteral("MailList"))->palette().color(QPalette::Button), kHighlight);
    filter(QStringLiteral("mnuAllAlpha"));
    t.dialogs.clear();
    QTest::mouseDClick(widget(QStringLiteral("EditLabel")), Qt::LeftButton);
    EXPECT_EQ(text(QStringLiteral("EditLabel")), QStringLiteral("Mail List Filter"));
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("mail"));
    EXPECT_EQ(t.dialogs.messages().size(), 1);
}

TEST_F(EditFormCommandsTest, GlobalSearchFromTheMenuAndItsShortcut) {
    t.dialogs.type(QStringLiteral("main st")).answer(AnsNo).answer(AnsYes);
    trigger(QStringLiteral("mnuGlobal"));
    // Every record holds "1 Main St": Smith (record 1) is offered first, then Adams.
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    EXPECT_EQ(t.dialogs.shown()[1].title, QStringLiteral("Global Search for: main st"));

    focus(QStringLiteral("SearchBox"));
    t.dialogs.type(QStringLiteral("ruth")).answer(AnsYes);
    press(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0014"));
    EXPECT_FALSE(t.dialogs.pending());

    // The search box finds a number typed into it.
    focus(QStringLiteral("SearchBox"));
    type(QStringLiteral("0012"));
    press(Qt::Key_Return);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0012"));
    EXPECT_TRUE(text(QStringLiteral("SearchBox")).isEmpty());
}

TEST_F(EditFormCommandsTest, ExportsRunFromTheToolsMenuAndItsShortcut) {
    // Ctrl+E writes the e-mail list of the view (nobody has an address: the header alone).
    const QString emails = t.path(QStringLiteral("emails.csv"));
    focus(QStringLiteral("SearchBox"));
    t.dialogs.choose(emails);
    press(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(ReadFileBytes(emails), QByteArray("Name,FName,LName,EMail,Meeting\r\n"));
    EXPECT_EQ(t.dialogs.messages().last(), QStringLiteral("The file containing E-Mail Data is found in ") + emails);

    // Write Mail Merge File reaches the window's mail merge.
    const QString merge = t.path(QStringLiteral("merge.doc"));
    t.dialogs.answer(AnsNo).choose(merge);
    trigger(QStringLiteral("mnuMailMerge"));
    EXPECT_EQ(ReadFileBytes(merge).count("\r\n"), 1 + app.view.ReportCount);
    EXPECT_FALSE(t.dialogs.pending());
}

TEST_F(EditFormCommandsTest, MarkAllAndClearTheMarksFromTheMenus) {
    filter(QStringLiteral("mnuNotes"));
    trigger(QStringLiteral("mnuMarkMarkers"));
    EXPECT_EQ(onFile(2).MarkToVisit, -1);
    EXPECT_EQ(onFile(1).MarkToVisit, 0);
    EXPECT_EQ(onFile(3).MarkToVisit, 0);
    EXPECT_EQ(form->value(QStringLiteral("chkMarkToVisit")), 1);

    trigger(QStringLiteral("mnuClearMark"));
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(onFile(n).MarkToVisit, 0) << n;
    EXPECT_EQ(form->value(QStringLiteral("chkMarkToVisit")), 0);
}

TEST_F(EditFormCommandsTest, DeleteAsksTwiceBeforeTheNameLeavesTheView) {
    // No to the last chance keeps everything.
    t.dialogs.answer(AnsYes).answer(AnsNo);
    click(QStringLiteral("btnDelete"));
    EXPECT_EQ(onFile(2).WorkerCode.bytes(), "00");
    EXPECT_EQ(app.view.ReportCount, 3);

    t.dialogs.clear();
    t.dialogs.answer(AnsYes).answer(AnsYes);
    click(QStringLiteral("btnDelete"));
    const QStringList asked = t.dialogs.messages();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], QStringLiteral("Are you sure you want to remove this record from the INTEREST file?"));
    EXPECT_EQ(asked[1], QStringLiteral("This is your last chance to back out.\r\nAre you sure you want to remove this "
                                       "record from the INTEREST file?"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("Delete Record"));
    EXPECT_EQ(onFile(2).WorkerCode.bytes(), "##");
    EXPECT_EQ(app.view.ReportCount, 2);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0014"));
    EXPECT_EQ(focused(), QStringLiteral("SearchBox"));

    // The deleted names' view: the restore button and All Names, with their own captions.
    t.dialogs.answer(AnsOK);
    trigger(QStringLiteral("munUndeleteRec"));
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    EXPECT_EQ(captionsShown(), (QStringList{QStringLiteral("Click to Restore displayed name to the file."),
                                            QStringLiteral("Prayer"), QStringLiteral("Return to Edit.")}));
    app.program.ShowButtonLabels = 1;
    click(QStringLiteral("ShowAll"));
    EXPECT_EQ(captionsShown().size(), ToolbarButtons().size() + 1);

    // The right button on the church-member button deletes nothing.
    t.dialogs.clear();
    click(QStringLiteral("btnSDA"), Qt::RightButton);
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_TRUE(app.msg.MsgAnswer.isEmpty());
}

// Menu commands leave the box being typed in (a city the zip code does not have) once; the
// focus staying in it, the box left afterwards asks again only if changed after them.
TEST_F(EditFormCommandsTest, ABoxLeftByMenuCommandsIsNotLeftTwice) {
    app.crusade.ZipTable[1] = "62701     IL00Springfield       2";
    app.crusade.ZipCount = 1;
    retype(QStringLiteral("Zip"), QStringLiteral("62701"));
    const auto asked = [this] {
        return t.dialogs.messages().filter(QStringLiteral("Has already been assigned")).size();
    };
    retype(QStringLiteral("City"), QStringLiteral("Chatham"));
    t.dialogs.answer(AnsNo);
    trigger(QStringLiteral("mnuHelpFiles"));
    trigger(QStringLiteral("mnuHelpFiles"));
    ASSERT_EQ(asked(), 1);
    ASSERT_EQ(focused(), QStringLiteral("City"));
    focus(QStringLiteral("Phone"));
    EXPECT_EQ(asked(), 1);
    retype(QStringLiteral("City"), QStringLiteral("Rochester"));
    t.dialogs.answer(AnsNo);
    focus(QStringLiteral("Phone"));
    EXPECT_EQ(asked(), 2);
}

// Closing the window (its title bar, or File, Exit) with a box typed into and not left:
// the box's rule runs first. A number another person holds (Baker's 0014) writes nothing
// and keeps the window open on the record, also for a name opened from the report window;
// a city the zip code does not have is asked about, a date gets its two digits, and the
// record is saved. The attendance screen on Adams, closed or left for another window with
// a number typed into its number box, writes the record itself: a number another person
// holds is refused by that write, and the screen stays in front with the focus in the box.
enum class Closed { TitleBar, Exit, AttendanceScreen, AttendanceScreenLeft };

struct CloseCase {
    const char* name;
    bool fromPreview;
    Closed closed;
    const char* box;
    const char* typed;
    const char* asked;  // the message the rule or the write shows (null: none)
    const char* saved;  // Adams's field on file afterwards; null: the file as it was
};

// A record as it was on file, with the box's field as saved.
QByteArray WithField(const QByteArray& record, const QString& box, const char* saved) {
    AttendeeRecord r = AttendeeRecord::decode(record);
    if (box == QLatin1String("City"))
        r.City = saved;
    else if (box == QLatin1String("BaptDate"))
        r.BaptDate = saved;
    else
        r.RNum = saved;
    return r.encode();
}

class ClosingTest : public OpenWindow, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTest, TheTypedBoxIsCheckedBeforeTheSave) {
    const CloseCase& c = GetParam();
    const QString box = QLatin1String(c.box);
    const bool refused = !c.saved;
    bool previewShown = false;
    app.hooks.showPrintReports = [&] { previewShown = true; };
    app.crusade.ZipTable[1] = "62701     IL00Springfield       2";
    app.crusade.ZipCount = 1;
    if (c.fromPreview) ShowEditFromPreview(app, *form);
    const bool onScreen = c.closed == Closed::AttendanceScreen || c.closed == Closed::AttendanceScreenLeft;
    QPointer<AttendF> screen;
    if (onScreen) {
        AttendF::install(app, form.get());
        t.dialogs.type(QStringLiteral("6"));
        trigger(QStringLiteral("mnuAttendUpdate"));
        screen = form->findChild<AttendF*>();
        ASSERT_NE(screen, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
        auto* search = static_cast<QLineEdit*>(screen->named(QStringLiteral("SearchBox")));
        QTest::keyClicks(search, QStringLiteral("0013"));
        QTest::keyClick(search, Qt::Key_Return);
        ASSERT_EQ(screen->text(QStringLiteral("LName")), QStringLiteral("Adams"));
        auto* edit = static_cast<QLineEdit*>(screen->named(box));
        screen->setFocus(box);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit; }));
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(c.typed));
    } else {
        retype(box, QLatin1String(c.typed));
    }
    const QPointer<QWidget> window = onScreen ? static_cast<QWidget*>(screen) : form.get();
    const QByteArray before = ReadFileBytes(file);
    t.dialogs.clear();
    if (box == QLatin1String("City")) t.dialogs.answer(AnsNo);
    QWidget other;
    switch (c.closed) {
        case Closed::TitleBar:
        case Closed::AttendanceScreen:
            window->close();
            break;
        case Closed::Exit:
            trigger(QStringLiteral("mnuExit"));
            break;
        case Closed::AttendanceScreenLeft:
            other.show();
            other.activateWindow();
            break;
    }
    if (c.asked) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !t.dialogs.messages().filter(QLatin1String(c.asked)).isEmpty(); }));
        EXPECT_EQ(t.dialogs.messages().filter(QLatin1String(c.asked)).size(), 1);
    }
    EXPECT_FALSE(t.dialogs.pending());
    // Adams's record (the second) is saved with the box's text, and nothing else changes.
    const qsizetype n = Crusade::RecLen;
    EXPECT_EQ(ReadFileBytes(file),
              refused ? before : before.left(n) + WithField(before.mid(n, n), box, c.saved) + before.mid(2 * n));
    if (refused) {
        ASSERT_TRUE(window && window->isVisible());
        EXPECT_EQ(onScreen ? screen->text(box) : text(box), QStringLiteral("0013"));
        // The window brought forward with the keyboard in the box, as much where windows are
        // activated at once whoever asks (offscreen) as under a window manager.
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(QApplication::focusWidget(), qobject_cast<QWidget*>(onScreen ? screen->named(box) : widget(box)));
    }
    if (onScreen) {
        QTest::qWait(10);
        EXPECT_EQ(form->findChild<AttendF*>() != nullptr, refused || c.closed == Closed::AttendanceScreenLeft);
        EXPECT_EQ(form->isVisible(), !refused && c.closed == Closed::AttendanceScreen);
        return;
    }
    EXPECT_EQ(form->isVisible(), refused);
    EXPECT_EQ(previewShown, c.fromPreview && !refused);
    EXPECT_EQ(form->ended(), !c.fromPreview && !refused);
    if (form->ended()) {
        // Ending the program stops every event loop to come; one run to its end lets the
        // tests that follow run theirs again.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
}

const char* const kTaken = "is a duplicate record number";
const char* const kCityQuestion = "Has already been assigned";
const CloseCase kCloseCases[] = {
    {"PreviewDuplicate", true, Closed::TitleBar, "RNum", "0014", kTaken, nullptr},
    {"PreviewFresh", true, Closed::TitleBar, "RNum", "0099", nullptr, "0099"},
    {"CloseDuplicate", false, Closed::TitleBar, "RNum", "0014", kTaken, nullptr},
    {"CloseFresh", false, Closed::TitleBar, "RNum", "0099", nullptr, "0099"},
    {"ExitDuplicate", false, Closed::Exit, "RNum", "0014", kTaken, nullptr},
    {"ExitFresh", false, Closed::Exit, "RNum", "0099", nullptr, "0099"},
    {"PreviewCity", true, Closed::TitleBar, "City", "Chatham", kCityQuestion, "Chatham"},
    {"CloseDate", false, Closed::TitleBar, "BaptDate", "5/3/09", nullptr, "05/03/09"},
    {"ExitCity", false, Closed::Exit, "City", "Chatham", kCityQuestion, "Chatham"},
    {"ExitDate", false, Closed::Exit, "BaptDate", "5/3/09", nullptr, "05/03/09"},
    {"AttendanceScreenDuplicate", false, Closed::AttendanceScreen, "RNum", "0014", kTaken, nullptr},
    {"AttendanceScreenFresh", false, Closed::AttendanceScreen, "RNum", "0099", nullptr, "0099"},
    {"AttendanceScreenLeftWithADuplicate", false, Closed::AttendanceScreenLeft, "RNum", "0014", kTaken, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Closing, ClosingTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Records, Copy to New Record (a fourth record, "Unknown"): alone; on a full disk, or with
// the settings file refused, where the copy is not counted and moving on writes no other
// slot; and followed by Add New Records, where the first-name box is left on the copy, not
// on the new name's blank screen.
class CopyTest : public OpenWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(CopyTest, CopyToNewRecord) {
    const bool thenAdd = GetParam() == std::string("ThenAdd"), noSettings = GetParam() == std::string("NoSettings");
    const bool diskFull = GetParam() == std::string("OnAFullDisk") || noSettings;
    if (noSettings) t.files.failAt(1, err::DiskFull, FakeFiles::Op::Save);
    if (diskFull && !noSettings)
        app.crusade.file.setWriteCall([](int, const char*, qint64, qint64) -> qint64 { return errno = ENOSPC, -1; });
    const qint16 reserved = app.settings.ReservedNumber;
    t.dialogs.answer(AnsYes);
    trigger(QStringLiteral("mnuCopy"));
    app.crusade.file.setWriteCall({});
    EXPECT_EQ(text(QStringLiteral("RecordCounter")), diskFull ? QStringLiteral("1 of 3") : QStringLiteral("4 of 4"));
    EXPECT_EQ(t.dialogs.messages().last().startsWith(QStringLiteral("The copy was not made.\r\n")), diskFull);
    EXPECT_EQ(app.settings.ReservedNumber == reserved, noSettings) << "the number is issued only with its file";
    if (thenAdd) {
        t.dialogs.type(QStringLiteral("5"));
        trigger(QStringLiteral("mnuAddRecords"));
        EXPECT_EQ(text(QStringLiteral("FName")), QString());
    } else {
        click(QStringLiteral("ChgRec(2)"));
    }
    const int records = diskFull ? 3 : 4;
    EXPECT_EQ(ReadFileBytes(file).size(), records * Crusade::RecLen);
    EXPECT_EQ(app.crusade.RecCount, records);
    if (!diskFull) {
        EXPECT_EQ(onFile(4).FName.bytes().trimmed(), QByteArray("Unknown"));
    }
}

INSTANTIATE_TEST_SUITE_P(Records, CopyTest, ::testing::Values("Alone", "OnAFullDisk", "NoSettings", "ThenAdd"),
                         [](const auto& info) { return std::string(info.param); });

// A new crusade, three names typed in from the keyboard, the program closed and the
// crusade opened again: the data file holds the three records exactly.
class NewCrusadeTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    std::unique_ptr<EditForm> form;

    QWidget* widget(const char* name) const { return qobject_cast<QWidget*>(form->object(QLatin1String(name))); }
    QWidget* focusedBox() const { return qobject_cast<QWidget*>(form->object(form->focused())); }
    void type(const QString& keys) { QTest::keyClicks(focusedBox(), keys); }
    void enter() { QTest::keyClick(focusedBox(), Qt::Key_Return); }
    // Types into the boxes one after another, Enter after each.
    void typeName(const QStringList& boxes) {
        for (const QString& keys : boxes) {
            type(keys);
            enter();
        }
    }
};

// A name typed in at the first meeting with the address of the walk below.
AttendeeRecord Expected(const char* rnum, const char* first, const char* last) {
    AttendeeRecord r = Person(rnum, first, last);
    r.Address = "12 Oak St";
    r.City = "Grand rapids";
    r.State = "MI";
    r.Zip = "49503";
    r.RelPref = "UnSpecified";
    return r;
}

TEST_F(NewCrusadeTest, NamesTypedIntoANewCrusadeAreOnFileAfterTheProgramCloses) {
    const QString file = t.path("data/autumn.dta");
    t.dialogs.choose(file).answer(AnsNo);  // no settings from a prior crusade
    ASSERT_EQ(SelectCrusade(app), CrusadeChoice::Created);
    InstallAddModeHooks(app);
    form = std::make_unique<EditForm>(app);
    form->load();
    form->run([&] { BeginFirstRecord(app, *form); });
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(app.crusade.AddMode);
    ASSERT_EQ(form->focused(), QStringLiteral("RNum"));

    // The first name: a number drawn by leaving the box empty, Enter down to the team box,
    // whose Enter goes to Save and New; Enter there saves.
    typeName({"", "mary", "smith", "12 oak street", "49503", "MI", "grand rapids", "", "(555) 1234", ""});
    ASSERT_EQ(form->focused(), QStringLiteral("Age"));
    type(QStringLiteral("3"));
    ASSERT_EQ(form->focused(), QStringLiteral("RelPref"));
    t.dialogs.type(QString());
    QTest::keyClick(focusedBox(), Qt::Key_Tab);  // to the advertising box, which asks
    ASSERT_EQ(form->focused(), QStringLiteral("btnSaveNew"));
    enter();
    EXPECT_EQ(app.crusade.RecCount, 1);

    // The second and third: the number typed, the address block copied with F3, and the
    // buttons clicked.
    typeName({"0101", "john"});
    QTest::keyClicks(focusedBox(), QStringLiteral("smith"));
    QTest::keyClick(focusedBox(), Qt::Key_F3);
    ASSERT_EQ(form->focused(), QStringLiteral("Age"));
    type(QStringLiteral("3"));
    QTest::mouseClick(widget("btnSaveNew"), Qt::LeftButton);
    EXPECT_EQ(app.crusade.RecCount, 2);

    // A zip the table knows fills the city and the state and goes on to the telephone.
    typeName({"0102", "ann", "jones", "12 oak street", "49503"});
    ASSERT_EQ(form->focused(), QStringLiteral("Phone"));
    typeName({"5551234", ""});
    type(QStringLiteral("3"));
    QTest::mouseClick(widget("btnSaveExit"), Qt::LeftButton);
    EXPECT_FALSE(app.crusade.AddMode);
    EXPECT_EQ(form->text(QStringLiteral("RNum")), QStringLiteral("0102"));

    form->close();
    ASSERT_TRUE(form->ended());
    ASSERT_FALSE(app.crusade.file.isOpen());

    ASSERT_TRUE(OpenCrusade(app, file));
    AttendeeRecord john = Expected("0101", "John", "Smith");
    john.MailList = 0;  // F3 takes the name off the mail list
    const QList<AttendeeRecord> expected = {Expected("9998", "Mary", "Smith"), john, Expected("0102", "Ann", "Jones")};
    const QByteArray bytes = ReadFileBytes(file);
    ASSERT_EQ(bytes.size(), 3 * AttendeeRecord::Size);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(bytes.mid(i * AttendeeRecord::Size, AttendeeRecord::Size), expected[i].encode())
            << "record " << i + 1;
}

}  // namespace
