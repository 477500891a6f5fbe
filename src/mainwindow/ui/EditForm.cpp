#include "mainwindow/ui/EditForm.h"

#include "attendance/AttendOpening.h"
#include "attendance/PrayerRequests.h"
#include "attendance/VisitEntry.h"
#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "data/ui/Artwork.h"
#include "filetools/CrusadeChange.h"
#include "filetools/CrusadeFileCommands.h"
#include "filetools/EraseCrusade.h"
#include "filetools/ExportCommands.h"
#include "filetools/UpdateCheck.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/DeleteUndo.h"
#include "mainwindow/EditFormControls.h"
#include "mainwindow/FieldEntry.h"
#include "mainwindow/FilterCommands.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/Marks.h"
#include "mainwindow/MenuBar.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/ui/ElidedCheckBox.h"
#include "mainwindow/ui/TextBox.h"
#include "mainwindow/ui/ToolbarIcons.h"
#include "platform/Dialogs.h"
#include "reportwindow/ReportMenus.h"
#include "statistics/FileInfo.h"
#include "statistics/Stats.h"
#include "statistics/TeamStats.h"
#include "tables/MemberEditor.h"
#include "tables/Preferences.h"
#include "tables/ZipEditor.h"

#include <QAbstractPrintDialog>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFrame>
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
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace fennick {

namespace {

// Toolbar cells share one width; a view's own phrase under a button may take up to three.
constexpr int kCellWidth = 60;
constexpr int kMarkedNameWidth = 150;
constexpr int kCellSpacing = 2;
constexpr int kPhraseWidth = 3 * kCellWidth + 2 * kCellSpacing;
// Fields up to this many characters get a box of their own width.
constexpr int kShortField = 12;
// Room left on the screen for the window's title bar.
constexpr int kTitleBarRoom = 40;
// The dynamic property that keeps a field box's width in characters.
const char* const kFieldWidth = "fennickFieldWidth";
// The dynamic property that keeps a menu item's own enabled setting.
const char* const kEnabledSetting = "fennickEnabled";

// The record's boxes in the order Enter walks through them.
const char* const kEnterOrder[] = {"RNum",    "FName",       "LName",      "Address",        "Zip",    "State",
                                   "City",    "MailList",    "Phone",      "txtEmail",       "Age",    "MapCode",
                                   "RelPref", "Advertising", "WorkerCode", "IntLevel",       "Visits", "BaptDate",
                                   "Class",   "Baptized",    "BirthDate",  "chkMarkToVisit", "Notes"};

// Controls that show a record field; typing into any of them is a change of the record.
const char* const kRecordFields[] = {
    "RNum",     "FName",      "LName",       "Address",        "City",      "State",    "Zip",
    "Phone",    "Age",        "Advertising", "RelPref",        "IntLevel",  "Visits",   "WorkerCode",
    "Attend",   "Attendance", "Notes",       "Last",           "Decisions", "BaptDate", "Class",
    "MailList", "MapCode",    "BirthDate",   "chkMarkToVisit", "txtEmail",  "Baptized"};

bool IsSystemColour(BgrColor c) {
    return (c & 0x80000000u) != 0;
}
QColor FromBgr(BgrColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// Message texts and view titles carry CR LF line breaks; labels show plain ones.
QString Shown(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool IsInputBox(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

bool IsLine(const QWidget* w) {
    const auto* f = qobject_cast<const QFrame*>(w);
    return f && (f->frameShape() == QFrame::HLine || f->frameShape() == QFrame::VLine);
}

void SetRole(QWidget* w, QPalette::ColorRole role, BgrColor c) {
    QPalette pal = w->palette();
    pal.setColor(role, IsSystemColour(c) ? QApplication::palette(w).color(role) : FromBgr(c));
    w->setPalette(pal);
}

QLineEdit* EditorOf(QWidget* w) {
    if (auto* le = qobject_cast<QLineEdit*>(w)) return le;
    if (auto* cb = qobject_cast<QComboBox*>(w)) return cb->lineEdit();
    return nullptr;
}

}  // namespace

EditForm::EditForm(App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral("Fennick"));
    setWindowIcon(AppIcon());

    buildMenus();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("EditFormBackground"));
    background_ << central;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(4);
    column->addWidget(buildToolbar());
    auto* line1 = add(new QFrame(central), QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    column->addWidget(line1);
    column->addWidget(buildHeader());
    column->addWidget(buildRecordArea(), 1);
    auto* line2 = add(new QFrame(central), QStringLiteral("Line2"));
    line2->setFrameShape(QFrame::HLine);
    column->addWidget(line2);
    column->addWidget(buildNavigation());
    setCentralWidget(central);
    for (const char* l : {"Line1", "Line2"}) {
        auto* f = static_cast<QFrame*>(named(QLatin1String(l)));
        f->setFrameShadow(QFrame::Plain);
        f->setLineWidth(2);
        setForeColor(QLatin1String(l), 0xC00000);
    }
    setTabOrderOfFields();
    fitFields();

    for (const char* hidden :
         {"btnSaveNew", "btnSaveExit", "btnCancelNew", "ShowAll", "MtgNum", "MtgNumLabel", "AddNameLabel",
          "ReturnToPreviewMsg", "frameVisit", "Label_MailListFocus", "lblShowButtonLabels"})
        setVisible(QLatin1String(hidden), false);
    for (auto it = objects_.cbegin(); it != objects_.cend(); ++it)
        if (IsUnbuiltCommand(it.key())) setEnabled(it.key(), false);

    wireCommands();
    watchEdits();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &EditForm::onFocusWindowChanged);
    app_.hooks.editForm = this;
    app_.hooks.showAll = [this] { ShowAll_Click(app_, *this); };
    app_.hooks.endProgram = [this](int code) { endProgram(code); };
    app_.hooks.mailMerge = [this] { MailMerge(app_); };
    app_.hooks.enterPrayer = [this] { EnterPrayer(app_, *this); };
    // The window opens ready for a number or a name to search for.
    static_cast<QWidget*>(named(QStringLiteral("SearchBox")))->setFocus();
    // The window opens at its usual size, or the screen's room less a title bar, centred on
    // the screen. Placed so, it keeps its own place whenever it is hidden for another window
    // and shown again.
    QSize size(1280, 720);
    const QScreen* s = screen();
    if (s) size = size.boundedTo(s->availableGeometry().size() - QSize(0, kTitleBarRoom));
    resize(size);
    if (s) {
        const QRect room = s->availableGeometry();
        move(std::max(room.left(), room.center().x() - width() / 2),
             std::max(room.top(), room.center().y() - height() / 2));
    }
}

EditForm::~EditForm() {
    // Taking the widgets down moves the focus: nothing of the window may answer that now.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    if (app_.hooks.editForm != this) return;
    app_.hooks.editForm = nullptr;
    app_.hooks.showAll = nullptr;
    app_.hooks.endProgram = nullptr;
    app_.hooks.mailMerge = nullptr;
    app_.hooks.enterPrayer = nullptr;
}

void EditForm::load() {
    run([this] { Form_Load(app_, *this); });
}

void EditForm::run(const std::function<void()>& command) {
    invoke(command);
    if (depth_ == 0) settleFocus();
}

void EditForm::invoke(const std::function<void()>& command) {
    ++depth_;
    RunGuarded(app_, kSourceFennick95, command, [this](int code) { endProgram(code); });
    --depth_;
}

void EditForm::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
    QMainWindow::setVisible(false);
    QCoreApplication::exit(code);
}

// --- building -------------------------------------------------------------------------

QWidget* EditForm::surface() {
    auto* w = new QWidget(this);
    background_ << w;
    return w;
}

template <typename T>
T* EditForm::add(T* widget, const QString& name) {
    Q_ASSERT_X(EditFormControlNames().contains(name), "EditForm",
               qPrintable(QStringLiteral("unlisted control ") + name));
    widget->setObjectName(name);
    objects_.insert(name, widget);
    return widget;
}

QLineEdit* EditForm::field(const QString& name, int width) {
    auto* box = add(new QLineEdit(this), name);
    // A box holds what its field holds, except where the leave rule shortens what was
    // typed: "(555) 123-4567" becomes 555-123-4567, "Avenue" becomes "Ave".
    const int typingRoom = name == QLatin1String("Phone") ? 20 : name == QLatin1String("Address") ? 40 : width;
    box->setMaxLength(typingRoom);
    box->setProperty(kFieldWidth, width);
    return box;
}

void EditForm::fitFields() {
    // Short fields are as wide as what they hold; the longer ones share the room left. The
    // widths follow the face each box ends up with in its group.
    for (QObject* o : std::as_const(objects_)) {
        auto* box = qobject_cast<QLineEdit*>(o);
        if (!box || !box->property(kFieldWidth).isValid()) continue;
        if (box->minimumWidth() > 0 || box->maximumWidth() < QWIDGETSIZE_MAX) continue;  // sized where it was made
        const int width = box->property(kFieldWidth).toInt();
        const QFontMetrics metrics = box->fontMetrics();
        const int charWidth = metrics.horizontalAdvance(QLatin1Char('M'));
        if (width <= kShortField) {
            box->setMinimumWidth(metrics.horizontalAdvance(QString(width, u'0')) + 18);
            box->setMaximumWidth(charWidth * (width + 2) + 16);
        } else {
            box->setMinimumWidth(charWidth * 8);
        }
    }
    // Each column of decisions keeps the room of the longest title the program gives,
    // whichever titles it shows, so that the window's least width does not change with them.
    auto* decisions = static_cast<QGridLayout*>(widgetNamed(QStringLiteral("grpDecisions"))->layout());
    const QString title = QLatin1String(kLongestDecisionCaption);
    ElidedCheckBox longest(title, title);
    longest.setFont(widgetNamed(QStringLiteral("Dec(0)"))->font());
    for (int column = 0; column < 3; ++column) decisions->setColumnMinimumWidth(column, longest.sizeHint().width());
}

QCheckBox* EditForm::check(const QString& name, const QString& caption) {
    // A decision title the user chose is cut short to the room of the longest title the
    // program gives; the program's own captions keep their whole width, however narrow the
    // window.
    const bool decision = name.startsWith(QLatin1String("Dec("));
    auto* box =
        add(new ElidedCheckBox(caption, decision ? QLatin1String(kLongestDecisionCaption) : QString(), this), name);
    // The box's colour covers the box and its caption, not the rest of the row.
    box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    return box;
}

QLabel* EditForm::label(const QString& name, const QString& caption) {
    auto* l = add(new QLabel(caption, this), name);
    return l;
}

void EditForm::buildMenus() {
    for (const MenuEntry& top : MenuChildren(QString())) {
        QMenu* m = menuBar()->addMenu(top.caption);
        m->setObjectName(top.name);
        m->menuAction()->setObjectName(top.name);
        menus_.insert(top.name, m);
        objects_.insert(top.name, m);
        buildMenu(m, top.name);
    }
}

void EditForm::buildMenu(QMenu* menu, const QString& parent) {
    for (const MenuEntry& e : MenuChildren(parent)) {
        QAction* a = nullptr;
        if (e.separator) {
            a = menu->addSeparator();
        } else if (IsSubmenu(e.name)) {
            QMenu* sub = menu->addMenu(e.caption);
            sub->setObjectName(e.name);
            menus_.insert(e.name, sub);
            objects_.insert(e.name, sub);
            sub->menuAction()->setObjectName(e.name);
            buildMenu(sub, e.name);
            continue;
        } else {
            a = menu->addAction(e.caption);
            if (!e.shortcut.isEmpty()) a->setShortcut(QKeySequence(e.shortcut, QKeySequence::PortableText));
        }
        a->setVisible(!e.hidden);
        if (e.name.isEmpty()) continue;
        a->setObjectName(e.name);
        objects_.insert(e.name, a);
    }
}

QLabel* EditForm::captionUnder(QWidget* cellOwner, const QString& name, QVBoxLayout* cell, int width) {
    auto* c = new QLabel(cellOwner);
    c->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c->setWordWrap(true);
    c->setFixedWidth(width);
    QFont f = c->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    c->setFont(f);
    c->setVisible(false);
    cell->addWidget(c, 0, Qt::AlignHCenter | Qt::AlignTop);
    captionCells_.insert(name, c);
    return c;
}

QWidget* EditForm::buildToolbar() {
    auto* bar = surface();
    bar->setObjectName(QStringLiteral("ToolbarRow"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kCellSpacing);
    // The caption line: its text and whether it is shown decide the captions under the
    // buttons; it has no face of its own.
    auto* captionLine = add(new QWidget(bar), QStringLiteral("lblShowButtonLabels"));
    captionLine->setProperty("text", kButtonLabelsCaption);
    captionLine->setFixedSize(0, 0);

    // Each button stands over its caption in a cell of its own, so that a caption goes
    // with its button whatever else is hidden.
    auto addCell = [&](QWidget* control, const QString& caption, int width) {
        auto* cell = new QWidget(bar);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(1);
        column->addWidget(control, 0, Qt::AlignHCenter);
        captionUnder(cell, control->objectName(), column, width);
        column->addStretch(1);
        ownCaptions_.insert(control->objectName(), caption);
        cells_.insert(control->objectName(), cell);
        row->addWidget(cell, 0, Qt::AlignTop);
    };
    for (const ToolbarButton& b : ToolbarButtons()) {
        auto* button = add(new QToolButton(bar), b.name);
        button->setIcon(ToolbarIcon(b.name));
        button->setIconSize(QSize(32, 32));
        button->setToolTip(b.toolTip);
        button->setText(b.caption);
        button->setAutoRaise(true);
        button->setFixedSize(kCellWidth, 44);
        // A click takes the focus, so the box left runs its leave rule before the command.
        button->setFocusPolicy(Qt::StrongFocus);
        addCell(button, b.caption, kCellWidth);
        if (b.name == QStringLiteral("btnGoTo")) {
            auto* marked = label(QStringLiteral("FndNameBx"), QStringLiteral("Marked name"));
            marked->setFrameShape(QFrame::StyledPanel);
            marked->setFrameShadow(QFrame::Sunken);
            marked->setAlignment(Qt::AlignCenter);
            marked->setFixedSize(kMarkedNameWidth, 30);
            marked->setToolTip(QStringLiteral("The marked name"));
            addCell(marked, QStringLiteral("Name"), kMarkedNameWidth);
        }
    }
    row->addStretch(1);

    // All Names, with a caption of its own only where a view gives it one.
    auto* showAll = add(new QPushButton(bar), QStringLiteral("ShowAll"));
    for (const ToolbarButton& b : OtherButtons())
        if (b.name == QStringLiteral("ShowAll")) {
            showAll->setText(b.caption);
            showAll->setToolTip(b.toolTip);
        }
    showAll->setMinimumHeight(34);
    showAll->setAutoDefault(true);  // Enter on the focused button clicks it
    showAll->setStyleSheet(
        QStringLiteral("QPushButton { background: #c8372d; color: white; font-weight: bold; padding: 4px 14px; "
                       "border-radius: 4px; }"));
    addCell(showAll, QString(), kPhraseWidth);
    return bar;
}

QWidget* EditForm::buildHeader() {
    auto* header = surface();
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(2, 0, 2, 0);

    auto* title = label(QStringLiteral("EditLabel"), QStringLiteral("All Names Alphabetical"));
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.25);
    tf.setBold(true);
    title->setFont(tf);
    title->setStyleSheet(QStringLiteral("color: #1f3f6b;"));
    // Some views' titles take two lines: the room is kept so the record does not move. A
    // longer title wraps in its room instead of widening the window.
    title->setMinimumHeight(QFontMetrics(tf).lineSpacing() * 2);
    title->setWordWrap(true);
    row->addWidget(title, 8);

    auto* preview = label(QStringLiteral("ReturnToPreviewMsg"),
                          QStringLiteral("Editing a name from the report preview: closing this window saves it and returns to the "
                                         "preview"));
    preview->setStyleSheet(QStringLiteral("color: #c8372d; font-weight: bold;"));
    preview->setWordWrap(true);
    row->addWidget(preview, 8);
    row->addStretch(1);

    auto* adding = label(QStringLiteral("AddNameLabel"), QStringLiteral("Adding New Names"));
    adding->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    row->addWidget(adding);
    row->addSpacing(12);
    row->addWidget(label(QStringLiteral("MtgNumLabel"), QStringLiteral("MeetingNumber")));
    row->addWidget(field(QStringLiteral("MtgNum"), 2));
    row->addSpacing(12);
    // The buttons that drive add mode stand beside its meeting, where the view's title
    // stands otherwise.
    for (const ToolbarButton& b : OtherButtons()) {
        if (!b.name.startsWith(QStringLiteral("btnSave")) && b.name != QStringLiteral("btnCancelNew")) continue;
        auto* button = add(new QPushButton(b.caption, header), b.name);
        button->setToolTip(b.toolTip);
        button->setAutoDefault(true);  // Enter on the focused button clicks it
        row->addWidget(button);
    }
    row->addSpacing(24);

    row->addWidget(label(QStringLiteral("lblRecordPos"), QStringLiteral("Record #")));
    auto* pos = label(QStringLiteral("RecordPos"), QString());
    pos->setMinimumWidth(pos->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    row->addWidget(pos);
    return header;
}

namespace {
// A caption and a box on one row of a group's grid.
void Row(QGridLayout* g, int row, int col, QLabel* caption, QWidget* box, int span = 1) {
    caption->setBuddy(box);
    g->addWidget(caption, row, col, Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(box, row, col + 1, 1, span);
}

QGridLayout* GroupGrid(QGroupBox* box) {
    auto* g = new QGridLayout(box);
    g->setContentsMargins(10, 8, 10, 8);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(7);
    return g;
}
}  // namespace

QGroupBox* EditForm::buildIdentity() {
    auto* box = add(new QGroupBox(QStringLiteral("Person"), this), QStringLiteral("grpPerson"));
    auto* g = GroupGrid(box);
    Row(g, 0, 0, label(QStringLiteral("lblRNum"), QStringLiteral("Reg. #:")), field(QStringLiteral("RNum"), 4));
    Row(g, 1, 0, label(QStringLiteral("lblFName"), QStringLiteral("First Name:")), field(QStringLiteral("FName"), 20));
    Row(g, 2, 0, label(QStringLiteral("lblLName"), QStringLiteral("Last Name:")), field(QStringLiteral("LName"), 20));
    g->setColumnStretch(1, 1);
    return box;
}

QGroupBox* EditForm::buildAddress() {
    auto* box = add(new QGroupBox(QStringLiteral("Address"), this), QStringLiteral("grpAddress"));
    auto* g = GroupGrid(box);
    Row(g, 0, 0, label(QStringLiteral("lblAddress"), QStringLiteral("Street:")), field(QStringLiteral("Address"), 30),
        3);
    Row(g, 1, 0, label(QStringLiteral("lblZip"), QStringLiteral("Zip Code:")), field(QStringLiteral("Zip"), 10));
    Row(g, 1, 2, label(QStringLiteral("lblState"), QStringLiteral("State:")), field(QStringLiteral("State"), 2));
    Row(g, 2, 0, label(QStringLiteral("lblCity"), QStringLiteral("City:")), field(QStringLiteral("City"), 20), 3);
    auto* mail = new QHBoxLayout;
    mail->addWidget(check(QStringLiteral("MailList"), QStringLiteral("On the mail list")));
    auto* focusMark = label(QStringLiteral("Label_MailListFocus"), QStringLiteral("\u25C0"));
    focusMark->setStyleSheet(QStringLiteral("color: #c8372d;"));
    mail->addWidget(focusMark);
    mail->addStretch(1);
    g->addLayout(mail, 3, 1, 1, 3);
    g->setColumnStretch(1, 1);
    return box;
}

QGroupBox* EditForm::buildContact() {
    auto* box = add(new QGroupBox(QStringLiteral("Contact"), this), QStringLiteral("grpContact"));
    auto* g = GroupGrid(box);
    Row(g, 0, 0, label(QStringLiteral("lblPhone"), QStringLiteral("Phone:")), field(QStringLiteral("Phone"), 12));
    Row(g, 1, 0, label(QStringLiteral("lbltxtEmail"), QStringLiteral("E-mail:")),
        field(QStringLiteral("txtEmail"), 40));
    g->setColumnStretch(1, 1);
    return box;
}

QGroupBox* EditForm::buildChurch() {
    auto* box = add(new QGroupBox(QStringLiteral("Church, age and advertising"), this), QStringLiteral("grpChurch"));
    auto* g = GroupGrid(box);
    auto* church = add(new QComboBox(this), QStringLiteral("RelPref"));
    church->setEditable(true);
    church->setInsertPolicy(QComboBox::NoInsert);
    // The box is as wide as a church's name field, whatever names the list holds.
    church->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    church->setMinimumContentsLength(20);
    church->lineEdit()->setMaxLength(20);
    Row(g, 0, 0, label(QStringLiteral("lblRelPref"), QStringLiteral("Church:")), church);
    Row(g, 1, 0, label(QStringLiteral("lblAge"), QStringLiteral("Age Group:")), field(QStringLiteral("Age"), 10));
    Row(g, 2, 0, label(QStringLiteral("lblAdvertising"), QStringLiteral("Advertising:")),
        field(QStringLiteral("Advertising"), 20));
    Row(g, 3, 0, label(QStringLiteral("MapCodeLbl"), QStringLiteral("Map Code:")), field(QStringLiteral("MapCode"), 8));
    g->setColumnStretch(1, 1);
    return box;
}

QGroupBox* EditForm::buildVisitation() {
    auto* box = add(new QGroupBox(QStringLiteral("Visitation and baptism"), this), QStringLiteral("grpVisitation"));
    auto* g = GroupGrid(box);
    Row(g, 0, 0, label(QStringLiteral("lblWorkerCode"), QStringLiteral("Team:")),
        field(QStringLiteral("WorkerCode"), 2));
    Row(g, 0, 2, label(QStringLiteral("IntLabel"), QStringLiteral("Interest:")), field(QStringLiteral("IntLevel"), 1));
    Row(g, 1, 0, label(QStringLiteral("VisitsLabel"), QStringLiteral("Visits:")), field(QStringLiteral("Visits"), 12),
        3);
    Row(g, 2, 0, label(QStringLiteral("BaptDateLbl"), QStringLiteral("Bapt.Date:")),
        field(QStringLiteral("BaptDate"), 8));
    g->addWidget(label(QStringLiteral("lblBapDate"), QStringLiteral("M/D/Y")), 2, 2, 1, 2);
    Row(g, 3, 0, label(QStringLiteral("ClassLbl"), QStringLiteral("Bapt. Interview:")),
        check(QStringLiteral("Class"), {}));
    Row(g, 3, 2, label(QStringLiteral("lBaptized"), QStringLiteral("Baptized/ POF")),
        check(QStringLiteral("Baptized"), {}));
    Row(g, 4, 0, label(QStringLiteral("lBDate"), QStringLiteral("Birth Date:")), field(QStringLiteral("BirthDate"), 8));
    g->addWidget(check(QStringLiteral("chkMarkToVisit"), QStringLiteral("Marked to Print")), 5, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return box;
}

QGroupBox* EditForm::buildDecisions() {
    auto* box = add(new QGroupBox(QStringLiteral("Decisions"), this), QStringLiteral("grpDecisions"));
    auto* g = GroupGrid(box);
    for (int i = 0; i <= 8; ++i) {
        g->addWidget(check(QStringLiteral("Dec(%1)").arg(i), QStringLiteral("Decision %1").arg(i + 1)), i / 3, i % 3);
    }
    auto* codes = field(QStringLiteral("Decisions"), 12);
    codes->setReadOnly(true);
    codes->setToolTip(QStringLiteral("The decision letters as the record keeps them"));
    g->addWidget(label(QStringLiteral("lblDecisions"), QStringLiteral("Letters:")), 3, 0, Qt::AlignRight);
    g->addWidget(codes, 3, 1);
    return box;
}

QGroupBox* EditForm::buildAttendance() {
    auto* box = add(new QGroupBox(QStringLiteral("Attendance"), this), QStringLiteral("grpAttendance"));
    auto* g = GroupGrid(box);
    auto* nights = field(QStringLiteral("Attendance"), 40);
    nights->setReadOnly(true);
    nights->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    nights->setMinimumWidth(nights->fontMetrics().horizontalAdvance(QString(42, QLatin1Char('-'))));
    nights->setToolTip(QStringLiteral("Click to update the nights attended"));
    g->addWidget(nights, 0, 0, 1, 4);
    Row(g, 1, 0, label(QStringLiteral("lblAttend"), QStringLiteral("Nights attended:")),
        field(QStringLiteral("Attend"), 2));
    Row(g, 1, 2, label(QStringLiteral("lblLast"), QStringLiteral("Last night:")), field(QStringLiteral("Last"), 6));
    for (const char* ro : {"Attend", "Last"}) static_cast<QLineEdit*>(named(QLatin1String(ro)))->setReadOnly(true);
    return box;
}

QGroupBox* EditForm::buildNotes() {
    auto* box = add(new QGroupBox(QStringLiteral("Notes"), this), QStringLiteral("grpNotes"));
    auto* col = new QVBoxLayout(box);
    col->setContentsMargins(8, 6, 8, 6);
    auto* caption = label(QStringLiteral("Label17"), QStringLiteral("Notes for Data Entry Only"));
    caption->setToolTip(QStringLiteral("Double-click to empty the notes"));
    col->addWidget(caption);
    auto* notes = add(new TextBox(decltype(AttendeeRecord::Notes)::Width, this), QStringLiteral("Notes"));
    notes->setTabChangesFocus(true);
    notes->setMinimumHeight(notes->fontMetrics().lineSpacing() * 3 + 12);
    col->addWidget(notes);
    return box;
}

QGroupBox* EditForm::buildVisitFrame() {
    auto* box = add(new QGroupBox(QStringLiteral("Update Visits"), this), QStringLiteral("frameVisit"));
    auto* g = GroupGrid(box);
    Row(g, 0, 0, label(QStringLiteral("lblVisitInt"), QStringLiteral("Interest")),
        field(QStringLiteral("boxVisitInterest"), 1));
    Row(g, 0, 2, label(QStringLiteral("lblVisitVisit"), QStringLiteral("Visit:")),
        field(QStringLiteral("boxVisitVisits"), 3));
    auto* update = add(new QPushButton(QStringLiteral("Update"), this), QStringLiteral("btnVisitUpdate"));
    update->setAutoDefault(true);
    g->addWidget(update, 0, 4);
    g->addWidget(check(QStringLiteral("AutoUpdateVisits"), QStringLiteral("Update after each search")), 1, 1, 1, 4);
    return box;
}

QWidget* EditForm::buildRecordArea() {
    auto* area = surface();
    // The record is read at a glance: its boxes use a slightly larger face.
    QFont larger = area->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.1);
    area->setFont(larger);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    auto* left = new QVBoxLayout;
    left->addWidget(buildIdentity());
    left->addWidget(buildAddress());
    left->addWidget(buildContact());
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(buildChurch());
    middle->addWidget(buildVisitation());
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildDecisions());
    right->addWidget(buildAttendance());
    right->addWidget(buildNotes());
    right->addWidget(buildVisitFrame());
    right->addStretch(1);
    grid->addLayout(left, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->setColumnStretch(0, 4);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 4);
    for (QGroupBox* g : area->findChildren<QGroupBox*>())
        if (g->objectName() != QStringLiteral("frameVisit")) background_ << g;
    return area;
}

QWidget* EditForm::buildNavigation() {
    auto* nav = surface();
    auto* row = new QHBoxLayout(nav);
    row->setContentsMargins(0, 0, 0, 0);
    const QStyle::StandardPixmap arrows[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                             QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    for (int i = 0; i < 4; ++i) {
        const ToolbarButton& b = OtherButtons().at(4 + i);
        auto* button = add(new QToolButton(nav), b.name);
        button->setIcon(style()->standardIcon(arrows[i]));
        button->setToolTip(b.toolTip);
        button->setText(b.caption);
        button->setFixedSize(36, 30);
        button->setFocusPolicy(Qt::StrongFocus);
        row->addWidget(button);
        if (i == 1) {
            auto* counter = field(QStringLiteral("RecordCounter"), 20);
            counter->setReadOnly(true);
            counter->setAlignment(Qt::AlignCenter);
            counter->setFixedWidth(counter->fontMetrics().horizontalAdvance(QStringLiteral("00000 of 00000")) + 16);
            counter->setFocusPolicy(Qt::NoFocus);
            row->addWidget(counter);
        }
    }
    row->addSpacing(8);
    auto* hint = label(QStringLiteral("lblNextFieldBtn"), QStringLiteral("Right Click for Next Field"));
    hint->setStyleSheet(QStringLiteral("color: #556;"));
    row->addWidget(hint);
    row->addStretch(1);

    row->addWidget(label(QStringLiteral("SearchBoxLabel"), QStringLiteral("Enter Number or Name to search for")));
    auto* search = field(QStringLiteral("SearchBox"), 30);
    search->setMinimumWidth(search->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
    search->setClearButtonEnabled(true);
    row->addWidget(search);
    auto* found = field(QStringLiteral("EntInd"), 3);
    found->setReadOnly(true);
    found->setFixedWidth(found->fontMetrics().horizontalAdvance(QStringLiteral("SDAW")) + 12);
    row->addWidget(found);
    auto* note = field(QStringLiteral("SDAIdent"), 40);
    note->setReadOnly(true);
    note->setMinimumWidth(note->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 12);
    row->addWidget(note);
    return nav;
}

void EditForm::setTabOrderOfFields() {
    QWidget* previous = nullptr;
    for (const char* name : kEnterOrder) {
        auto* w = qobject_cast<QWidget*>(named(QLatin1String(name)));
        if (previous && w) QWidget::setTabOrder(previous, w);
        previous = w;
    }
    QWidget::setTabOrder(previous, qobject_cast<QWidget*>(named(QStringLiteral("SearchBox"))));
}

// --- events -----------------------------------------------------------------------------

namespace {

// Boxes whose keys, changes and focus the window hands to the field procedures, beside
// the record's own fields.
const char* const kEntryBoxes[] = {"MtgNum", "boxVisitInterest", "boxVisitVisits", "SearchBox"};

// A focus that is handed on by the procedures settles after this many moves at most.
constexpr int kFocusHops = 8;

// The key as the field procedures know it: the virtual-key code of the classic keyboard.
int VirtualKey(const QKeyEvent* e) {
    const int k = e->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return vk::F2 - 1 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::Enter;
        case Qt::Key_Escape:
            return vk::Escape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vk::Tab;
        case Qt::Key_Backspace:
            return vk::Back;
        case Qt::Key_Delete:
            return vk::Delete;
        case Qt::Key_PageUp:
            return vk::PageUp;
        case Qt::Key_PageDown:
            return vk::PageDown;
        case Qt::Key_Shift:
            return vk::Shift;
        case Qt::Key_Control:
            return vk::Control;
        case Qt::Key_Alt:
            return vk::Alt;
        case Qt::Key_CapsLock:
            return vk::CapsLock;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return vk::Plus;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return vk::Comma;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return vk::Minus;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return 190;
        default:
            return 0;
    }
}

int ShiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? vk::ShiftMask : 0) | (m & Qt::ControlModifier ? vk::CtrlMask : 0) |
           (m & Qt::AltModifier ? vk::AltMask : 0);
}

// The character a key types into a box, as the classic key-press event gives it; null for
// none. Tab moves the focus and types nothing.
QChar TypedCharacter(const QKeyEvent* e) {
    if (e->text().isEmpty() || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return QChar();
    return e->text().at(0);
}

// The controls whose keys go to the field procedures.
bool IsKeyBox(const QString& name) {
    if (name.startsWith(QLatin1String("Dec(")) || name.startsWith(QLatin1String("ChgRec("))) return true;
    for (const char* box : kRecordFields)
        if (name == QLatin1String(box)) return true;
    for (const char* box : kEntryBoxes)
        if (name == QLatin1String(box)) return true;
    return false;
}

bool IsPageKey(int key) {
    return key == vk::PageUp || key == vk::PageDown;
}

}  // namespace

void EditForm::onCommand(const QString& name, const std::function<void()>& given) {
    QObject* o = named(name);
    // A button takes the focus when it is clicked, which leaves the box before its command;
    // a menu item does not, so its command leaves the box itself.
    const std::function<void()> command =
        qobject_cast<QAction*>(o) ? std::function<void()>([this, given] { runMenuCommand(given); }) : given;
    commands_.insert(name, command);
    if (auto* a = qobject_cast<QAction*>(o)) {
        // A shortcut acts only as its menu item would: not while a menu holding it is disabled.
        connect(a, &QAction::triggered, this, [this, name, command] {
            if (available(name)) run(command);
        });
    } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        connect(b, &QAbstractButton::clicked, this, [this, command] { run(command); });
    }
}

void EditForm::wireCommands() {
    onCommand(QStringLiteral("mnuExit"), [this] {
        if (mnuExit_Click(app_, *this)) endProgram(0);
    });
    for (int i = 1; i <= 4; ++i)
        onCommand(QStringLiteral("mnuRecentFile(%1)").arg(i), [this, i] { mnuRecentFile_Click(app_, *this, i); });
    onCommand(QStringLiteral("mnuPreviousRec"), [this] { mnuPreviousRec_Click(app_, *this); });
    onCommand(QStringLiteral("mnuNextRecord"), [this] { mnuNextRecord_Click(app_, *this); });
    onCommand(QStringLiteral("mnuHelpFiles"), [this] { mnuHelpFiles_Click(app_); });
    onCommand(QStringLiteral("mnuShortcuts"), [this] { mnuShortcuts_Click(app_); });
    onCommand(QStringLiteral("mnuPrintManual"), [this] { mnuPrintManual_Click(app_, *this); });
    onCommand(QStringLiteral("mnuAbout"), [this] { mnuAbout_Click(app_); });
    onCommand(QStringLiteral("mnuUpdate"), [this] { mnuUpdate_Click(app_); });
    for (int i = 0; i <= 3; ++i)
        onCommand(QStringLiteral("ChgRec(%1)").arg(i), [this, i] { ChgRec_Click(app_, *this, i); });
    wireRecordCommands();

    // The Filters menu: every view command, all names and the clearing of the marks.
    QStringList filters = FilterViewCommands();
    filters << QStringLiteral("mnuAllAlpha") << QStringLiteral("mnuClearMarks");
    for (const QString& name : std::as_const(filters))
        onCommand(name, [this, name] { RunFilterCommand(app_, *this, name); });

    // The previews of View Reports and the toolbar open the report window on their list.
    for (const PreviewCommand& p : PreviewCommands())
        onCommand(QLatin1String(p.item), [this, command = p.run] { command(app_, *this); });

    for (QWidget* w : std::as_const(background_)) w->installEventFilter(this);
    wireFieldEvents();
}

void EditForm::wireRecordCommands() {
    using Command = void (*)(App&, MainScreen&);
    const QList<QPair<const char*, Command>> commands = {
        // File: changing and creating the crusade.
        {"mnuChgCr", mnuChgCr_Click},
        {"mnuNewCr", mnuNewCr_Click},
        // Edit and Tools: the zip-code editor.
        {"mnuZipCodes", mnuZipCodes_Click},
        {"mnuTeamAssignments", mnuZipCodes_Click},
        // Edit and the toolbar.
        {"mnuUndo", mnuUndo_Click},
        {"btnUndo", btnUndo_Click},
        {"mnuEditMode", mnuEditMode_Click},
        {"mnuGlobal", mnuGlobal_Click},
        {"btnGlobal", mnuGlobal_Click},
        // Records: adding, copying, deleting and restoring.
        {"mnuAddRecords", mnuAddRecords_Click},
        {"btnAddName", mnuAddRecords_Click},
        {"btnSaveNew", btnSaveNew_Click},
        {"btnSaveExit", btnSaveExit_Click},
        {"btnCancelNew", btnCancelNew_Click},
        {"mnuCopy", mnuCopy_Click},
        {"mnuDeleteRecord", mnuDeleteRecord_Click},
        {"btnDelete", btnDelete_Click},
        {"btnSDA", btnSDA_Click},
        {"munUndeleteRec", munUndeleteRec_Click},
        {"btnUndelete", btnUndelete_Click},
        // Marks, the cut-off and moving about.
        {"mnuMarkMarkers", mnuMarkMarkers_Click},
        {"mnuClearMark", mnuClearMark_Click},
        {"mPrCut", mPrCut_Click},
        {"btnMark", btnMark_Click},
        // The attendance screen for a meeting night.
        {"mnuAttendUpdate", mnuAttendUpdate_Click},
        {"btnAttend", btnAttend_Click},
        {"btnGoTo", btnGoTo_Click},
        // Prayer requests into the crusade's journal.
        {"mnuEnterPrayerRequest", EnterPrayer},
        {"btnPrayer", EnterPrayer},
        {"ShowAll", ShowAll_Click},
        // The crusade statistics on the statistics window.
        {"mnuStats", mnuStats_Click},
        {"btnStats", mnuStats_Click},
        {"mnuWkrStats", ShowTeamStats},
        {"mnuExcel", mnuExcel_Click},
        {"btnExcel", mnuExcel_Click},
        // The file information and the team-name counts.
        {"mnuInfo", mnuInfo_Click},
        {"mnuCntWorkers", CountWorkers},
        // The preferences and the church member list.
        {"mnuPref", mnuPref_Click},
        {"mnuEditTeamNames", mnuEditTeamNames_Click},
        {"mnuMembers", mnuMembers_Click},
    };
    for (const auto& [name, command] : commands)
        onCommand(QLatin1String(name), [this, command = command] { command(app_, *this); });
    // File and Tools: the backup, restore, merges, import, compare, compaction, repair and
    // exports, over the crusade's files as a whole.
    for (const CrusadeFileCommand& c : CrusadeFileCommands())
        onCommand(QLatin1String(c.item), [this, &c] { RunCrusadeFileCommand(app_, *this, c); });
    onCommand(QStringLiteral("mnuViewPrayerList"), [this] { mnuViewPrayerList_Click(app_); });
    onCommand(QStringLiteral("mnuErase"), [this] { mnuErase_Click(app_); });
    // The Print Reports commands whose generators are built.
    for (const PrintCommand& c : PrintCommands())
        if (c.generator) onCommand(QLatin1String(c.item), [this, &c] { RunPrintCommand(app_, *this, c); });
    onCommand(QStringLiteral("btnVisitUpdate"), [this] { btnVisitUpdate_Click(*this); });
    onCommand(QStringLiteral("mnuVisits"), [this] { mnuVisits_Click(app_, *this); });

    for (int i = 0; i <= 8; ++i)
        connect(static_cast<QCheckBox*>(named(QStringLiteral("Dec(%1)").arg(i))), &QCheckBox::clicked, this,
                [this, i] { run([this, i] { Dec_MouseUp(app_, *this, i); }); });
    connect(static_cast<QCheckBox*>(named(QStringLiteral("Baptized"))), &QCheckBox::clicked, this,
            [this] { run([this] { Baptized_Click(app_, *this); }); });
}

void EditForm::wireFieldEvents() {
    QStringList boxes;
    for (const char* name : kRecordFields) boxes << QLatin1String(name);
    for (const char* name : kEntryBoxes) boxes << QLatin1String(name);
    for (int i = 0; i <= 8; ++i) boxes << QStringLiteral("Dec(%1)").arg(i);
    for (int i = 0; i <= 3; ++i) boxes << QStringLiteral("ChgRec(%1)").arg(i);
    for (const char* name :
         {"Label17", "EditLabel", "frameVisit", "btnSDA", "btnSaveExit", "btnCancelNew", "AutoUpdateVisits"})
        boxes << QLatin1String(name);
    for (const QString& name : std::as_const(boxes)) {
        QObject* o = named(name);
        o->installEventFilter(this);
        if (auto* area = qobject_cast<QPlainTextEdit*>(o)) area->viewport()->installEventFilter(this);
    }

    // Changes typed or put into a box.
    auto onChange = [this](const char* box, void (*change)(App&, MainScreen&), bool typedOnly) {
        auto* edit = static_cast<QLineEdit*>(named(QLatin1String(box)));
        auto handler = [this, change] { run([this, change] { change(app_, *this); }); };
        if (typedOnly)
            connect(edit, &QLineEdit::textEdited, this, handler);
        else
            connect(edit, &QLineEdit::textChanged, this, handler);
    };
    // The interest level is checked as the user types it; a record's own level is shown as
    // it stands.
    onChange("IntLevel", IntLevel_Change, true);
    onChange("BaptDate", BaptDate_Change, false);
    onChange("BirthDate", BirthDate_Change, false);
    connect(static_cast<QLineEdit*>(named(QStringLiteral("boxVisitInterest"))), &QLineEdit::textChanged, this,
            [this] { run([this] { boxVisitInterest_Change(*this); }); });

    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (depth_ == 0) settleFocus();
    });
}

