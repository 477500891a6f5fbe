#include "attendance/ui/AttendF.h"

#include "attendance/AttendCommands.h"
#include "attendance/AttendFControls.h"
#include "attendance/AttendOpening.h"
#include "attendance/AttendRecord.h"
#include "attendance/NightlyEntry.h"
#include "attendance/PrayerRequests.h"
#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "platform/CommandWindow.h"
#include "platform/Dialogs.h"

#include <QAbstractPrintDialog>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace fennick {

namespace {

// The screen whose hooks are set: the one made last, until it is unloaded.
AttendF* gHooksOwner = nullptr;

// Room left on the screen for the window's title bar.
constexpr int kTitleBarRoom = 40;

bool IsSystemColour(BgrColor c) {
    return (c & 0x80000000u) != 0;
}

void SetRole(QWidget* w, QPalette::ColorRole role, BgrColor c) {
    QPalette pal = w->palette();
    pal.setColor(role, IsSystemColour(c) ? QApplication::palette(w).color(role)
                                         : QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
    w->setPalette(pal);
}

// Message texts carry CR LF line breaks; labels show plain ones.
QString Shown(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString Indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

// The boxes whose leave rule runs when the focus moves on to another control.
const char* const kLeaveRules[] = {"RNum", "WorkerCode", "Address", "Phone", "MtgNum"};

}  // namespace

AttendF::AttendF(App& app, QWidget* parent) : QMainWindow(parent, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("AttendF"));
    setWindowTitle(QStringLiteral("Attendance"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildMenu();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(6);
    column->addWidget(buildEntry());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildRecord(), 3);
    middle->addWidget(buildDecisions(), 2);
    column->addLayout(middle, 1);
    column->addWidget(buildCommands());
    setCentralWidget(central);
    wire();

    app_.hooks.attendanceFormLoaded = [] { return true; };
    app_.hooks.attendFPrayerRequest = [this](MainScreen& form) { attendf::EnterPrayerFromAttend(app_, st_, form); };
    gHooksOwner = this;
    QSize size(1180, 600);
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() - QSize(0, kTitleBarRoom));
    resize(size);
}

AttendF::~AttendF() {
    QObject::disconnect(qApp, nullptr, this, nullptr);
    releaseHooks();
}

void AttendF::releaseHooks() {
    if (gHooksOwner != this) return;
    gHooksOwner = nullptr;
    app_.hooks.attendanceFormLoaded = nullptr;
    app_.hooks.attendFPrayerRequest = nullptr;
}

void AttendF::install(App& app, QWidget* parent) {
    auto screen = std::make_shared<QPointer<AttendF>>();
    app.hooks.showAttendanceScreen = [&app, parent, screen] {
        if (!*screen) *screen = new AttendF(app, parent);
        (*screen)->open();
    };
}

void AttendF::open() {
    exiting_ = false;
    run([this] { attendf::Form_Load(app_, st_, *this); });
    show();
    raise();
    activateWindow();
    run([this] {
        attendf::Form_Activate(app_, st_, *this);
        enableDialogControls();
    });
    setFocus(QStringLiteral("SearchBox"));
}

void AttendF::run(const std::function<void()>& command) {
    const CommandWindow window(this);
    ++depth_;
    RunGuarded(app_, kSourceFennick95, command);
    --depth_;
    if (depth_ == 0) applyPendingFocus();
}

// --- building -------------------------------------------------------------------------------

template <typename T>
T* AttendF::add(T* widget, const QString& name) {
    widget->setObjectName(name);
    objects_.insert(name.toLower(), widget);
    return widget;
}

QLineEdit* AttendF::box(const QString& name, int width) {
    auto* b = add(new QLineEdit(this), name);
    b->setMaxLength(width);
    const QFontMetrics m = b->fontMetrics();
    if (width <= 12) b->setMaximumWidth(m.horizontalAdvance(QLatin1Char('M')) * (width + 2) + 16);
    return b;
}

QLabel* AttendF::label(const QString& name, const QString& caption) {
    return add(new QLabel(caption, this), name);
}

void AttendF::buildMenu() {
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    add(tools, QStringLiteral("mnuAtTools"));
    QAction* prayer = tools->addAction(QStringLiteral("Prayer Requests"));
    prayer->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    add(prayer, QStringLiteral("mnuAtPrayerReq"));
}

QWidget* AttendF::buildEntry() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);

    auto* search = box(QStringLiteral("SearchBox"), 30);
    QFont big = search->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    search->setFont(big);
    search->setMinimumWidth(220);
    auto* caption = label(QStringLiteral("lblSearchBox"), QStringLiteral("Enter Number or Name to search for"));
    caption->setBuddy(search);
    row->addWidget(caption);
    row->addWidget(search, 1);
    for (const char* name : {"EntInd", "SDAIdent"}) {
        auto* shown = box(QLatin1String(name), name == QLatin1String("EntInd") ? 3 : 40);
        shown->setReadOnly(true);
        shown->setFocusPolicy(Qt::NoFocus);  // for display: the focus stays in the search box
        row->addWidget(shown, name == QLatin1String("EntInd") ? 0 : 1);
    }
    static_cast<QLineEdit*>(object(QStringLiteral("SDAIdent")))->setMinimumWidth(200);

    auto* night = box(QStringLiteral("MtgNum"), 2);
    auto* nightCaption = label(QStringLiteral("lblMtgNum"), QStringLiteral("Meeting &Number "));
    nightCaption->setBuddy(night);
    row->addSpacing(8);
    row->addWidget(nightCaption);
    row->addWidget(night);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (const auto& [name, arrow] : {std::pair{"btnVscrollUp", Qt::UpArrow}, std::pair{"btnVScrollDn", Qt::DownArrow}}) {
        auto* b = add(new QToolButton(this), QLatin1String(name));
        b->setArrowType(arrow);
        b->setFixedSize(22, 14);
        b->setFocusPolicy(Qt::NoFocus);
        arrows->addWidget(b);
    }
    row->addLayout(arrows);

    auto* live = add(new QGroupBox(this), QStringLiteral("LiveTV"));
    auto* liveRow = new QHBoxLayout(live);
    liveRow->setContentsMargins(6, 2, 6, 2);
    const QString tip =
        QStringLiteral("When Video is selected a 'V' will appear in the attendance record in place of the night number.");
    for (int i = 0; i < 2; ++i) {
        auto* o = add(new QRadioButton(i == 0 ? QStringLiteral("&Live") : QStringLiteral("&Video"), live),
                      Indexed("optVid", i));
        o->setToolTip(tip);
        liveRow->addWidget(o);
    }
    row->addWidget(live);

    auto* count = label(QStringLiteral("lblTotalAttending"), QStringLiteral("Attendance: 0"));
    QFont bold = count->font();
    bold.setBold(true);
    count->setFont(bold);
    row->addWidget(count);
    return bar;
}

