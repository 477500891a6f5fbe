// The windows the main window opens on the record it shows, driven with the mouse and the
// keyboard: the interview box opens the appointment dialog, the attendance box the
// attendance editor, and Edit, Enter Visits the visit frame with its visit-code window.
// Each changes the main window's boxes only; the file changes when the main window saves.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RealBoxes.h"
#include "RecordBuilder.h"
#include "attendance/ui/AppointmentFm.h"
#include "attendance/ui/AttendF.h"
#include "attendance/ui/AttendFieldUpdate.h"
#include "attendance/ui/fEnterVisits.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/ui/EditForm.h"
#include "views/Indexes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace fennick;
using namespace fennick::test;

namespace {

class OverTheMainWindow : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    std::unique_ptr<EditForm> form;

    // Adams (record 2) shown first, then Baker (record 3) and Smith (record 1).
    void SetUp() override {
        CrusadeSpec spec;  // last meeting 5
        spec.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams"),
                        Person("0014", "Ruth", "Baker")};
        spec.records[1].Visits = "h02";
        ASSERT_TRUE(OpenCrusade(app, WriteCrusade(t, t.path("data"), QStringLiteral("spring"), spec)));
        IndexAlpha(app);
        InstallAddModeHooks(app);
        form = std::make_unique<EditForm>(app);
        AttendF::install(app, form.get());
        AppointmentFm::install(app);
        AttendFieldUpdate::install(app);
        fEnterVisits::install(app);
        form->load();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_EQ(text("LName"), QStringLiteral("Adams"));
    }
    void TearDown() override {
        ModalGuard::allow(false);
        if (AttendFieldUpdate* e = editor()) e->close();
        form->hide();
    }

    QString text(const char* name) const { return form->text(QLatin1String(name)); }
    QWidget* widget(const char* name) const { return qobject_cast<QWidget*>(form->object(QLatin1String(name))); }
    AttendFieldUpdate* editor() const { return form->findChild<AttendFieldUpdate*>(); }
    AttendeeRecord adams() { return ReadRecord(app, 2); }
    // Runs steps on the modal window the action opens, once it is up.
    template <typename Window>
    void onModal(const std::function<void()>& action, const std::function<void(Window&)>& steps) {
        ModalGuard::allow(true);
        bool reached = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            reached = true;
            steps(*w);
            if (w->isVisible()) w->reject();  // never left waiting
        });
        action();
        ModalGuard::allow(false);
        EXPECT_TRUE(reached);
    }
    static void click(QWidget& window, const QString& name) {
        auto* w = window.findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        // Near the left edge, where an option button's mark is.
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(qMin(8, w->width() / 2), w->height() / 2));
    }
    void saveByMoving() { QTest::mouseClick(widget("ChgRec(2)"), Qt::LeftButton); }
};

TEST_F(OverTheMainWindow, InterviewBoxSetsAnAppointmentInTheBoxesUntilTheRecordIsSaved) {
    onModal<AppointmentFm>([&] { QTest::mouseClick(widget("Class"), Qt::LeftButton); },
                           [](AppointmentFm& d) {
                               EXPECT_EQ(d.windowTitle(), QStringLiteral("Set Appointment Date and Time"));
                               EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblAptName"))->text(),
                                         QStringLiteral("John Adams"));
                               click(d, QStringLiteral("optAptDay(1)"));
                               click(d, QStringLiteral("optAptTime(8)"));
                               EXPECT_EQ(d.rules().lblApt(), QStringLiteral("Monday: 04:00pm"));
                               click(d, QStringLiteral("btnSave"));
                           });
    EXPECT_EQ(text("Visits"), QStringLiteral("H02A24"));
    EXPECT_EQ(form->value(QStringLiteral("Class")), 1);
    EXPECT_EQ(adams().Visits.bytes(), QByteArray("h02         "));
    EXPECT_EQ(adams().Class, 0);
    QTest::qWait(20);  // the activation after the dialog keeps the boxes
    EXPECT_EQ(text("Visits"), QStringLiteral("H02A24"));

    saveByMoving();
    EXPECT_EQ(adams().Visits.bytes(), QByteArray("H02A24      "));
    EXPECT_EQ(adams().Class, 1);

    // Reopened on that record: Monday is chosen; a second click clears it and Save takes
    // the appointment out.
    QTest::mouseClick(widget("ChgRec(1)"), Qt::LeftButton);
    ASSERT_EQ(text("LName"), QStringLiteral("Adams"));
    onModal<AppointmentFm>([&] { QTest::mouseClick(widget("Class"), Qt::LeftButton); },
                           [](AppointmentFm& d) {
                               EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("optAptDay(1)"))->isChecked());
                               click(d, QStringLiteral("optAptDay(1)"));
                               EXPECT_FALSE(d.findChild<QRadioButton*>(QStringLiteral("optAptDay(1)"))->isChecked());
                               click(d, QStringLiteral("btnSave"));
                           });
    EXPECT_EQ(text("Visits"), QStringLiteral("H02"));
    EXPECT_EQ(form->value(QStringLiteral("Class")), 0);
    EXPECT_FALSE(t.dialogs.pending());
}

