#include "reportwindow/ui/PrintReports.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "data/ui/Artwork.h"
#include "mainwindow/MainScreen.h"
#include "platform/CommandWindow.h"
#include "platform/Dialogs.h"
#include "reportwindow/EditBesidePreview.h"
#include "reportwindow/LineActions.h"
#include "reportwindow/ListChoice.h"
#include "reportwindow/PrintDispatch.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/ViewOptions.h"
#include "reportwindow/ui/FamilyMem.h"
#include "reportwindow/ui/SelIntFm.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace fennick {

namespace {

QPointer<PrintReports> gCurrent;

// Room left on the screen for the window's title bar.
constexpr int kTitleBarRoom = 40;
constexpr int kTeamButtonWidth = 30;
constexpr int kChoiceWidth = 210;
// The characters of a line that name its person: team, number, mark and name.
constexpr int kNameColumns = 30;

// The list menus of the window and their items in menu order; a separator has no name.
struct MenuRow {
    const char* name;
    const char* caption;
};
struct MenuItemRow {
    const char* menu;
    const char* name;
    const char* caption;
    const char* shortcut;
};
const MenuRow kListMenus[] = {
    {"mnuReports", "Reports"},
    {"mnuMailLists", "&Mail List"},
    {"mnuAttendanceLists", "&Attendance Lists"},
    {"mnuDuplicateAddresses", "Duplicate Addresses"},
    {"mnuVisitationTools", "&Visitation Tools"},
    {"mnuBaptismsAppointments", "&Baptisms and Appointments"},
};
const MenuItemRow kListMenuItems[] = {
    {"mnuReports", "mnuPreMeeting", "PreMeeting Interests", ""},
    {"mnuReports", "mnuTotalAttendance", "Total Attendance", ""},
    {"mnuReports", "mnuByZip", "By Zipcode", ""},
    {"mnuMailLists", "mnuMLAllNames", "Sorted by Zipcode", ""},
    {"mnuMailLists", "mnuCleanMList", "Clean Up Mail List", "Ctrl+C"},
    {"mnuAttendanceLists", "mnuMissedMtgs", "Missed Last Meetings", ""},
    {"mnuAttendanceLists", "mnuSelMtg", "Selected Meeting", ""},
    {"mnuDuplicateAddresses", "mnuDupAdd", "All Duplicate Addresses", "Ctrl+D"},
    {"mnuDuplicateAddresses", "mnuDupAddName", "Dup. Address with Different Last Names", ""},
    {"mnuDuplicateAddresses", "mnuDupAddTeam", "Dup. Address with Different Team Codes", ""},
    {"mnuVisitationTools", "mnuNeedSabVis", "Need Sabbath Visits", ""},
    {"mnuVisitationTools", "mnuNeedIntLev", "Needs Interest Level Assignment", "F12"},
    {"mnuVisitationTools", "", "", ""},
    {"mnuVisitationTools", "mnuMap", "Map Code", ""},
    {"mnuVisitationTools", "mnuMarkedCards", "Marked Names", ""},
    {"mnuVisitationTools", "mnuNotes", "Notes and Coments ", ""},
    {"mnuBaptismsAppointments", "MnuInterviewSet", "&Interview Appointment Set", ""},
    {"mnuBaptismsAppointments", "mnuBapIntRem", "Interview Appointments &Remaining", ""},
    {"mnuBaptismsAppointments", "MnuInterview", "&Needs Interview Appointment", ""},
    {"mnuBaptismsAppointments", "", "", ""},
    {"mnuBaptismsAppointments", "mnuNeedDate", "Needs Baptism Date", ""},
    {"mnuBaptismsAppointments", "mnuBapDateSet", "Future Baptism Date Set", ""},
    {"mnuBaptismsAppointments", "mnuAllBapDates", "All Baptism Dates", ""},
    {"mnuBaptismsAppointments", "mnuBaptisms", "Baptisms", ""},
    {"mnuBaptismsAppointments", "", "", ""},
};

// Message texts carry CR LF line breaks; the text box shows plain ones, and the page's
// last line end leaves no empty line after it.
QString Shown(const QString& text) {
    QString s = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (s.endsWith(u'\n')) s.chop(1);
    return s;
}

// A window's frame around its contents: title bar and borders.
QMargins FrameOf(const QWidget* w) {
    const QRect frame = w->frameGeometry();
    const QRect inside = w->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

// Brings the layouts of a hidden window up to date with the controls hidden or shown
// meanwhile, inner ones first, as showing the window would: until then its least size is
// that of the controls it showed last.
void SettleLayouts(QWidget* w) {
    const QList<QWidget*> inner = w->findChildren<QWidget*>();  // each before its own children
    for (auto it = inner.crbegin(); it != inner.crend(); ++it)
        if (QLayout* l = (*it)->layout()) l->activate();
    if (QLayout* l = w->layout()) l->activate();
}

// Windows key codes of the keys the scroll bar reacts to.
int KeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Escape:
            return previewkey::Escape;
        case Qt::Key_PageUp:
            return previewkey::PageUp;
        case Qt::Key_PageDown:
            return previewkey::PageDown;
        case Qt::Key_F1:
            return previewkey::F1;
        case Qt::Key_F2:
            return previewkey::F2;
        default:
            return 0;
    }
}

}  // namespace