QWidget* AttendF::buildRecord() {
    auto* group = new QGroupBox(QStringLiteral("Record"), this);
    auto* g = new QGridLayout(group);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(6);
    auto pair = [&](int r, int c, const char* caption, const char* boxName, int width, int span = 1) {
        auto* b = box(QLatin1String(boxName), width);
        auto* l = label(QStringLiteral("lbl") + QLatin1String(boxName), QLatin1String(caption));
        l->setBuddy(b);
        g->addWidget(l, r, c, Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(b, r, c + 1, 1, span);
        return b;
    };
    pair(0, 0, "RegNum", "RNum", 4);
    pair(0, 2, "First Name", "FName", 20);
    pair(0, 4, "Last Name", "LName", 20);
    pair(1, 0, "Address:", "Address", 30, 3);
    pair(1, 4, "City:", "City", 20);
    pair(2, 0, "State:", "State", 2);
    pair(2, 2, "ZipCode", "Zip", 10);
    pair(2, 4, "Phone:", "Phone", 12);
    pair(3, 0, "Email:", "txtEmail", 40, 3);
    pair(3, 4, "Birthdate", "Birthdate", 8);
    pair(4, 0, "Interest", "IntLevel", 1);
    pair(4, 2, "Team ", "WorkerCode", 2);
    pair(4, 4, "Visits", "Visits", 12);
    pair(5, 0, "Bapt.Date:", "BaptDate", 8);
    auto* checks = new QHBoxLayout;
    checks->addWidget(add(new QCheckBox(QStringLiteral("Bap/POF"), this), QStringLiteral("Baptized")));
    checks->addWidget(add(new QCheckBox(QStringLiteral("Interview"), this), QStringLiteral("Class")));
    checks->addStretch(1);
    g->addLayout(checks, 5, 2, 1, 4);
    pair(6, 0, "Notes:", "Notes", 150, 5);
    auto* attendance = pair(7, 0, "Click inside Box to Change Attendance", "Attendance", 40, 5);
    attendance->setReadOnly(true);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(attendance->font().pointSizeF() * 1.15);
    attendance->setFont(mono);
    // The box is disabled while the attendance editor is not there; the marks stay readable.
    QPalette readable = attendance->palette();
    readable.setColor(QPalette::Disabled, QPalette::Text, readable.color(QPalette::Active, QPalette::Text));
    attendance->setPalette(readable);
    static_cast<QLabel*>(object(QStringLiteral("lblAttendance")))->setWordWrap(true);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setColumnStretch(5, 2);
    g->setRowStretch(8, 1);
    return group;
}

QWidget* AttendF::buildDecisions() {
    auto* panel = new QWidget(this);
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(0, 0, 0, 0);

    auto* made = add(new QGroupBox(QStringLiteral("Decisions Made"), this), QStringLiteral("frmDecisionsMade"));
    auto* mg = new QGridLayout(made);
    mg->setVerticalSpacing(2);
    for (int i = 0; i < 9; ++i) mg->addWidget(add(new QCheckBox(this), Indexed("Dec", i)), i / 2, i % 2);
    col->addWidget(made);

    auto* tonight =
        add(new QGroupBox(QStringLiteral("Decisions to be Entered in:"), this), QStringLiteral("frmEnterDecisions"));
    auto* tg = new QGridLayout(tonight);
    tg->setVerticalSpacing(2);
    for (int i = 0; i < 9; ++i) {
        auto* code = add(new QRadioButton(this), Indexed("DecA", i));
        code->setAutoExclusive(false);  // a second click on the chosen code takes it off
        code->setToolTip(QStringLiteral("Enter this decision's letter into the Attendance Record tonight"));
        tg->addWidget(code, i, 0);
        tg->addWidget(add(new QCheckBox(this), Indexed("ED", i)), i, 1);
    }
    tg->setColumnStretch(1, 1);
    col->addWidget(tonight);
    for (const auto& [name, text] :
         {std::pair{"lblDecInAtt", ""},
          std::pair{"lblDecInstruct", "All squares checked above will automatically be updated to the Decisions Made "
                                      "Box on the Interest Card when you update attendance."}}) {
        auto* l = label(QLatin1String(name), QLatin1String(text));
        l->setWordWrap(true);
        l->setMargin(3);
        col->addWidget(l);
    }
    col->addStretch(1);
    return panel;
}

QWidget* AttendF::buildCommands() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const QStyle* s = style();
    const std::pair<const char*, QStyle::StandardPixmap> moves[] = {
        {"FirstRecordButton", QStyle::SP_MediaSkipBackward},
        {"PreviousRecord", QStyle::SP_MediaSeekBackward},
        {"NextRecord_Button", QStyle::SP_MediaSeekForward},
        {"LastRecordButton", QStyle::SP_MediaSkipForward}};
    const char* tips[] = {"First name", "Previous name", "Next name", "Last name"};
    for (int i = 0; i < 4; ++i) {
        auto* b = add(new QPushButton(this), QLatin1String(moves[i].first));
        b->setIcon(s->standardIcon(moves[i].second));
        b->setToolTip(QLatin1String(tips[i]));
        row->addWidget(b);
    }
    auto* counter = box(QStringLiteral("RecordCounter"), 12);
    counter->setReadOnly(true);
    counter->setFocusPolicy(Qt::NoFocus);
    counter->setAlignment(Qt::AlignCenter);
    row->addWidget(counter);
    row->addStretch(1);
    auto* member = add(new QPushButton(s->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("Church &Member"), this),
                       QStringLiteral("MoveToSDA"));
    member->setToolTip(QStringLiteral("Move this name to the SDA members File"));
    for (const auto& [name, caption] : {std::pair{"Undo", "&Undo"}, std::pair{"btnGlobal", "&Global Search"}})
        row->addWidget(add(new QPushButton(QLatin1String(caption), this), QLatin1String(name)));
    row->addWidget(member);
    row->addWidget(add(new QPushButton(QStringLiteral("Coments/ Prayer Requests"), this),
                       QStringLiteral("btnPrayerRequest")));
    auto* done = add(new QPushButton(QStringLiteral("&Done"), this), QStringLiteral("Exit"));
    done->setToolTip(QStringLiteral("Close the attendance screen (Esc in the search box)"));
    row->addWidget(done);
    return bar;
}