void EditForm::watchEdits() {
    auto typed = [this] {
        if (!settingText_) typedChanges_ = true;
    };
    QStringList fields;
    for (const char* name : kRecordFields) fields << QLatin1String(name);
    for (int i = 0; i <= 8; ++i) fields << QStringLiteral("Dec(%1)").arg(i);
    for (const QString& name : std::as_const(fields)) {
        QObject* o = named(name);
        if (auto* le = qobject_cast<QLineEdit*>(o)) connect(le, &QLineEdit::textEdited, this, typed);
        if (auto* cb = qobject_cast<QComboBox*>(o)) connect(cb->lineEdit(), &QLineEdit::textEdited, this, typed);
        if (auto* ck = qobject_cast<QCheckBox*>(o)) connect(ck, &QCheckBox::clicked, this, typed);
        if (auto* pt = qobject_cast<QPlainTextEdit*>(o)) connect(pt, &QPlainTextEdit::textChanged, this, typed);
    }
}

bool EditForm::available(const QString& item) const {
    const MenuEntry* e = FindMenuEntry(item);
    if (!e) return false;
    QAction* a = action(item);
    if (!a || !a->isVisible() || !a->isEnabled()) return false;
    for (QString menu = e->parent; !menu.isEmpty(); menu = FindMenuEntry(menu)->parent)
        if (!isEnabled(menu)) return false;
    return true;
}