template <typename T>
T* PrintReports::add(T* object, const QString& name) {
    object->setObjectName(name);
    objects_.insert(name, object);
    return object;
}

PrintReports::PrintReports(App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setObjectName(QStringLiteral("PrintReports"));
    setWindowTitle(state_.caption);
    setWindowIcon(AppIcon());
    buildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(4);
    column->addWidget(buildTitleRows());
    column->addWidget(buildMouseFrame());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildPage(), 1);
    middle->addWidget(buildChoices());
    column->addLayout(middle, 1);
    column->addWidget(buildTeamRow());
    column->addWidget(buildButtonRow());
    column->addWidget(buildOptionRows());
    setCentralWidget(central);
    wire();

    app_.hooks.showPrintReports = [this] {
        show();
        raise();
        activateWindow();
    };
    app_.hooks.closePrintReports = [this] { run([this] { CloseBut_Click(state_); }); };
    app_.hooks.tickPrintReportsMailLabels = [this] {
        run([this] {
            SetChkMailOpt(app_, state_, true);
            SetChkPrnMailLabels(app_, state_, true);
        });
    };
    // The window made last is the current one, whoever made it.
    gCurrent = this;

    QSize size = sizeHint();
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() - QSize(0, kTitleBarRoom));
    resize(size);
}

PrintReports::~PrintReports() {
    if (gCurrent == this) forget();
}

void PrintReports::forget() {
    gCurrent = nullptr;
    app_.hooks.showPrintReports = nullptr;
    app_.hooks.closePrintReports = nullptr;
    app_.hooks.tickPrintReportsMailLabels = nullptr;
}

void PrintReports::install(App& app) {
    app.hooks.openPrintReports = [&app] {
        if (!gCurrent) {
            gCurrent = new PrintReports(app);
            gCurrent->setAttribute(Qt::WA_DeleteOnClose);
        }
        gCurrent->open();
    };
}

PrintReports* PrintReports::current() {
    return gCurrent;
}

void PrintReports::open() {
    state_ = PrintReportsState();
    run([this] { Form_Load(app_, state_); });
    show();
    raise();
    activateWindow();
}

void PrintReports::dismiss() {
    returning_ = false;
    close();
}

// --- Building ---------------------------------------------------------------------------

void PrintReports::buildMenus() {
    for (const MenuRow& m : kListMenus) add(menuBar()->addMenu(QString::fromUtf8(m.caption)), QLatin1String(m.name));
    for (const MenuItemRow& row : kListMenuItems) {
        auto* menu = static_cast<QMenu*>(objects_.value(QLatin1String(row.menu)));
        if (!*row.name) {
            menu->addSeparator();
            continue;
        }
        QAction* a = add(menu->addAction(QString::fromUtf8(row.caption)), QLatin1String(row.name));
        if (*row.shortcut) a->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
        const QString name = QLatin1String(row.name);
        connect(a, &QAction::triggered, this,
                [this, name] { run([this, name] { RunListCommand(app_, state_, name); }); });
    }
}