// --- wiring -----------------------------------------------------------------------------------

void AttendF::onClick(const QString& name, const std::function<void()>& command) {
    auto* b = qobject_cast<QAbstractButton*>(object(name));
    connect(b, &QAbstractButton::clicked, this, [this, command] { run(command); });
}

void AttendF::wire() {
    using Screen = void (*)(App&, AttendFState&, MainScreen&);
    const std::pair<const char*, Screen> commands[] = {
        {"FirstRecordButton", attendf::FirstRecordButton_Click},
        {"PreviousRecord", attendf::PreviousRecord_Click},
        {"NextRecord_Button", attendf::NextRecord_Button_Click},
        {"LastRecordButton", attendf::LastRecordButton_Click},
        {"Undo", attendf::Undo_Click},
        {"btnGlobal", attendf::btnGlobal_Click},
        {"MoveToSDA", attendf::MoveToSDA_Click},
        {"btnVscrollUp", attendf::btnVscrollUp_Click},
        {"btnVScrollDn", attendf::btnVScrollDn_Click},
    };
    for (const auto& [name, command] : commands)
        onClick(QLatin1String(name), [this, command = command] { command(app_, st_, *this); });
    onClick(QStringLiteral("btnPrayerRequest"), [this] { attendf::btnPrayerRequest_Click(app_, *this); });
    connect(static_cast<QAction*>(object(QStringLiteral("mnuAtPrayerReq"))), &QAction::triggered, this,
            [this] { run([this] { attendf::btnPrayerRequest_Click(app_, *this); }); });
    connect(static_cast<QPushButton*>(object(QStringLiteral("Exit"))), &QPushButton::clicked, this, [this] { close(); });

    for (int i = 0; i < 9; ++i) {
        onClick(Indexed("Dec", i), [this, i] { attendf::Dec_Click(app_, *this, i); });
        onClick(Indexed("ED", i), [this] { attendf::ED_Click(*this); });
        onClick(Indexed("DecA", i), [this, i] { attendf::DecA_Click(app_, st_, *this, i); });
        object(Indexed("DecA", i))->installEventFilter(this);
    }
    onClick(QStringLiteral("Baptized"), [this] { attendf::Baptized_Click(app_, *this); });
    connect(static_cast<QLineEdit*>(object(QStringLiteral("IntLevel"))), &QLineEdit::textEdited, this,
            [this] { run([this] { attendf::IntLevel_Change(app_, *this); }); });
    connect(static_cast<QLineEdit*>(object(QStringLiteral("MtgNum"))), &QLineEdit::textEdited, this,
            [this] { run([this] { attendf::MtgNum_Change(app_, st_, *this); }); });

    for (const char* name : {"SearchBox", "MtgNum", "BaptDate", "Notes", "Attendance", "Class"})
        object(QLatin1String(name))->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &AttendF::focusMoved);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &AttendF::onFocusWindowChanged);
}