QString EditForm::controlOf(const QObject* o) const {
    for (; o && o != this; o = o->parent())
        if (objects_.value(o->objectName()) == o) return o->objectName();
    return QString();
}

// --- focus ------------------------------------------------------------------------------

QWidget* EditForm::focusedControl() const {
    return qobject_cast<QWidget*>(objects_.value(controlOf(focusWidget())));
}

QWidget* EditForm::applyPendingFocus() {
    if (pendingFocus_.isEmpty()) return nullptr;
    auto* w = qobject_cast<QWidget*>(objects_.value(pendingFocus_));
    pendingFocus_.clear();
    if (!w || !w->isEnabled() || !w->isVisibleTo(this)) return nullptr;
    w->setFocus(Qt::OtherFocusReason);
    return w;
}

void EditForm::settleFocus() {
    if (settling_) return;
    settling_ = true;
    for (int hop = 0; hop < kFocusHops && !ended_; ++hop) {
        QWidget* asked = applyPendingFocus();
        QWidget* now = focusedControl();
        if (!now) break;
        if (leftOpen_) {
            // A box left while the focus stayed in it is not entered again, and what it
            // holds now counts as left; one the focus moved from is not left a second time.
            leftOpen_ = false;
            if (!current_ && now == leftBox_ && asked != now) {
                current_ = now;
                leftText_ = text(now->objectName());
                break;
            }
            leftBox_ = nullptr;
        }
        if (now == current_) {
            // Asked for again, the control that holds the focus gets it anew (a new entry
            // begins in the number box it was left in).
            if (asked == now) invoke([this, now] { enterControl(now->objectName()); });
            if (pendingFocus_.isEmpty()) break;
            continue;
        }
        const QString left = current_ ? current_->objectName() : QString();
        const bool leftAlready = current_ && current_ == leftBox_ && text(left) == leftText_;
        current_ = nullptr;
        leftBox_ = nullptr;
        if (!left.isEmpty() && !leftAlready) invoke([this, &left] { leaveControl(left); });
        // A leave that sends the focus elsewhere keeps it from the control it was going to.
        if (!pendingFocus_.isEmpty() || focusedControl() != now) continue;
        current_ = now;
        invoke([this, now] { enterControl(now->objectName()); });
    }
    settling_ = false;
}