QWidget* PrintReports::buildTitleRows() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    CrTitleBox = add(new QLineEdit(box), QStringLiteral("CrTitleBox"));
    CrTitleBox->setReadOnly(true);
    QFont big = CrTitleBox->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    CrTitleBox->setFont(big);
    CrTitleBox->installEventFilter(this);
    auto* master = add(new QPushButton(QStringLiteral("Master List"), box), QStringLiteral("MasterListButton"));
    auto* close = add(new QPushButton(QStringLiteral("  Close Preview"), box), QStringLiteral("CloseBut"));
    txtInstructions = add(new QLineEdit(box), QStringLiteral("txtInstructions"));
    txtInstructions->setReadOnly(true);
    txtInstructions->setPlaceholderText(QStringLiteral("Instructions for special lists"));
    boxMailLabelIndicator = add(new QLineEdit(box), QStringLiteral("boxMailLabelIndicator"));
    boxMailLabelIndicator->setReadOnly(true);
    boxMailLabelIndicator->setMaximumWidth(kChoiceWidth);
    grid->addWidget(CrTitleBox, 0, 0, 1, 2);
    grid->addWidget(master, 0, 2);
    grid->addWidget(close, 0, 3);
    grid->addWidget(txtInstructions, 1, 0);
    grid->addWidget(boxMailLabelIndicator, 1, 1, 1, 3);
    grid->setColumnStretch(0, 1);
    return box;
}

// The frame "Left Mouse Button Function", above the page it acts on. Its options keep
// the room of their widest caption ("Attend 40", "Interest", "Visit m40") and keep it while
// Mail Labels hides one, so the window neither grows nor moves as the captions change.
QWidget* PrintReports::buildMouseFrame() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* mouse = new QGroupBox(QStringLiteral("Left Mouse Button Function"), box);
    auto* mouseRow = new QHBoxLayout(mouse);
    const std::array<std::array<const char*, 3>, 4> options = {{{"optEd", "Edit", "Edit"},
                                                                {"optAt", "Attend ", "Attend 40"},
                                                                {"OptIntML", "Interest", "Interest"},
                                                                {"OptVisit", "Visit", "Visit m40"}}};
    for (const auto& [name, caption, widest] : options) {
        auto* option = add(new QRadioButton(QString::fromUtf8(widest), mouse), QLatin1String(name));
        option->setMinimumWidth(option->sizeHint().width());
        option->setText(QString::fromUtf8(caption));
        QSizePolicy policy = option->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        option->setSizePolicy(policy);
        mouseRow->addWidget(option);
    }
    row->addWidget(mouse);
    row->addStretch();
    return box;
}

QWidget* PrintReports::buildPage() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    Info = add(new QPlainTextEdit(box), QStringLiteral("Info"));
    Info->setReadOnly(true);
    Info->setLineWrapMode(QPlainTextEdit::NoWrap);
    Info->setFocusPolicy(Qt::NoFocus);
    Info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    Info->setFont(mono);
    // Room for a whole page: 26 lines of 90 characters.
    const QFontMetrics fm(mono);
    const int margins = 2 * (int(Info->document()->documentMargin()) + Info->frameWidth());
    Info->setFixedHeight(fm.lineSpacing() * kPageLines + margins + 4);
    Info->setMinimumWidth(fm.horizontalAdvance(QString(90, u'M')) + margins);
    VScroll1 = add(new QScrollBar(Qt::Vertical, box), QStringLiteral("VScroll1"));
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    VScroll1->setFixedHeight(Info->height());
    VScroll1->installEventFilter(this);
    row->addWidget(Info, 1);
    row->addWidget(VScroll1);
    return box;
}

QWidget* PrintReports::buildChoices() {
    auto* frame = new QGroupBox(this);
    frame->setFixedWidth(kChoiceWidth);
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(0);
    auto* group = new QButtonGroup(frame);
    for (int i = 0; i < kSelectButtons; ++i) {
        auto* b = add(new QRadioButton(frame), QStringLiteral("btnSelect(%1)").arg(i));
        group->addButton(b, i);
        column->addWidget(b);
    }
    column->addStretch();
    column->addWidget(add(new QPushButton(QStringLiteral("View Decisions"), frame), QStringLiteral("PVDecisions")));
    return frame;
}