void AttendF::enableDialogControls() {
    const Hooks& h = app_.hooks;
    setEnabled(QStringLiteral("Attendance"), bool(h.attendFAttendanceUpdate));
    setEnabled(QStringLiteral("Class"), bool(h.attendFAppointment));
    setEnabled(QStringLiteral("btnPrayerRequest"), bool(h.attendFPrayerRequest));
    setEnabled(QStringLiteral("mnuAtPrayerReq"), bool(h.attendFPrayerRequest));
}

// --- events -------------------------------------------------------------------------------------

QString AttendF::controlOf(const QObject* o) const {
    for (; o && o != this; o = o->parent())
        if (object(o->objectName()) == o) return o->objectName();
    return QString();
}

bool AttendF::keyPressed(const QString& name, QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    bool taken = false;
    if (name == QLatin1String("SearchBox")) {
        const int code = enter ? attendf::kKeyEnter : key == Qt::Key_Escape ? attendf::kKeyEscape : 0;
        if (code == 0) return false;
        bool close = false;
        run([&] { taken = attendf::SearchBox_KeyPress(app_, st_, *this, code, &close); });
        if (close) {
            exiting_ = true;
            this->close();
        }
    } else if (name == QLatin1String("MtgNum")) {
        if (enter) run([&] { taken = attendf::MtgNum_KeyPress(*this, attendf::kKeyEnter); });
    } else if (name == QLatin1String("BaptDate")) {
        int code = 0;
        if (key == Qt::Key_Escape) code = attendf::kKeyEscape;
        if (key == Qt::Key_Equal || key == Qt::Key_Plus) code = attendf::kKeyPlus;
        if (key == Qt::Key_Minus) code = attendf::kKeyMinus;
        if (code != 0) run([&] { taken = attendf::BaptDate_KeyDown(app_, *this, code); });
    } else if (name == QLatin1String("Notes")) {
        const QString typed = event->text();
        const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
        if (enter || printable) {
            const int code = enter ? attendf::kKeyEnter : key == Qt::Key_Comma ? 188 : 0;
            run([&] { taken = attendf::Notes_KeyDown(app_, *this, code); });
        }
    } else if (name == QLatin1String("Class") && key == Qt::Key_Space) {
        run([this] { attendf::Class_MouseUp(app_, *this); });
        taken = true;
    }
    return taken;
}