void EditForm::enterControl(const QString& name) {
    if (name == QLatin1String("EntInd"))
        EntInd_GotFocus(*this);
    else if (name == QLatin1String("SDAIdent"))
        SDAIdent_GotFocus(*this);
    else
        FieldGotFocus(app_, *this, name);
}

bool EditForm::leaveControl(const QString& name) {
    if (name == QLatin1String("LName")) LName_LostFocus(app_, *this);
    return FieldLostFocus(app_, *this, name);
}

bool EditForm::leaveFocusedBox() {
    QWidget* box = current_;
    if (!box || app_.crusade.AddMode || focusedControl() != box) return true;
    const QString name = box->objectName();
    if (box == leftBox_ && text(name) == leftText_) return true;
    // As settleFocus leaves a box: a refusal that sends the focus back enters it anew.
    current_ = nullptr;
    bool accepted = true;
    invoke([this, &name, &accepted] { accepted = leaveControl(name); });
    // Accepted, the box counts as left once what made it leave is over (settleFocus).
    leftBox_ = accepted ? box : nullptr;
    leftOpen_ = accepted;
    if (!accepted) focusRefusedBox(name);
    return accepted;
}

void EditForm::bringForward() {
    if (!isVisible()) return;
    raise();
    activateWindow();
}

void EditForm::runMenuCommand(const std::function<void()>& command) {
    if (leaveFocusedBox()) command();
}