QWidget* PrintReports::buildTeamRow() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(
        add(new QLabel(QStringLiteral("Select Team Number to View"), box), QStringLiteral("lblSelTeamToVies")));
    for (int i = 0; i < kTeamButtons; ++i) {
        auto* b = add(new QPushButton(box), QStringLiteral("btnTeam(%1)").arg(i));
        b->setFixedWidth(i == kTeamButtons - 1 ? kTeamButtonWidth * 5 / 4 : kTeamButtonWidth);
        row->addWidget(b);
    }
    row->addWidget(add(new QPushButton(QStringLiteral("21-40"), box), QStringLiteral("btnTeamSel")));
    row->addStretch();
    return box;
}

QWidget* PrintReports::buildButtonRow() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const std::array<std::array<const char*, 2>, 10> buttons = {{{"btnInterviewNeeded", "Need Apt."},
                                                                 {"btnBaptisms", "Baptisms"},
                                                                 {"pvBapDate", "BapDate Set"},
                                                                 {"Appointments", "Appointments"},
                                                                 {"NeedBapDate", "NeedBapDate"},
                                                                 {"PVInterestLevel", "Interest Lvl."},
                                                                 {"Command2", "Clean Up Mail List"},
                                                                 {"Command1", "Statistics"},
                                                                 {"HelpButton", "Help"},
                                                                 {"btnPrint", "Print"}}};
    for (const auto& [name, caption] : buttons)
        row->addWidget(add(new QPushButton(QString::fromUtf8(caption), box), QLatin1String(name)));
    static_cast<QWidget*>(objects_.value(QStringLiteral("HelpButton")))
        ->setToolTip(QStringLiteral("Entering Visit Information"));
    row->addStretch();
    return box;
}

QWidget* PrintReports::buildOptionRows() {
    auto* box = new QWidget(this);
    auto* grid = new QHBoxLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* sort = new QGroupBox(QStringLiteral("Sort Options"), box);
    auto* sortRow = new QHBoxLayout(sort);
    sortRow->addWidget(add(new QRadioButton(QStringLiteral("Attend"), sort), QStringLiteral("optSortOpt(0)")));
    sortRow->addWidget(add(new QRadioButton(QStringLiteral("Alphabet"), sort), QStringLiteral("optSortOpt(1)")));
    grid->addWidget(sort);

    auto* lists = new QGroupBox(box);
    auto* listGrid = new QGridLayout(lists);
    listGrid->addWidget(add(new QCheckBox(QStringLiteral("Teams"), lists), QStringLiteral("chkTeam")), 0, 0);
    listGrid->addWidget(add(new QCheckBox(QStringLiteral("Include 'F'"), lists), QStringLiteral("CkIncludeF")), 1, 0);
    listGrid->addWidget(add(new QLabel(QStringLiteral("Mail List Options"), lists), QStringLiteral("lblMailOpt")), 0,
                        1);
    listGrid->addWidget(add(new QCheckBox(QStringLiteral("Mail List Only"), lists), QStringLiteral("chkMailOpt(0)")), 1,
                        1);
    listGrid->addWidget(add(new QCheckBox(QStringLiteral("Mail Labels"), lists), QStringLiteral("chkPrnMailLabels")), 1,
                        2);
    grid->addWidget(lists);

    auto* cutOff = new QGroupBox(box);
    auto* cutRow = new QGridLayout(cutOff);
    cutRow->addWidget(add(new QLabel(QStringLiteral("Meeting Cut Off"), cutOff), QStringLiteral("Label3")), 0, 0, 1, 3);
    PrintCutOffBox = add(new QLineEdit(cutOff), QStringLiteral("PrintCutOffBox"));
    PrintCutOffBox->setFixedWidth(36);
    cutRow->addWidget(PrintCutOffBox, 1, 0);
    auto* up = add(new QPushButton(QStringLiteral("\u25B2"), cutOff), QStringLiteral("btnVscrollUp"));
    auto* down = add(new QPushButton(QStringLiteral("\u25BC"), cutOff), QStringLiteral("btnVScrollDn"));
    for (QPushButton* b : {up, down}) b->setFixedWidth(26);
    cutRow->addWidget(up, 1, 1);
    cutRow->addWidget(down, 1, 2);
    cutRow->addWidget(add(new QCheckBox(QStringLiteral("Disable"), cutOff), QStringLiteral("chkDisableCutoff")), 1, 3);
    grid->addWidget(cutOff);

    ChkSaveFilter = add(new QCheckBox(QStringLiteral("Save Filter on Exit"), box), QStringLiteral("ChkSaveFilter"));
    grid->addWidget(ChkSaveFilter);
    grid->addStretch();
    return box;
}

