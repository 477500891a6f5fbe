#include "tables/ui/Members.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "platform/CommandWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace fennick {

namespace {

// The entry's boxes from left to right, in the order Tab and Enter visit them.
const char* const kBoxes[] = {"RNum", "FName", "LName"};

}  // namespace

Members::Members(App& app, QWidget* mainWindow)
    : TableWindow(app, mainWindow, QStringLiteral("Members")), main_(mainWindow) {
    build();
    form_.ShowNow = [this] { present(); };
    run([this] { Members_Load(app_, form_); });
}

void Members::build() {
    auto label = [this](const char* name, const char* caption) {
        auto* l = add(new QLabel(QLatin1String(caption), this), QLatin1String(name));
        l->setWordWrap(true);
        return l;
    };
    auto button = [this](const char* name, const char* caption) {
        auto* b = add(new QPushButton(QLatin1String(caption), this), QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };

    auto* title = add(new QLineEdit(this), QStringLiteral("MemTitleBox"));
    title->setReadOnly(true);
    title->setFocusPolicy(Qt::NoFocus);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);

    auto* entry = new QGridLayout;
    const char* const captions[] = {"Reg. Num.", "First Name", "Last Name"};
    const int widths[] = {4, 15, 15};
    for (int i = 0; i < 3; ++i) {
        entry->addWidget(new QLabel(QLatin1String(captions[i]), this), 0, i);
        auto* box = add(new QLineEdit(this), QLatin1String(kBoxes[i]));
        box->setMaxLength(widths[i]);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(widths[i] + 1, u'M')));
        box->installEventFilter(this);
        entry->addWidget(box, 1, i);
    }

    QHBoxLayout* moves = recordButtons();

    auto* commands = new QGridLayout;
    commands->addWidget(button("Search", "Search"), 0, 0);
    commands->addWidget(label("SearchLbl", "Search by  Name or Number"), 0, 1);
    commands->addWidget(button("Edit", "Edit "), 1, 0);
    commands->addWidget(label("EditLbl", "Edit Existing Names"), 1, 1);
    commands->addWidget(button("AddMem", "Add"), 2, 0);
    commands->addWidget(label("AddMemLbl", "Add New Names to File"), 2, 1);
    commands->addWidget(button("btnPrintMem", "Print"), 3, 0);
    commands->addWidget(label("PrintMemLbl", "Print Members List"), 3, 1);
    commands->setColumnStretch(1, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(button("btnDeleteSDA", "Delete"));
    side->addStretch(1);
    side->addWidget(button("Command4", "Close"));
    auto* lower = new QHBoxLayout;
    lower->addLayout(commands, 1);
    lower->addLayout(side);

    auto* column = new QVBoxLayout(this);
    column->addWidget(title);
    column->addLayout(entry);
    column->addLayout(moves);
    column->addSpacing(8);
    column->addLayout(lower);

    using Procedure = void (*)(App&, MemberForm&);
    const QPair<const char*, Procedure> clicks[] = {
        {"FirstRecordButton", FirstRecordButton_Click}, {"PreviousRecord", PreviousRecord_Click},
        {"NextRecord_Button", NextRecord_Button_Click}, {"LastRecordButton", LastRecordButton_Click},
        {"Search", Search_Click},                       {"Edit", Edit_Click},
        {"AddMem", AddMem_Click},                       {"btnDeleteSDA", btnDeleteSDA_Click},
        {"btnPrintMem", btnPrintMem_Click},
    };
    for (const auto& [name, procedure] : clicks)
        connect(static_cast<QAbstractButton*>(control(QLatin1String(name))), &QAbstractButton::clicked, this,
                [this, procedure = procedure] { run([this, procedure] { procedure(app_, form_); }); });
    connect(static_cast<QAbstractButton*>(control(QStringLiteral("Command4"))), &QAbstractButton::clicked, this,
            [this] { close(); });
    resize(sizeHint().expandedTo(QSize(480, 0)));
}

bool Members::eventFilter(QObject* watched, QEvent* event) {
    const QString box = watched->objectName();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            run([this, box] { MemberBox_Enter(form_, box); });
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && !running_ && !closing_) {
        // A box's leave rule runs when the focus moves on to another box of the entry; the
        // buttons keep the entry themselves. While adding, the name boxes' rules also run
        // when the focus leaves them for any other control of the window (Tab, a click), so
        // that leaving the last name stores the new member. A focus taken by another window
        // is no leaving.
        const auto* to = QApplication::focusWidget();
        const bool toBox = to && to != watched && to->parentWidget() == this &&
                           std::any_of(std::begin(kBoxes), std::end(kBoxes),
                                       [to](const char* n) { return to->objectName() == QLatin1String(n); });
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool withinWindow = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        const bool nameLeft = form_.Adding && withinWindow && box != QLatin1String("RNum");
        if (toBox || nameLeft) {
            if (box == QLatin1String("RNum"))
                run([this] { RNum_LostFocus(app_, form_); });
            else if (box == QLatin1String("FName"))
                run([this] { FName_LostFocus(app_, form_); });
            else
                run([this] { LName_LostFocus(app_, form_); });
        }
    }
    return TableWindow::eventFilter(watched, event);
}

void Members::activate() {
    run([this] { Members_Activate(app_); });
}

void Members::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        run([this] { Command4_Click(app_, form_); });
        if (main_) {
            main_->show();
            main_->raise();
            main_->activateWindow();
        }
    }
    event->accept();
}

void Members::closeKeepingEntry() {
    if (closing_) return;
    run([this] { Command4_Click(app_, form_); });
    closing_ = true;
    close();
}

void Members::run(const std::function<void()>& procedure) {
    if (running_) return;
    const CommandWindow command(this);
    running_ = true;
    collect();
    RunGuarded(app_, kSourceFennick95, procedure);
    running_ = false;
    // Showing the form may move the focus from one box to another, which runs that box's
    // leave rule in turn.
    present();
}

void Members::collect() {
    form_.RNum = static_cast<QLineEdit*>(control(QStringLiteral("RNum")))->text();
    form_.LName = static_cast<QLineEdit*>(control(QStringLiteral("LName")))->text();
    form_.FName = static_cast<QLineEdit*>(control(QStringLiteral("FName")))->text();
}

void Members::present() {
    showText("RNum", form_.RNum);
    showText("LName", form_.LName);
    showText("FName", form_.FName);
    showText("MemTitleBox", form_.MemTitleBox);
    showText("RCounter", form_.RCounter);
    setWindowTitle(form_.Caption);
    for (const char* name : {"AddMem", "AddMemLbl"}) control(QLatin1String(name))->setVisible(!form_.Adding);
    for (const char* name : {"Edit", "EditLbl"}) control(QLatin1String(name))->setVisible(form_.Adding);
    if (QWidget* w = control(std::exchange(form_.Focus, QString()))) w->setFocus(Qt::OtherFocusReason);
}

}  // namespace fennick