bool AttendF::eventFilter(QObject* watched, QEvent* event) {
    const QString name = controlOf(watched);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (keyPressed(name, static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::MouseButtonPress:
            if (name.startsWith(QLatin1String("DecA("))) {
                const int i = name.mid(5, 1).toInt();
                run([this, i] { attendf::DecA_MouseDown(app_, st_, *this, i); });
            } else if (name == QLatin1String("Notes")) {
                const bool caution = st_.Nt;
                run([this] { attendf::Notes_MouseDown(app_, st_); });
                if (caution) return true;
            } else if (name == QLatin1String("Class")) {
                return true;  // the box shows the record's value; a click opens the appointment
            }
            break;
        case QEvent::MouseButtonRelease:
            if (name == QLatin1String("Class")) {
                run([this] { attendf::Class_MouseUp(app_, *this); });
                return true;
            }
            if (name == QLatin1String("Attendance") && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                run([this] { attendf::Attendance_Click(app_, *this); });
            break;
        case QEvent::MouseButtonDblClick:
            if (name == QLatin1String("BaptDate")) {
                run([this] { attendf::BaptDate_DblClick(app_, *this); });
                return true;
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void AttendF::leave(const QString& name) {
    if (name == QLatin1String("RNum")) attendf::RNum_LostFocus(app_, *this);
    if (name == QLatin1String("WorkerCode")) attendf::WorkerCode_LostFocus(app_, *this);
    if (name == QLatin1String("Address")) attendf::Address_LostFocus(*this);
    if (name == QLatin1String("Phone")) attendf::Phone_LostFocus(*this);
    if (name == QLatin1String("MtgNum")) attendf::MtgNum_LostFocus(app_, st_, *this);
}

void AttendF::focusMoved(QWidget* from, QWidget* to) {
    // A leave rule runs when the focus moves on to another control of this window, not
    // when a dialog opens over it.
    if (!from || !to || to->window() != this || depth_ > 0) return;
    const QString name = controlOf(from);
    for (const char* box : kLeaveRules)
        if (name == QLatin1String(box)) run([this, name] { leave(name); });
}

void AttendF::applyPendingFocus() {
    if (pendingFocus_.isEmpty()) return;
    auto* w = qobject_cast<QWidget*>(object(pendingFocus_));
    pendingFocus_.clear();
    if (w && w->isEnabled() && w->isVisibleTo(this)) w->setFocus(Qt::OtherFocusReason);
}

bool AttendF::isOwnForm(QWindow* window) const {
    if (!window || window == windowHandle()) return false;
    if (window->type() == Qt::Popup || window->type() == Qt::ToolTip) return false;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window) continue;
        // The message, input and file boxes stand for the system's dialogs: returning from
        // them is not an activation of the screen.
        if (qobject_cast<QMessageBox*>(top) || qobject_cast<QInputDialog*>(top) || qobject_cast<QFileDialog*>(top) ||
            qobject_cast<QAbstractPrintDialog*>(top) || qobject_cast<QMenu*>(top))
            return false;
        return top->objectName() != QStringLiteral("HelpWindow");
    }
    return false;
}

void AttendF::onFocusWindowChanged(QWindow* window) {
    QWindow* previous = focusWindow_;
    focusWindow_ = window;
    QWindow* mine = windowHandle();
    if (!mine || exiting_ || !isVisible()) return;
    if (window == mine && isOwnForm(previous)) {
        run([this] {
            attendf::Form_Activate(app_, st_, *this);
            enableDialogControls();
        });
    } else if (previous == mine && isOwnForm(window)) {
        run([this] { attendf::Form_Deactivate(app_, st_, *this); });
    }
}

void AttendF::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        bool close = false;
        run([&] { close = attendf::Exit_Click(app_, st_, *this); });
        if (!close) {
            event->ignore();
            return;
        }
        exiting_ = true;
    }
    run([this] { attendf::Form_Unload(app_, st_); });
    event->accept();
    releaseHooks();
}

// --- MainScreen -----------------------------------------------------------------------------

QObject* AttendF::named(const QString& name) const {
    QObject* o = object(name);
    // A name the screen does not have is a fault of the caller, never ignored.
    Q_ASSERT_X(o, "AttendF", qPrintable(QStringLiteral("no control ") + name));
    return o;
}

bool AttendF::has(const QString& control) const {
    return objects_.contains(control.toLower()) || AttendFState::isVariable(control);
}

QString AttendF::text(const QString& control) const {
    if (AttendFState::isVariable(control)) return st_.variable(control);
    QObject* o = named(control);
    if (auto* w = qobject_cast<QLineEdit*>(o)) return w->text();
    if (auto* w = qobject_cast<QLabel*>(o)) return w->property("rawText").isValid() ? w->property("rawText").toString()
                                                                                    : w->text();
    if (auto* w = qobject_cast<QAbstractButton*>(o)) return w->text().remove(QLatin1Char('&'));
    if (auto* w = qobject_cast<QGroupBox*>(o)) return w->title();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
    return QString();
}

void AttendF::setText(const QString& control, const QString& text) {
    if (AttendFState::isVariable(control)) {
        st_.setVariable(control, text);
        return;
    }
    QObject* o = named(control);
    if (auto* w = qobject_cast<QLineEdit*>(o)) {
        w->setText(text);
        w->setCursorPosition(0);
    } else if (auto* w = qobject_cast<QLabel*>(o)) {
        w->setProperty("rawText", text.contains(QLatin1Char('\r')) ? QVariant(text) : QVariant());
        w->setText(Shown(text));
    } else if (auto* w = qobject_cast<QAbstractButton*>(o)) {
        // A caption typed by the user has no access key.
        w->setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    } else if (auto* w = qobject_cast<QGroupBox*>(o)) {
        w->setTitle(text);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(text);
    }
}

int AttendF::value(const QString& control) const {
    auto* b = qobject_cast<QAbstractButton*>(named(control));
    if (auto* c = qobject_cast<QCheckBox*>(b); c && c->checkState() == Qt::PartiallyChecked) return 2;
    return b && b->isChecked() ? 1 : 0;
}

void AttendF::setValue(const QString& control, int value) {
    auto* b = qobject_cast<QAbstractButton*>(named(control));
    if (!b) return;
    if (auto* c = qobject_cast<QCheckBox*>(b); c && value == 2) {
        c->setTristate(true);
        c->setCheckState(Qt::PartiallyChecked);
        return;
    }
    b->setChecked(value != 0);
}

QWidget* AttendF::drawn(const QString& control) const {
    // A value the screen keeps (Attend, Last) is no control: it has no colour or font.
    if (AttendFState::isVariable(control)) return nullptr;
    return qobject_cast<QWidget*>(named(control));
}

void AttendF::setBackColor(const QString& control, BgrColor color) {
    auto* w = drawn(control);
    if (!w) return;
    if (qobject_cast<QLineEdit*>(w)) {
        SetRole(w, QPalette::Base, color);
    } else {
        w->setAutoFillBackground(true);
        SetRole(w, w->backgroundRole(), color);
    }
}

void AttendF::setForeColor(const QString& control, BgrColor color) {
    auto* w = drawn(control);
    if (!w) return;
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) SetRole(w, role, color);
}