void PrintReports::wire() {
    auto button = [this](const char* name) { return static_cast<QPushButton*>(objects_.value(QLatin1String(name))); };
    connect(button("MasterListButton"), &QPushButton::clicked, this,
            [this] { run([this] { MasterListButton_Click(app_, state_); }); });
    connect(button("CloseBut"), &QPushButton::clicked, this, [this] { run([this] { CloseBut_Click(state_); }); });
    connect(button("HelpButton"), &QPushButton::clicked, this, [this] { run([this] { HelpButton_Click(app_); }); });
    connect(button("Command1"), &QPushButton::clicked, this, [this] { run([this] { Command1_Click(app_); }); });
    connect(button("btnPrint"), &QPushButton::clicked, this, [this] { run([this] { btnPrint_Click(app_, state_); }); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        if (showing_) return;
        run([this, value] {
            state_.VScroll1 = value;
            VScroll1_Change(app_, state_);
        });
    });
    for (const ListCommand& c : ListCommands()) {
        if (auto* b = qobject_cast<QPushButton*>(objects_.value(QLatin1String(c.control)))) {
            const QString name = QLatin1String(c.control);
            connect(b, &QPushButton::clicked, this,
                    [this, name] { run([this, name] { RunListCommand(app_, state_, name); }); });
        }
    }
    connect(button("PVDecisions"), &QPushButton::clicked, this,
            [this] { run([this] { PVDecisions_Click(app_, state_); }); });
    connect(button("btnTeamSel"), &QPushButton::clicked, this, [this] { run([this] { btnTeamSel_Click(state_); }); });
    for (int i = 0; i < kTeamButtons; ++i)
        connect(static_cast<QPushButton*>(objects_.value(QStringLiteral("btnTeam(%1)").arg(i))), &QPushButton::clicked,
                this, [this, i] { run([this, i] { btnTeam_Click(app_, state_, i); }); });
    for (int i = 0; i < kSelectButtons; ++i)
        connect(static_cast<QRadioButton*>(objects_.value(QStringLiteral("btnSelect(%1)").arg(i))),
                &QRadioButton::clicked, this, [this, i] { run([this, i] { btnSelect_Click(app_, state_, i); }); });
    for (int i : {kSortAttend, kSortAlphabet})
        connect(static_cast<QRadioButton*>(objects_.value(QStringLiteral("optSortOpt(%1)").arg(i))),
                &QRadioButton::clicked, this, [this, i] { run([this, i] { SetOptSortOpt(app_, state_, i); }); });
    // A box the user ticks runs its rule through the same setter as a box set from code.
    const std::array<std::pair<const char*, void (*)(App&, PrintReportsState&, bool)>, 5> boxes = {{
        {"chkMailOpt(0)", SetChkMailOpt},
        {"chkDisableCutoff", SetChkDisableCutoff},
        {"chkTeam", SetChkTeam},
        {"chkPrnMailLabels", SetChkPrnMailLabels},
        {"CkIncludeF", SetCkIncludeF},
    }};
    for (const auto& [name, set] : boxes)
        connect(static_cast<QCheckBox*>(objects_.value(QLatin1String(name))), &QCheckBox::clicked, this,
                [this, set = set](bool ticked) { run([this, set, ticked] { set(app_, state_, ticked); }); });
    connect(button("btnVscrollUp"), &QPushButton::clicked, this,
            [this] { run([this] { btnVscrollUp_Click(app_, state_); }); });
    connect(button("btnVScrollDn"), &QPushButton::clicked, this,
            [this] { run([this] { btnVScrollDn_Click(app_, state_); }); });
    // Text the box refuses is replaced by its last value when the state is shown again.
    connect(PrintCutOffBox, &QLineEdit::textEdited, this,
            [this](const QString& text) { run([this, text] { SetPrintCutOffBox(app_, state_, text); }); });
    // The frame "Left Mouse Button Function": what a click on a line does.
    auto option = [this](const char* name) { return static_cast<QRadioButton*>(objects_.value(QLatin1String(name))); };
    connect(option("optEd"), &QRadioButton::clicked, this,
            [this] { run([this] { state_.leftButton = LeftButton::Edit; }); });
    connect(option("optAt"), &QRadioButton::clicked, this,
            [this] { run([this] { state_.leftButton = LeftButton::Attend; }); });
    connect(option("OptIntML"), &QRadioButton::clicked, this,
            [this] { run([this] { state_.leftButton = LeftButton::Interest; }); });
    connect(option("OptVisit"), &QRadioButton::clicked, this,
            [this] { run([this] { OptVisit_Click(app_, state_); }); });
    option("OptVisit")->installEventFilter(this);
    Info->viewport()->installEventFilter(this);
    connect(ChkSaveFilter, &QCheckBox::toggled, this, [this](bool ticked) {
        if (showing_) return;
        run([this, ticked] {
            state_.ChkSaveFilter = ticked;
            ChkSaveFilter_Click(app_, state_);
        });
    });
}