// --- keys and mouse -----------------------------------------------------------------------

bool EditForm::runMenuShortcut(const QKeyEvent* event) {
    const QKeySequence keys(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (auto it = commands_.cbegin(); it != commands_.cend(); ++it) {
        QAction* a = qobject_cast<QAction*>(objects_.value(it.key()));
        if (!a || a->shortcut().isEmpty() || a->shortcut() != keys) continue;
        if (!available(it.key())) return false;  // the box may use the key itself
        run(it.value());
        return true;
    }
    return false;
}

bool EditForm::keyPressed(QObject* watched, const QString& name, QKeyEvent* event) {
    // The menu's shortcuts come first, even those a text box would take for itself.
    if (runMenuShortcut(event)) return true;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const int key = VirtualKey(event);
    const int shift = ShiftState(event->modifiers());
    const QChar typed = TypedCharacter(event);
    bool taken = false;
    ++depth_;  // the box takes the key before the focus moves on
    if (name == QLatin1String("SearchBox")) {
        invoke([&] { SearchBox_KeyDown(app_, *this, key); });
        taken = IsPageKey(key) || key == vk::F2 || key == vk::Plus;
        if (!taken && !typed.isNull()) invoke([&] { taken = SearchBox_KeyPress(app_, *this, typed.unicode()) == 0; });
    } else if (name.startsWith(QLatin1String("ChgRec("))) {
        invoke([&] { ChgRec_KeyDown(app_, *this, key); });
        taken = IsPageKey(key);
    } else if (auto* box = qobject_cast<QCheckBox*>(watched); box && key == 32) {
        // The space bar ticks the box at once: its key procedure may move the focus on.
        if (!event->isAutoRepeat()) box->click();
        invoke([&] { FieldKeyDown(app_, *this, name, key, shift); });
        taken = true;
    } else {
        invoke([&] { taken = FieldKeyDown(app_, *this, name, key, shift); });
        if (!taken && !typed.isNull()) invoke([&] { taken = FieldKeyPress(app_, *this, name, typed); });
    }
    if (!taken && !ended_) {
        passing_ = event;
        QCoreApplication::sendEvent(watched, event);
        passing_ = nullptr;
    }
    event->accept();
    --depth_;
    if (depth_ == 0) settleFocus();
    return true;
}

bool EditForm::mousePressed(const QString& name, const QMouseEvent* event) {
    if (name == QLatin1String("Notes")) {
        // The caution takes the press: the click that placed the caret comes again after it.
        const bool caution = app_.mainWindow.NotesCautionPending;
        run([this] { Notes_MouseDown(app_); });
        return caution;
    }
    // The interview box follows the appointment dialog its release opens; a click does
    // not tick it on its own.
    if (name == QLatin1String("Class")) return true;
    if (name == QLatin1String("frameVisit") && (event->button() & (Qt::LeftButton | Qt::RightButton))) {
        // A press of either button on the frame is Edit, Enter Visits.
        if (QAction* visits = action(QStringLiteral("mnuVisits")); visits && available(QStringLiteral("mnuVisits")))
            visits->trigger();
        return true;
    }
    return false;
}

bool EditForm::mouseReleased(QObject* watched, const QString& name, const QMouseEvent* event) {
    const bool right = event->button() == Qt::RightButton;
    auto* surface = qobject_cast<QWidget*>(watched);
    if (right && background_.contains(surface)) {
        // A release a control let pass comes up to the surface under it: the right button
        // pops up the Edit menu only where nothing but the surface was pressed.
        const QWidget* under = surface->childAt(event->position().toPoint());
        if (under && !background_.contains(under)) return true;
        run([this] { Form_MouseUp(*this, kRightButton); });
    } else if (name == QLatin1String("Class")) {
        run([this] { Class_MouseUp(app_); });
        return true;
    } else if (name == QLatin1String("Attendance") && !right) {
        run([this] { Attendance_Click(app_, *this); });
    } else if (name.startsWith(QLatin1String("ChgRec(")) && right) {
        const int index = name.mid(7, 1).toInt();
        run([this, index] { ChgRec_MouseUp(app_, *this, index, kRightButton); });
        return true;  // the arrow's jump is all the right button does there
    } else if (name == QLatin1String("btnSDA") && right) {
        sdaRightClick();
        return true;
    }
    return false;
}

bool EditForm::doubleClicked(const QString& name) {
    if (name == QLatin1String("Label17"))
        run([this] { Label17_DblClick(*this); });
    else if (name == QLatin1String("EditLabel"))
        run([this] { EditLabel_DblClick(app_, *this); });
    else if (name == QLatin1String("BaptDate"))
        run([this] { BaptDate_DblClick(app_, *this); });
    else if (name == QLatin1String("Notes"))
        run([this] { Notes_DblClick(app_); });
    else if (name == QLatin1String("frameVisit"))
        run([this] { frameVisit_DblClick(app_, *this); });
    else if (name == QLatin1String("boxVisitVisits"))
        run([this] { boxVisitVisits_DblClick(app_, *this); });
    else
        return false;
    return true;
}

// The right button on the church-member button opens the member list (Edit, SDA Members);
// the click that follows it does nothing.
void EditForm::sdaRightClick() {
    if (QAction* members = action(QStringLiteral("mnuMembers")); members && available(QStringLiteral("mnuMembers")))
        members->trigger();
    run([this] {
        app_.msg.MsgAnswer = kRightClick;
        btnSDA_Click(app_, *this);
    });
}

// A press reaches the window before any control. The mouse-down of the add-mode exit
// buttons comes first; then the control under the pointer takes the focus, so that the box
// left runs its leave rule before anything the click does.
void EditForm::windowMousePressed(const QMouseEvent* event) {
    QWidget* target = childAt(event->position().toPoint());
    if (!target) return;
    const QString name = controlOf(target);
    if (event->button() == Qt::LeftButton && target->isEnabled()) {
        if (name == QLatin1String("btnSaveExit"))
            run([this] { btnSaveExit_MouseDown(app_); });
        else if (name == QLatin1String("btnCancelNew"))
            run([this] { btnCancelNew_MouseDown(app_); });
    }
    for (QWidget* w = target; w && w != this; w = w->parentWidget()) {
        if (!w->isEnabled() || !(w->focusPolicy() & Qt::ClickFocus)) continue;
        w->setFocus(Qt::MouseFocusReason);
        if (depth_ == 0) settleFocus();
        break;
    }
}

bool EditForm::eventFilter(QObject* watched, QEvent* event) {
    if (event == passing_) return false;
    if (watched == watchedWindow_) {
        if (event->type() == QEvent::MouseButtonPress) windowMousePressed(static_cast<QMouseEvent*>(event));
        return false;
    }
    const QString name = controlOf(watched);
    // A control out of use takes no keys and no clicks: they go to the window under it.
    if (auto* w = qobject_cast<QWidget*>(watched); w && !w->isEnabled())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (IsKeyBox(name) && !ended_) return keyPressed(watched, name, static_cast<QKeyEvent*>(event));
            break;
        case QEvent::MouseButtonPress:
            if (mousePressed(name, static_cast<QMouseEvent*>(event))) return true;
            break;
        case QEvent::MouseButtonRelease:
            if (mouseReleased(watched, name, static_cast<QMouseEvent*>(event))) return true;
            break;
        case QEvent::MouseButtonDblClick:
            if (doubleClicked(name)) return true;
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void EditForm::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    bool end = false;
    // Closing leaves the box being typed in first, as any other way of leaving it does.
    run([this, &end] { end = leaveFocusedBox() && Form_Unload(app_, *this); });
    if (ended_ || end) {
        event->accept();
        if (!ended_) endProgram(0);
    } else {
        event->ignore();
    }
}

void EditForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (windowHandle() && watchedWindow_ != windowHandle()) {
        watchedWindow_ = windowHandle();
        watchedWindow_->installEventFilter(this);
    }
    if (event->spontaneous()) return;
    activationDue_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!activationDue_) return;
        activationDue_ = false;
        activatedByShow_ = true;
        activateForm();
    });
}

void EditForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // The window is hidden only by commands that saved the record first.
    if (!event->spontaneous()) typedChanges_ = false;
}

void EditForm::focusInEvent(QFocusEvent* event) {
    QMainWindow::focusInEvent(event);
    run([this] { Form_GotFocus(app_, *this, typedChanges_); });
}

void EditForm::focusOutEvent(QFocusEvent* event) {
    QMainWindow::focusOutEvent(event);
    run([this] { Form_LostFocus(app_, *this); });
}

void EditForm::activateForm() {
    run([this] { Form_Activate(app_, *this, typedChanges_); });
}

bool EditForm::isOwnForm(QWindow* window) const {
    if (!window || window == windowHandle()) return false;
    if (window->type() == Qt::Popup || window->type() == Qt::ToolTip) return false;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window) continue;
        // The program's message, input, file and printer boxes stand for the system's
        // dialogs, and the help window for a program of its own: returning from them is
        // not an activation of the main window.
        if (qobject_cast<QMessageBox*>(top) || qobject_cast<QInputDialog*>(top) || qobject_cast<QFileDialog*>(top) ||
            qobject_cast<QAbstractPrintDialog*>(top) || qobject_cast<QProgressDialog*>(top) ||
            qobject_cast<QColorDialog*>(top) || qobject_cast<QFontDialog*>(top) || qobject_cast<QMenu*>(top))
            return false;
        return top->objectName() != QStringLiteral("HelpWindow");
    }
    return false;
}