TEST_F(OverTheMainWindow, AttendanceBoxOpensTheEditorWhoseSaveReachesTheFileWithTheMainWindowsSave) {
    QTest::mouseClick(widget("Attendance"), Qt::LeftButton);
    AttendFieldUpdate* e = editor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Attendance Update"));
    EXPECT_LE(e->frameGeometry().width(), 1366);
    EXPECT_LE(e->frameGeometry().height(), 768);
    // The nine decision options stand in one column under each other.
    for (int i = 2; i <= 9; ++i) {
        const QWidget* above = e->findChild<QWidget*>(QStringLiteral("optAtDe(%1)").arg(i - 1));
        const QWidget* o = e->findChild<QWidget*>(QStringLiteral("optAtDe(%1)").arg(i));
        ASSERT_TRUE(above && o) << i;
        EXPECT_EQ(o->x(), above->x()) << i;
        EXPECT_GT(o->y(), above->y()) << i;
    }
    click(*e, QStringLiteral("ATD(2)"));
    EXPECT_EQ(e->findChild<QLineEdit*>(QStringLiteral("Attendance"))->text().left(5), QStringLiteral("1-3--"));
    click(*e, QStringLiteral("ATD(6)"));  // after the last meeting: refused
    EXPECT_EQ(t.dialogs.messages().size(), 1);
    click(*e, QStringLiteral("ExitAttendUpdate"));
    QTest::qWait(20);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(text("Attendance").left(5), QStringLiteral("1-3--"));
    EXPECT_EQ(text("Attend"), QStringLiteral("2"));
    EXPECT_EQ(text("Last"), QStringLiteral("3"));
    EXPECT_EQ(adams().Attendance.bytes().left(5), QByteArray("1----"));

    saveByMoving();
    EXPECT_EQ(adams().Attendance.bytes().left(5), QByteArray("1-3--"));
    EXPECT_EQ(adams().Attend.bytes(), QByteArray("2 "));
    EXPECT_EQ(adams().Last, 3);
}

// The editor's own messages, shown as real boxes over it: coming back from one plays no
// "laser" and leaves the focus on Save. A real activation still plays it.
TEST_F(OverTheMainWindow, TheEditorsOwnMessagesPlayNoSoundAndHandTheFocusToSave) {
    app.settings.SoundOn = true;
    QTest::mouseClick(widget("Attendance"), Qt::LeftButton);
    QPointer<AttendFieldUpdate> e = editor();
    ASSERT_TRUE(e);
    auto lasers = [&] { return int(t.sound.played.filter(QStringLiteral("S01.wav")).size()); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return lasers() == 1; }));

    struct Case {
        const char* name;
        const char* control;
        int answer;  // 0: an OK box
    };
    const Case cases[] = {
        {"a night after the last meeting", "ATD(6)", 0},
        {"the only night taken off", "ATD(0)", 0},
        {"All answered No", "btnFill", AnsNo},
        {"Clear answered Yes", "btnClearAttend", AnsYes},
        {"a click in the string", "Attendance", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RealBoxes boxes(t.dialogs, e);
        t.dialogs.clear();
        if (c.answer != 0) t.dialogs.answer(c.answer);
        click(*e, QLatin1String(c.control));
        EXPECT_EQ(t.dialogs.shown().size(), 1u);
        // The desktop hands the focus back to the editor.
        e->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(e));
        QTest::qWait(20);
        EXPECT_EQ(lasers(), 1);
        EXPECT_EQ(QApplication::focusWidget(), e->findChild<QWidget*>(QStringLiteral("ExitAttendUpdate")));
    }

    ASSERT_TRUE(ActivateFromAnotherProgram(e));
    EXPECT_TRUE(QTest::qWaitFor([&] { return lasers() == 2; }));
}