// --- Running procedures and showing the state -----------------------------------------------

void PrintReports::run(const std::function<void()>& procedure) {
    const CommandWindow command(this);
    ++depth_;
    RunGuarded(app_, kSourceFennick95, procedure);
    --depth_;
    showState();
    if (depth_ == 0 && state_.unloadRequested) {
        state_.unloadRequested = false;
        close();
    }
}

void PrintReports::showState() {
    const PrintReportsState& w = state_;
    showing_ = true;
    setWindowTitle(w.caption);
    CrTitleBox->setText(w.CrTitleBox);
    CrTitleBox->setCursorPosition(0);
    txtInstructions->setText(w.txtInstructions);
    boxMailLabelIndicator->setText(w.boxMailLabelIndicator);
    if (PrintCutOffBox->text() != w.PrintCutOffBox) PrintCutOffBox->setText(w.PrintCutOffBox);
    for (const char* name : {"PrintCutOffBox", "btnVscrollUp", "btnVScrollDn"})
        static_cast<QWidget*>(objects_.value(QLatin1String(name)))->setEnabled(w.cutOffEnabled);
    showPage();

    auto check = [this](const QString& name, bool ticked) {
        static_cast<QAbstractButton*>(objects_.value(name))->setChecked(ticked);
    };
    check(QStringLiteral("chkTeam"), w.chkTeam);
    check(QStringLiteral("chkMailOpt(0)"), w.chkMailOpt0);
    check(QStringLiteral("chkPrnMailLabels"), w.chkPrnMailLabels);
    check(QStringLiteral("CkIncludeF"), app_.view.IncludeF);
    check(QStringLiteral("chkDisableCutoff"), w.chkDisableCutoff);
    check(QStringLiteral("ChkSaveFilter"), w.ChkSaveFilter);
    // A ticked "Save Filter on Exit" stands out in dark red.
    QPalette pal = ChkSaveFilter->palette();
    pal.setColor(QPalette::WindowText, w.ChkSaveFilter
                                           ? QColor(0xC0, 0, 0)
                                           : QApplication::palette(ChkSaveFilter).color(QPalette::WindowText));
    ChkSaveFilter->setPalette(pal);
    static_cast<QWidget*>(objects_.value(QStringLiteral("chkMailOpt(0)")))->setVisible(w.chkMailOptVisible);
    static_cast<QWidget*>(objects_.value(QStringLiteral("lblMailOpt")))->setVisible(w.lblMailOptVisible);
    check(QStringLiteral("optSortOpt(0)"), w.optSortOpt == kSortAttend);
    check(QStringLiteral("optSortOpt(1)"), w.optSortOpt == kSortAlphabet);

    auto option = [this](const char* name) { return static_cast<QRadioButton*>(objects_.value(QLatin1String(name))); };
    option("optAt")->setText(w.optAtCaption);
    option("optAt")->setVisible(w.optAtVisible);
    option("OptIntML")->setText(w.OptIntMLCaption);
    option("OptIntML")->setVisible(w.OptIntMLVisible);
    option("OptVisit")->setText(w.OptVisitCaption);
    option("optEd")->setChecked(w.leftButton == LeftButton::Edit);
    option("optAt")->setChecked(w.leftButton == LeftButton::Attend);
    option("OptIntML")->setChecked(w.leftButton == LeftButton::Interest);
    option("OptVisit")->setChecked(w.leftButton == LeftButton::Visit);

    for (int i = 0; i < kSelectButtons; ++i) {
        auto* b = static_cast<QRadioButton*>(objects_.value(QStringLiteral("btnSelect(%1)").arg(i)));
        const QString& caption = w.btnSelectCaption[size_t(i)];
        // Cut in the middle: the end tells church and decision names alike apart. The room
        // is the column's, less its frame and margins and the button's round mark.
        const QStyle* st = b->style();
        const int room = kChoiceWidth - 2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth) -
                         st->pixelMetric(QStyle::PM_LayoutLeftMargin) - st->pixelMetric(QStyle::PM_LayoutRightMargin) -
                         st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                         st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) - 6;
        b->setText(b->fontMetrics().elidedText(caption, Qt::ElideMiddle, room));
        b->setToolTip(caption);
        b->setVisible(w.btnSelectVisible[size_t(i)]);
        b->group()->setExclusive(false);
        b->setChecked(w.btnSelectChosen == i);
        b->group()->setExclusive(true);
    }
    for (int i = 0; i < kTeamButtons; ++i) {
        auto* b = static_cast<QPushButton*>(objects_.value(QStringLiteral("btnTeam(%1)").arg(i)));
        b->setText(w.btnTeamCaption[size_t(i)]);
        b->setVisible(w.btnTeamVisible[size_t(i)]);
    }
    static_cast<QPushButton*>(objects_.value(QStringLiteral("btnTeamSel")))->setText(w.btnTeamSelCaption);
    static_cast<QPushButton*>(objects_.value(QStringLiteral("PVDecisions")))->setText(w.PVDecisionsCaption);
    static_cast<QWidget*>(objects_.value(QStringLiteral("PVInterestLevel")))->setToolTip(w.PVInterestLevelToolTip);
    static_cast<QWidget*>(objects_.value(QStringLiteral("CkIncludeF")))->setToolTip(w.CkIncludeFToolTip);
    // The statistics window answers the button once it exists.
    static_cast<QWidget*>(objects_.value(QStringLiteral("Command1")))
        ->setEnabled(bool(app_.hooks.showCrusadeStatistics));

    if (!state_.focusRequest.isEmpty()) {
        if (auto* target = qobject_cast<QWidget*>(objects_.value(state_.focusRequest))) target->setFocus();
        state_.focusRequest.clear();
    }
    showing_ = false;
}

