// Every command of the program's windows that prints, found in the windows themselves (a
// menu item or a button that names printing, or an item of a menu that does): run against
// a PDF file on a full disk, the error names the file and the reason, nothing follows it,
// and the file printed there before stays as it was; run over names alike in their first
// twenty letters, each name printed reads as itself and no other of its kind.

#include "AlikeNames.h"
#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "ViewFixture.h"
#include "app/ui/CrusadeWindows.h"
#include "app/ui/ProgramWindows.h"
#include "attendance/ui/AttendF.h"
#include "data/CrusadeFiles.h"
#include "data/Errors.h"
#include "data/SideFiles.h"
#include "mainwindow/ui/EditForm.h"
#include "platform/ui/QtPrinter.h"
#include "views/Indexes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace fennick;
using namespace fennick::test;

namespace {

const QByteArray kEarlierPdf = "%PDF-1.4 the printout made before";

bool NamesPrinting(const QString& text) {
    return text.contains(QLatin1String("print"), Qt::CaseInsensitive);
}

// The window a command belongs to: the first window above it that is not a menu.
QWidget* OwnerWindow(QObject* command) {
    for (QObject* o = command->parent(); o; o = o->parent()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) return w;
    }
    return nullptr;
}

// Whether an action stands in a menu, or a submenu of one, whose title names printing.
bool InPrintMenu(const QAction* action) {
    for (QObject* o : action->associatedObjects()) {
        const auto* menu = qobject_cast<QMenu*>(o);
        if (menu && (NamesPrinting(menu->title()) || InPrintMenu(menu->menuAction()))) return true;
    }
    return false;
}

// The commands of window that a user can run and that say they print.
QList<QObject*> PrintCommands(QWidget* window) {
    QList<QObject*> out;
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->menu() || a->isSeparator() || !a->isEnabled() || OwnerWindow(a) != window) continue;
        if (NamesPrinting(a->objectName()) || NamesPrinting(a->text()) || NamesPrinting(a->toolTip()) || InPrintMenu(a))
            out << a;
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->isCheckable() || !b->isEnabled() || OwnerWindow(b) != window) continue;
        if (NamesPrinting(b->objectName()) || NamesPrinting(b->text()) || NamesPrinting(b->toolTip())) out << b;
    }
    return out;
}

QString CommandName(const QObject* command) {
    if (!command->objectName().isEmpty()) return command->objectName();
    if (const auto* a = qobject_cast<const QAction*>(command)) return a->text();
    return qobject_cast<const QAbstractButton*>(command)->text();
}

// Answers each modal dialog as a person would who takes its first choice and its default
// button; one that stays open after that is cancelled.
class ModalAnswers : public QObject {
public:
    ModalAnswers() {
        ModalGuard::allow(true);
        qApp->installEventFilter(this);
    }
    ~ModalAnswers() override {
        qApp->removeEventFilter(this);
        ModalGuard::allow(false);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* d = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && d && d->isModal()) QTimer::singleShot(0, d, [d] { answer(d); });
        return QObject::eventFilter(watched, event);
    }

private:
    static void answer(QDialog* d) {
        const QList<QRadioButton*> choices = d->findChildren<QRadioButton*>();
        bool chosen = false;
        for (const QRadioButton* r : choices) chosen = chosen || r->isChecked();
        if (!chosen && !choices.isEmpty()) choices.front()->click();
        for (QPushButton* b : d->findChildren<QPushButton*>())
            if (b->isDefault()) {
                b->click();
                break;
            }
        QPointer<QDialog> still(d);
        QTimer::singleShot(0, d, [still] {
            if (still && still->isVisible()) still->reject();
        });
    }
};

// How the program opens each of its windows; the team names with their print button, as
// the zip-code editor asks for them, and the attendance editor over the attendance screen,
// which takes the main window's turn.
void OpenPreferences(App& app) {
    app.msg.MsgText = QStringLiteral("team");
    app.hooks.showPreferences();
}
void OpenAttendanceScreen(App& app) {
    app.msg.MsgAnswer = QStringLiteral("3");
    app.hooks.showAttendanceScreen();
}
const struct {
    const char* windows;  // those it opens
    void (*open)(App& app, CrusadeWindows& windows);
} kOpeners[] = {
    {"PrintReports", [](App& app, CrusadeWindows&) { app.hooks.openPrintReports(); }},
    {"BlankFrm", [](App& app, CrusadeWindows&) { app.hooks.showCrusadeStatistics(); }},
    {"EditZip ZipCnt", [](App& app, CrusadeWindows&) { app.hooks.showZipEditor(); }},
    {"Members", [](App& app, CrusadeWindows&) { app.hooks.showMembers(); }},
    {"frmTab", [](App& app, CrusadeWindows&) { OpenPreferences(app); }},
    {"AttendF", [](App& app, CrusadeWindows&) { OpenAttendanceScreen(app); }},
    {"AttendFieldUpdate",
     [](App& app, CrusadeWindows& windows) {
         OpenAttendanceScreen(app);
         if (auto* screen = windows.window<AttendF>(QStringLiteral("AttendF")))
             app.hooks.attendFAttendanceUpdate(*screen);
     }},
};