void AttendF::setBold(const QString& control, bool bold) {
    auto* w = drawn(control);
    if (!w) return;
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

void AttendF::setVisible(const QString& name, bool visible) {
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o))
        m->menuAction()->setVisible(visible);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setVisible(visible);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setVisible(visible);
}

bool AttendF::isVisible(const QString& name) const {
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o)) return m->menuAction()->isVisible();
    if (auto* a = qobject_cast<QAction*>(o)) return a->isVisible();
    if (auto* w = qobject_cast<QWidget*>(o)) return !w->isHidden();
    return false;
}

void AttendF::setEnabled(const QString& name, bool enabled) {
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o))
        m->menuAction()->setEnabled(enabled);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setEnabled(enabled);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setEnabled(enabled);
}

bool AttendF::isEnabled(const QString& name) const {
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o)) return m->menuAction()->isEnabled();
    if (auto* a = qobject_cast<QAction*>(o)) return a->isEnabled();
    if (auto* w = qobject_cast<QWidget*>(o)) return !w->testAttribute(Qt::WA_ForceDisabled);
    return false;
}

void AttendF::setFocus(const QString& name) {
    // The move takes place when the procedure asking for it ends.
    pendingFocus_ = named(name)->objectName();
    if (depth_ == 0) applyPendingFocus();
}

void AttendF::bringForward() {
    if (!isVisible()) return;
    raise();
    activateWindow();
}

QString AttendF::focused() const {
    if (!pendingFocus_.isEmpty()) return pendingFocus_;
    return controlOf(focusWidget());
}

void AttendF::setSelection(const QString& name, int start, int length) {
    if (auto* e = qobject_cast<QLineEdit*>(named(name))) e->setSelection(start, length);
}

int AttendF::selectionStart(const QString& name) const {
    auto* e = qobject_cast<QLineEdit*>(named(name));
    if (!e) return 0;
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

}  // namespace fennick