void EditForm::onFocusWindowChanged(QWindow* window) {
    QWindow* previous = focusWindow_;
    focusWindow_ = window;
    QWindow* mine = windowHandle();
    if (!mine) return;
    if (window == mine && isVisible()) {
        if (activationDue_) {
            activationDue_ = false;
            activateForm();
        } else if (isOwnForm(previous) && !activatedByShow_) {
            activateForm();
        }
        activatedByShow_ = false;
    } else if (previous == mine) {
        activatedByShow_ = false;
        if (isOwnForm(window)) run([this] { Form_Deactivate(app_); });
    }
}

// --- MainScreen -------------------------------------------------------------------------

QAction* EditForm::action(const QString& name) const {
    QObject* o = objects_.value(name);
    if (auto* m = qobject_cast<QMenu*>(o)) return m->menuAction();
    return qobject_cast<QAction*>(o);
}

QString EditForm::text(const QString& control) const {
    QObject* o = named(control);
    if (!o) return QString();
    const QVariant raw = o->property("rawText");
    if (raw.isValid()) return raw.toString();
    if (auto* w = qobject_cast<QLineEdit*>(o)) return w->text();
    if (auto* w = qobject_cast<QPlainTextEdit*>(o)) return w->toPlainText();
    if (auto* w = qobject_cast<QComboBox*>(o)) return w->currentText();
    if (auto* w = qobject_cast<QLabel*>(o)) return w->text();
    if (auto* w = qobject_cast<QAbstractButton*>(o)) return w->text();
    if (auto* w = qobject_cast<QGroupBox*>(o)) return w->title();
    if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    return o->property("text").toString();
}

void EditForm::setText(const QString& control, const QString& text) {
    QObject* o = named(control);
    if (!o) return;
    if (control == QStringLiteral("RecordPos")) typedChanges_ = false;  // a record has been shown
    settingText_ = true;
    if (auto* w = qobject_cast<QLineEdit*>(o)) {
        w->setText(text);
    } else if (auto* w = qobject_cast<QPlainTextEdit*>(o)) {
        w->setPlainText(text);
    } else if (auto* w = qobject_cast<QComboBox*>(o)) {
        // The list opens at the entry the box shows, or at none.
        w->setCurrentIndex(w->findText(text));
        w->setEditText(text);
    } else if (auto* w = qobject_cast<QLabel*>(o)) {
        w->setProperty("rawText", text.contains(QLatin1Char('\r')) ? QVariant(text) : QVariant());
        w->setText(Shown(text));
    } else if (auto* w = qobject_cast<QAbstractButton*>(o)) {
        w->setText(text);
    } else if (auto* w = qobject_cast<QGroupBox*>(o)) {
        w->setTitle(text);
    } else if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(text);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(text);
    } else {
        o->setProperty("text", text);
    }
    settingText_ = false;
    if (control == QLatin1String("lblShowButtonLabels")) showCaptions();
}