void PrintReports::showPage() {
    const PrintReportsState& w = state_;
    Info->setPlainText(Shown(w.Info));
    Info->setVisible(w.infoVisible);
    VScroll1->setRange(w.VScroll1Max > 0 ? 1 : 0, w.VScroll1Max);
    VScroll1->setPageStep(kPageStep);
    VScroll1->setSingleStep(1);
    VScroll1->setValue(w.VScroll1);
}

// --- Events ---------------------------------------------------------------------------------

void PrintReports::closeEvent(QCloseEvent* event) {
    // A name being edited from the page that its rules refuse to save keeps the window.
    bool closing = true;
    if (returning_ && app_.hooks.editForm)
        run([this, &closing] { closing = Form_Unload(app_, state_, *app_.hooks.editForm); });
    if (!closing) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    restoreMainPlace();
    event->accept();
    // Unloaded: the next preview makes a new window, even before this one is deleted.
    if (gCurrent == this) forget();
}

bool PrintReports::event(QEvent* event) {
    // Coming back from another window of the program redraws the page; a message box of
    // the window's own procedure does not, nor one that reaches it after its closing hid it.
    if (event->type() == QEvent::WindowActivate && depth_ == 0 && !showing_ && isVisible())
        run([this] { Form_Activate(app_, state_); });
    return QMainWindow::event(event);
}