TEST_F(OverTheMainWindow, AFailingEditorCommandIsReportedOnceAndTheEditorGoesOn) {
    QTest::mouseClick(widget("Attendance"), Qt::LeftButton);
    AttendFieldUpdate* e = editor();
    ASSERT_NE(e, nullptr);
    t.dialogs.clear();
    t.dialogs.fail(err::PermissionDenied, QStringLiteral("Permission denied"));
    click(*e, QStringLiteral("ATD(6)"));  // its refusal fails
    ASSERT_EQ(t.dialogs.shown().size(), 2u);
    EXPECT_EQ(t.dialogs.shown()[1].text,
              QStringLiteral("Error #  70 was generated by Fennick95 Error: \r\nPermission denied"));
    click(*e, QStringLiteral("ATD(2)"));
    EXPECT_EQ(e->findChild<QLineEdit*>(QStringLiteral("Attendance"))->text().left(5), QStringLiteral("1-3--"));
    EXPECT_TRUE(e->isVisible());
}

TEST_F(OverTheMainWindow, EditorClosesWithoutWritingWhenTheMainWindowMoves) {
    QTest::mouseClick(widget("Attendance"), Qt::LeftButton);
    QPointer<AttendFieldUpdate> e = editor();
    ASSERT_TRUE(e);
    click(*e, QStringLiteral("ATD(1)"));
    saveByMoving();
    QTest::qWait(20);
    EXPECT_FALSE(e);
    EXPECT_EQ(text("LName"), QStringLiteral("Baker"));
    EXPECT_EQ(text("Attendance").left(3), QStringLiteral("1--"));
    EXPECT_EQ(adams().Attendance.bytes().left(3), QByteArray("1--"));
    EXPECT_EQ(ReadRecord(app, 3).Attendance.bytes().left(3), QByteArray("1--"));
}

TEST_F(OverTheMainWindow, VisitFrameTypesATeamsVisitsPersonAfterPerson) {
    QAction* visits = form->action(QStringLiteral("mnuVisits"));
    ASSERT_TRUE(form->available(QStringLiteral("mnuVisits")));
    form->findChild<QLineEdit*>(QStringLiteral("boxVisitVisits"))->setText(QStringLiteral("p03"));
    visits->trigger();
    EXPECT_TRUE(widget("frameVisit")->isVisible());
    EXPECT_TRUE(visits->isChecked());
    EXPECT_EQ(text("Visits"), QStringLiteral("h02"));  // showing the frame applies nothing

    // A double click in the visit box: the visit-code window for its letter, one meeting up.
    onModal<fEnterVisits>([&] { QTest::mouseDClick(widget("boxVisitVisits"), Qt::LeftButton); },
                          [](fEnterVisits& w) {
                              EXPECT_EQ(w.windowTitle(), QStringLiteral("Visitation Code"));
                              EXPECT_TRUE(w.findChild<QRadioButton*>(QStringLiteral("optVType(1)"))->isChecked());
                              click(w, QStringLiteral("optVType(0)"));
                              click(w, QStringLiteral("btnPlus"));
                              QTest::keyClick(w.findChild<QLineEdit*>(QStringLiteral("tVNum")), Qt::Key_Return);
                          });
    EXPECT_EQ(text("boxVisitVisits"), QStringLiteral("H6"));
    form->setFocus(QStringLiteral("boxVisitInterest"));
    QTest::keyClicks(widget("boxVisitInterest"), QStringLiteral("b"));
    EXPECT_EQ(text("boxVisitVisits"), QStringLiteral("h06"));
    EXPECT_EQ(text("boxVisitInterest"), QStringLiteral("B"));

    QTest::mouseClick(widget("AutoUpdateVisits"), Qt::LeftButton);
    for (const char* number : {"0014", "0012"}) {
        form->setFocus(QStringLiteral("SearchBox"));
        QTest::keyClicks(widget("SearchBox"), QLatin1String(number));
        QTest::keyClick(widget("SearchBox"), Qt::Key_Return);
        EXPECT_EQ(text("RNum"), QLatin1String(number));
        EXPECT_EQ(text("Visits"), QStringLiteral("h06"));
        EXPECT_EQ(text("IntLevel"), QStringLiteral("B"));
    }
    saveByMoving();  // Smith is last: the save stays on him
    EXPECT_EQ(ReadRecord(app, 3).Visits.bytes(), QByteArray("h06         "));
    EXPECT_EQ(ReadRecord(app, 1).Visits.bytes(), QByteArray("h06         "));
    EXPECT_EQ(ReadRecord(app, 1).IntLevel.bytes(), QByteArray("B"));

    visits->trigger();
    EXPECT_FALSE(widget("frameVisit")->isVisible());
    EXPECT_FALSE(visits->isChecked());
    EXPECT_EQ(form->value(QStringLiteral("AutoUpdateVisits")), 0);
    EXPECT_FALSE(t.dialogs.pending());
}