int EditForm::value(const QString& control) const {
    if (auto* a = qobject_cast<QAction*>(named(control))) return a->isChecked() ? 1 : 0;
    auto* c = qobject_cast<QCheckBox*>(named(control));
    if (!c) return 0;
    switch (c->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void EditForm::setValue(const QString& control, int value) {
    // A menu item's value is its check mark.
    if (auto* a = qobject_cast<QAction*>(named(control))) {
        a->setCheckable(true);
        a->setChecked(value != 0);
        return;
    }
    auto* c = qobject_cast<QCheckBox*>(named(control));
    if (!c) return;
    if (value == 2) c->setTristate(true);
    c->setCheckState(value == 2 ? Qt::PartiallyChecked : value != 0 ? Qt::Checked : Qt::Unchecked);
}

void EditForm::setBackColor(const QString& control, BgrColor color) {
    auto* w = qobject_cast<QWidget*>(named(control));
    if (!w) return;
    if (IsLine(w)) {
        SetRole(w, QPalette::WindowText, color);
        return;
    }
    if (auto* cb = qobject_cast<QComboBox*>(w)) SetRole(cb->lineEdit(), QPalette::Base, color);
    if (IsInputBox(w)) {
        SetRole(w, QPalette::Base, color);
    } else if (color == kWhite || IsSystemColour(color)) {
        // White is the record screen's own ground: a label, button or check box given it
        // goes back to showing the window behind it, as it first did.
        w->setAutoFillBackground(false);
        QPalette pal = w->palette();
        pal.setColor(w->backgroundRole(), w->parentWidget()->palette().color(w->backgroundRole()));
        w->setPalette(pal);
    } else {
        // Labels fill with the window colour, buttons and check boxes with the button colour.
        w->setAutoFillBackground(true);
        SetRole(w, w->backgroundRole(), color);
    }
}

void EditForm::setForeColor(const QString& control, BgrColor color) {
    auto* w = qobject_cast<QWidget*>(named(control));
    if (!w) return;
    if (auto* cb = qobject_cast<QComboBox*>(w)) SetRole(cb->lineEdit(), QPalette::Text, color);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) SetRole(w, role, color);
}

void EditForm::setBold(const QString& control, bool bold) {
    auto* w = qobject_cast<QWidget*>(named(control));
    if (!w) return;
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

void EditForm::setVisible(const QString& name, bool visible) {
    // The search box's caption and result boxes stand and go with it.
    if (name == QLatin1String("SearchBox"))
        for (const char* part : {"SearchBoxLabel", "EntInd", "SDAIdent"}) setVisible(QLatin1String(part), visible);
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o))
        m->menuAction()->setVisible(visible);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setVisible(visible);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setVisible(visible);
    // A captioned button's cell stands and goes with it.
    if (QWidget* cell = cells_.value(name)) cell->setVisible(visible);
    if (cells_.contains(name) || name == QLatin1String("lblShowButtonLabels")) showCaptions();
}

void EditForm::showCaptions() {
    // The buttons' own line puts each button's caption under it. A line of phrases of its
    // own (the deleted names' view has one) puts them, in order, under the buttons it
    // names that are shown, then under All Names; every other button keeps its caption.
    auto* line = static_cast<QWidget*>(named(QStringLiteral("lblShowButtonLabels")));
    const QString text = line->property("text").toString();
    QHash<QString, QString> phrases;
    if (text != kButtonLabelsCaption) {
        static const QRegularExpression kGap(QStringLiteral(" {3,}"));
        const QStringList parts = text.trimmed().split(kGap, Qt::SkipEmptyParts);
        const QStringList named = kButtonLabelsCaption.split(u' ', Qt::SkipEmptyParts);
        QStringList owners;
        for (const ToolbarButton& b : ToolbarButtons()) {
            if (named.contains(b.caption) && !widgetNamed(b.name)->isHidden()) owners << b.name;
            if (b.name == QStringLiteral("btnGoTo") && !widgetNamed(QStringLiteral("FndNameBx"))->isHidden())
                owners << QStringLiteral("FndNameBx");
        }
        if (!widgetNamed(QStringLiteral("ShowAll"))->isHidden()) owners << QStringLiteral("ShowAll");
        for (qsizetype i = 0; i < parts.size() && i < owners.size(); ++i) phrases.insert(owners[i], parts[i]);
    }
    for (auto it = captionCells_.cbegin(); it != captionCells_.cend(); ++it) {
        QLabel* caption = it.value();
        const bool phrase = phrases.contains(it.key());
        const QString shown = phrase ? phrases.value(it.key()) : ownCaptions_.value(it.key());
        caption->setText(shown);
        // A phrase wraps in the room of up to three buttons; a caption keeps its button's.
        const QWidget* owner = widgetNamed(it.key());
        const int own = std::max(owner->minimumWidth() > 0 ? owner->minimumWidth() : owner->sizeHint().width(), kCellWidth);
        caption->setFixedWidth(phrase ? std::clamp(caption->fontMetrics().horizontalAdvance(shown) + 4, own, kPhraseWidth)
                                      : own);
        caption->setVisible(!line->isHidden() && !shown.isEmpty());
    }
}

QObject* EditForm::named(const QString& name) const {
    QObject* o = objects_.value(name);
    Q_ASSERT_X(o, "EditForm", qPrintable(QStringLiteral("no control ") + name));
    return o;
}

QWidget* EditForm::widgetNamed(const QString& name) const {
    return static_cast<QWidget*>(named(name));
}

bool EditForm::isVisible(const QString& name) const {
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o)) return m->menuAction()->isVisible();
    if (auto* a = qobject_cast<QAction*>(o)) return a->isVisible();
    if (auto* w = qobject_cast<QWidget*>(o)) return !w->isHidden();
    return false;
}

void EditForm::setEnabled(const QString& name, bool enabled) {
    // A command that is not built yet stays disabled whoever asks.
    if (enabled && IsUnbuiltCommand(name)) enabled = false;
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setEnabled(enabled);
        m->menuAction()->setEnabled(enabled);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        // A hidden action reads as disabled; its own setting is kept for when it shows.
        a->setProperty(kEnabledSetting, enabled);
        a->setEnabled(enabled);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setEnabled(enabled);
    }
}

bool EditForm::isEnabled(const QString& name) const {
    QObject* o = named(name);
    if (auto* m = qobject_cast<QMenu*>(o)) return m->menuAction()->isEnabled();
    if (auto* a = qobject_cast<QAction*>(o)) {
        if (a->isVisible()) return a->isEnabled();
        const QVariant setting = a->property(kEnabledSetting);
        return setting.isValid() ? setting.toBool() : !IsUnbuiltCommand(name);
    }
    if (auto* w = qobject_cast<QWidget*>(o)) return !w->testAttribute(Qt::WA_ForceDisabled);
    return false;
}

void EditForm::setFocus(const QString& name) {
    named(name);
    // The move takes place when the procedure asking for it ends.
    pendingFocus_ = name;
    if (depth_ == 0) settleFocus();
}

QString EditForm::focused() const {
    if (!pendingFocus_.isEmpty()) return pendingFocus_;
    const QWidget* w = focusedControl();
    return w ? w->objectName() : QString();
}

void EditForm::setSelection(const QString& name, int start, int length) {
    if (QLineEdit* e = EditorOf(qobject_cast<QWidget*>(named(name)))) e->setSelection(start, length);
}

int EditForm::selectionStart(const QString& name) const {
    QLineEdit* e = EditorOf(qobject_cast<QWidget*>(named(name)));
    if (!e) return 0;
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void EditForm::setItems(const QString& name, const QStringList& items) {
    auto* cb = qobject_cast<QComboBox*>(named(name));
    if (!cb) return;
    const QString shown = cb->currentText();
    settingText_ = true;
    cb->clear();
    cb->addItems(items);
    cb->setEditText(shown);
    settingText_ = false;
}

QStringList EditForm::items(const QString& name) const {
    QStringList out;
    if (auto* cb = qobject_cast<QComboBox*>(named(name)))
        for (int i = 0; i < cb->count(); ++i) out << cb->itemText(i);
    return out;
}

void EditForm::popupMenu(const QString& name) {
    if (auto* m = qobject_cast<QMenu*>(named(name))) m->popup(QCursor::pos());
}

}  // namespace fennick