bool PrintReports::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VScroll1 && event->type() == QEvent::KeyPress) {
        const int code = KeyCode(static_cast<QKeyEvent*>(event)->key());
        bool taken = false;
        if (code != 0) run([this, code, &taken] { taken = VScroll1_KeyDown(app_, state_, code); });
        return taken;
    }
    if (watched == Info->viewport() && event->type() == QEvent::MouseButtonPress) {
        InfoMouseDown(static_cast<QMouseEvent*>(event));
        return true;
    }
    if (watched == objects_.value(QStringLiteral("OptVisit"))) {
        if (event->type() == QEvent::MouseButtonDblClick) run([this] { OptVisit_Click(app_, state_); });
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (text.size() == 1 && text.at(0).isPrint()) {
                run([this, c = text.at(0)] { OptVisit_KeyPress(app_, state_, c); });
                return true;
            }
        }
    }
    if (watched == CrTitleBox && event->type() == QEvent::MouseButtonPress) {
        run([this] { CrTitleBox_Click(state_); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void PrintReports::InfoMouseDown(const QMouseEvent* event) {
    // The line and the character under the pointer, counted from the page's first
    // character in the box's fixed-pitch font; a click past the end of a line counts on.
    const QTextBlock first = Info->document()->firstBlock();
    const QRect origin = Info->cursorRect(QTextCursor(first));
    const qreal lineHeight = std::max<qreal>(1, Info->document()->documentLayout()->blockBoundingRect(first).height());
    const qreal charWidth = std::max<qreal>(1, QFontMetricsF(Info->font()).horizontalAdvance(QLatin1Char('M')));
    const QPointF at = event->position();
    const int row = int(std::floor((at.y() - origin.top()) / lineHeight));
    const int column = int(std::floor((at.x() - origin.left()) / charWidth)) + 1;
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= kShiftMask;
    if (event->modifiers() & Qt::ControlModifier) shift |= kCtrlMask;
    if (event->modifiers() & Qt::AltModifier) shift |= kAltMask;
    if (row < 0) return;

    LineWindows windows;
    windows.pickInterest = [this](AttendeeRecord& rec) { SelIntFm::pick(app_, rec, this); };
    windows.editHousehold = [this](QList<QByteArray>& family) { FamilyMem::edit(app_, family, this); };
    windows.showEditForm = [this] {
        if (auto* form = dynamic_cast<QWidget*>(app_.hooks.editForm)) {
            placeBeside(form);
            form->show();
            form->raise();
            form->activateWindow();
        }
    };
    run([this, &windows, row, column, shift] { Info_MouseDown(app_, state_, windows, row, column, shift); });
}

void PrintReports::placeBeside(QWidget* form) {
    const QScreen* s = screen();
    if (!s) return;
    if (!mainPlace_) mainPlace_ = QRect(form->pos(), form->size());
    // In sight stay the title row down to Close and the names of the page's lines.
    const QMargins frame = FrameOf(this);
    const auto* close = static_cast<QWidget*>(objects_.value(QStringLiteral("CloseBut")));
    const int names = Info->viewport()->mapTo(this, QPoint()).x() + int(Info->document()->documentMargin()) +
                      QFontMetrics(Info->font()).horizontalAdvance(QString(kNameColumns, u'M'));
    const QPoint keep(frame.left() + names, frame.top() + close->mapTo(this, QPoint(0, close->height())).y());
    // A main window whose frame is not known yet has one like this window's.
    const QMargins formFrame = FrameOf(form).isNull() ? frame : FrameOf(form);
    SettleLayouts(form);
    const BesidePreview places = PlaceBesidePreview(s->availableGeometry(), keep, mainPlace_->size().grownBy(formFrame),
                                                    form->minimumSizeHint().grownBy(formFrame));
    move(places.preview);
    // Its inside is placed, so that the frame lands where planned whether or not the
    // window system has told the frame yet.
    form->setGeometry(places.main - formFrame);
}

void PrintReports::restoreMainPlace() {
    if (!mainPlace_) return;
    if (auto* form = dynamic_cast<QWidget*>(app_.hooks.editForm)) {
        form->move(mainPlace_->topLeft());
        form->resize(mainPlace_->size());
    }
    mainPlace_.reset();
}

}  // namespace fennick