// The program's windows over a crusade: the main window and every other window, or the
// one named only.
struct Program {
    struct Options {
        QString only;
        // Printing to PDF files with the real printer; else to the recording printer.
        bool realPrinter = true;
        QList<AttendeeRecord> records = FixtureRecords();
        qint16 lastMeeting = 12;
        // Run on the crusade opened, before any window is.
        std::function<void(App&)> prepare;
    };

    explicit Program(const Options& o)
        : printer(o.realPrinter ? std::make_unique<QtPrinter>() : nullptr), t(printer.get()) {
        CrusadeSpec s;
        s.records = o.records;
        s.lastMeeting = o.lastMeeting;
        s.zips = {"62704     IL05Springfield       3"};
        s.members = {MemberEntry("0301", "Baker", "Ruth")};
        const QString file = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
        EXPECT_TRUE(OpenCrusade(app, file));
        if (o.prepare) o.prepare(app);
        IndexAlpha(app);
        windows = std::make_unique<ProgramWindows>(app);
        EditForm& form = windows->main();
        form.load();
        form.show();
        for (const auto& opener : kOpeners)
            if (o.only.isEmpty() || QString::fromLatin1(opener.windows).split(u' ').contains(o.only))
                opener.open(app, windows->crusadeWindows());
        QCoreApplication::processEvents();
    }
    ~Program() {
        windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The main window and every one of the crusade's windows, by name; a window the program
    // knows that is not open fails the test.
    QList<std::pair<QString, QWidget*>> allWindows() {
        QList<std::pair<QString, QWidget*>> out{{QStringLiteral("EditForm"), &windows->main()}};
        for (const QString& name : windows->crusadeWindows().names()) {
            QWidget* w = windows->crusadeWindows().find(name);
            EXPECT_NE(w, nullptr) << name.toStdString() << " is not opened by the walk";
            if (w) out.append({name, w});
        }
        return out;
    }
    QWidget* window(const QString& name) {
        return name == QLatin1String("EditForm") ? &windows->main() : windows->crusadeWindows().find(name);
    }

    std::unique_ptr<QtPrinter> printer;
    TestApp t;
    App& app = t.app;
    std::unique_ptr<ProgramWindows> windows;
};

// The windows that show more than one printout, and the button that brings each further
// one: their print commands are run in each.
const struct {
    const char* window;
    const char* button;
} kFurtherPrintouts[] = {
    {"BlankFrm", "btnSwitchStats"},        // the visitation report
    {"PrintReports", "chkPrnMailLabels"},  // the mail labels of the list
};

// A print command as the walk found it: its window, the button clicked first (none: the
// window as opened) and the command's name.
struct Found {
    QString window;
    QString before;
    QString command;
    QString trace() const { return window + QLatin1Char(' ') + before + QLatin1Char(' ') + command; }
};

// Every print command of every window of the program that options open, in each of the
// window's printouts.
QList<Found> FoundPrintCommands(const Program::Options& options) {
    QList<Found> found;
    Program program(options);
    for (const auto& [name, w] : program.allWindows()) {
        QStringList states{QString()};
        for (const auto& further : kFurtherPrintouts)
            if (name == QLatin1String(further.window)) states << QLatin1String(further.button);
        for (QObject* c : PrintCommands(w))
            for (const QString& before : states) found.append({name, before, CommandName(c)});
    }
    return found;
}

void RunCommand(QObject* command) {
    if (auto* a = qobject_cast<QAction*>(command))
        a->trigger();
    else
        qobject_cast<QAbstractButton*>(command)->click();
    QCoreApplication::processEvents();
}

// The command found, in its window of p brought to the printout it was found in.
QObject* ReachCommand(Program& p, const Found& f) {
    QWidget* window = p.window(f.window);
    if (!window) return nullptr;
    if (!f.before.isEmpty()) RunCommand(window->findChild<QAbstractButton*>(f.before));
    for (QObject* c : PrintCommands(window))
        if (CommandName(c) == f.command) return c;
    return nullptr;
}

TEST(PrintCommands, EveryPrintCommandTellsTheFileAndTheReasonAndKeepsTheEarlierFile) {
    const ModalAnswers modals;
    const QList<Found> found = FoundPrintCommands(Program::Options());
    ASSERT_FALSE(found.isEmpty());

    QSet<QString> named, printed;  // windows (and their further printouts) with print commands
    for (const Found& f : found) {
        SCOPED_TRACE(f.trace().toStdString());
        Program::Options options;
        options.only = f.window;
        Program p(options);
        QObject* command = ReachCommand(p, f);
        ASSERT_NE(command, nullptr);

        const QString pdf = p.t.path(QStringLiteral("earlier.pdf"));
        WriteFileBytes(pdf, kEarlierPdf);
        p.t.files.fullWhere(pdf);
        PrinterChoice toFile;
        toFile.toPdf = true;
        toFile.pdfPath = pdf;
        int printerDialogs = 0;
        p.t.dialogs.clear();
        p.t.dialogs.otherwise(AnsYes);
        p.t.dialogs.onShow = [&](const FakeDialogs::Shown& shown) {
            if (shown.kind == FakeDialogs::Kind::Printer) {
                ++printerDialogs;
                p.t.dialogs.print(toFile);
            } else if (shown.kind == FakeDialogs::Kind::Input) {
                p.t.dialogs.type(shown.defaultText.isEmpty() ? QStringLiteral("1") : shown.defaultText);
            }
        };
        RunCommand(command);
        p.t.dialogs.onShow = nullptr;

        const QString where = f.window + QLatin1Char(' ') + f.before;
        named.insert(where);
        // A command that asks for no printer does not print (a setting of the printouts, a
        // document handed to the desktop's viewer).
        if (printerDialogs == 0) continue;
        printed.insert(where);
        const QString told =
            CommonErrorText(VbError(err::PrinterError, QStringLiteral("Could not write ") + pdf +
                                                           QStringLiteral(": No space left on device")),
                            kSourceFennick95);
        EXPECT_EQ(p.t.dialogs.messages().count(told), 1) << p.t.dialogs.messages().join(" / ").toStdString();
        // Nothing after it: no message of success, no further question.
        ASSERT_FALSE(p.t.dialogs.shown().empty());
        EXPECT_EQ(p.t.dialogs.shown().back().text.toStdString(), told.toStdString());
        EXPECT_EQ(ReadFileBytes(pdf), kEarlierPdf);
        EXPECT_EQ(QDir(p.t.path(QString())).entryList({QStringLiteral("earlier.pdf*")}, QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("earlier.pdf")});
    }
    // Every window, and every further printout, whose commands name printing prints.
    EXPECT_EQ(printed, named);
}

TEST(PrintCommands, EveryNameReadsAsItselfAndNoOtherOfItsKind) {
    const ModalAnswers modals;
    const Vocabulary v = AlikeNames();
    Program::Options options;
    options.realPrinter = false;
    options.records = AlikePeople(v);
    options.lastMeeting = 40;
    options.prepare = [&v](App& app) { UseAlikeNames(app, v); };
    const QList<Found> found = FoundPrintCommands(options);
    ASSERT_FALSE(found.isEmpty());
    NamesRead count;
    for (const Found& f : found) {
        SCOPED_TRACE(f.trace().toStdString());
        options.only = f.window;
        Program p(options);
        QObject* command = ReachCommand(p, f);
        ASSERT_NE(command, nullptr);
        p.t.dialogs.clear();
        p.t.dialogs.otherwise(AnsYes);
        p.t.dialogs.onShow = [&p](const FakeDialogs::Shown& shown) {
            if (shown.kind == FakeDialogs::Kind::Printer) p.t.dialogs.print(PrinterChoice{});
            // A night or a number of nights is asked without a text offered.
            if (shown.kind == FakeDialogs::Kind::Input)
                p.t.dialogs.type(shown.defaultText.isEmpty() ? QStringLiteral("36") : shown.defaultText);
        };
        RunCommand(command);
        p.t.dialogs.onShow = nullptr;
        EXPECT_EQ(MisprintedNames(p.t.printer.documents(), v, count).join(u'\n').toStdString(), "");
    }
    // Every kind was read, and cut somewhere (but the media, whose twenty letters fit every
    // place they are printed in).
    for (const auto& [kind, names] : v) {
        EXPECT_GT(count.read[kind], 0) << kind.toStdString();
        if (kind != "media") {
            EXPECT_GT(count.cut[kind], 0) << kind.toStdString();
        }
    }
}

}  // namespace