// At the main window's normal size the visit frame, once shown, has room for the whole
// caption of its check box, as the program's other captioned boxes do; the window keeps its size.
TEST_F(OverTheMainWindow, TheVisitFrameShowsItsCheckBoxsWholeCaption) {
    const QSize normal = form->size();
    form->action(QStringLiteral("mnuVisits"))->trigger();
    QTest::qWait(10);
    EXPECT_EQ(form->size(), normal);
    EXPECT_LE(form->frameGeometry().width(), 1366);
    for (const char* name : {"AutoUpdateVisits", "MailList", "chkMarkToVisit"}) {
        SCOPED_TRACE(name);
        auto* box = form->findChild<QCheckBox*>(QLatin1String(name));
        ASSERT_TRUE(box && box->isVisible());
        QCheckBox whole(box->text());
        whole.setFont(box->font());
        EXPECT_GE(box->width(), whole.sizeHint().width());
    }
}

// A press of either mouse button on the visit frame hides it, as Edit, Enter Visits does.
TEST_F(OverTheMainWindow, EitherButtonOnTheVisitFrameHidesIt) {
    QAction* visits = form->action(QStringLiteral("mnuVisits"));
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(button == Qt::LeftButton ? "left" : "right");
        visits->trigger();
        ASSERT_TRUE(widget("frameVisit")->isVisible());
        form->findChild<QWidget*>(QStringLiteral("AutoUpdateVisits"))->setProperty("checked", true);
        QTest::mousePress(widget("frameVisit"), button, {}, QPoint(4, widget("frameVisit")->height() - 4));
        QTest::mouseRelease(widget("frameVisit"), button, {}, QPoint(4, widget("frameVisit")->height() - 4));
        EXPECT_FALSE(widget("frameVisit")->isVisible());
        EXPECT_FALSE(visits->isChecked());
        EXPECT_EQ(form->value(QStringLiteral("AutoUpdateVisits")), 0);
    }
}

// On the attendance screen the same windows work on that screen's record: the appointment
// reaches the file with the screen's save, and an editor left open when the screen closes
// goes with it, writing nothing.
TEST_F(OverTheMainWindow, OnTheAttendanceScreenTheyServeItsRecord) {
    t.dialogs.type(QStringLiteral("6"));
    form->action(QStringLiteral("mnuAttendUpdate"))->trigger();
    AttendF* s = form->findChild<AttendF*>();
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == s->windowHandle(); }));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0014"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(s->text(QStringLiteral("LName")), QStringLiteral("Baker"));

    auto* interview = qobject_cast<QWidget*>(s->object(QStringLiteral("Class")));
    ASSERT_TRUE(interview->isEnabled());
    onModal<AppointmentFm>([&] { QTest::mouseClick(interview, Qt::LeftButton); },
                           [](AppointmentFm& d) {
                               EXPECT_EQ(d.rules().lblAptName(), QStringLiteral("Ruth Baker"));
                               click(d, QStringLiteral("optAptDay(5)"));
                               click(d, QStringLiteral("optAptTime(4)"));
                               click(d, QStringLiteral("btnSave"));
                           });
    EXPECT_EQ(s->text(QStringLiteral("Visits")), QStringLiteral("A60"));
    EXPECT_EQ(s->value(QStringLiteral("Class")), 1);

    QTest::mouseClick(qobject_cast<QWidget*>(s->object(QStringLiteral("Attendance"))), Qt::LeftButton);
    QPointer<AttendFieldUpdate> e = s->findChild<AttendFieldUpdate*>();
    ASSERT_TRUE(e);
    click(*e, QStringLiteral("ATD(2)"));
    s->close();  // Done
    QTest::qWait(20);
    EXPECT_FALSE(e);
    const AttendeeRecord baker = ReadRecord(app, 3);
    EXPECT_EQ(baker.Visits.bytes(), QByteArray("A60         "));
    EXPECT_EQ(baker.Class, 1);
    EXPECT_EQ(baker.Attendance.bytes().left(6), QByteArray("1----6"));
    // The main window shows the screen's last record again, as it is in the file.
    EXPECT_EQ(text("LName"), QStringLiteral("Baker"));
    EXPECT_EQ(text("Visits"), QStringLiteral("A60"));
    EXPECT_FALSE(t.dialogs.pending());
}

}  // namespace
