#include "attendance/ui/AttendFieldUpdate.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "mainwindow/MainScreen.h"
#include "platform/CommandWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWindow>

namespace fennick {

namespace {

constexpr int kRow = 20;  // nights to a row of buttons

QString Indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

template <typename T>
T* Named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// The open editor; null while there is none.
QPointer<AttendFieldUpdate>& OpenEditor() {
    static QPointer<AttendFieldUpdate> editor;
    return editor;
}

}  // namespace

AttendFieldUpdate::AttendFieldUpdate(App& app, MainScreen& screen)
    : QWidget(dynamic_cast<QWidget*>(&screen), Qt::Window),
      app_(app),
      target_(app, screen),
      editor_(app, target_),
      screen_(dynamic_cast<QWidget*>(&screen)) {
    setObjectName(QStringLiteral("AttendFieldUpdate"));
    setWindowTitle(QStringLiteral("Attendance Update"));
    setAttribute(Qt::WA_DeleteOnClose);

    lblName_ = Named(new QLabel(this), QStringLiteral("lblName"));
    QFont bold = lblName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblName_->setFont(bold);

    Attendance_ = Named(new QLineEdit(this), QStringLiteral("Attendance"));
    Attendance_->setReadOnly(true);
    Attendance_->setFocusPolicy(Qt::NoFocus);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    Attendance_->setFont(mono);
    Attendance_->setMinimumWidth(Attendance_->fontMetrics().horizontalAdvance(QString(42, u'M')));
    Attendance_->installEventFilter(this);
    Attend_ = Named(new QLabel(this), QStringLiteral("Attend"));
    Last_ = Named(new QLabel(this), QStringLiteral("Last"));
    auto* stringRow = new QHBoxLayout;
    stringRow->addWidget(Named(new QLabel(QStringLiteral("Attendance "), this), QStringLiteral("Label1")));
    stringRow->addWidget(Attendance_, 1);
    stringRow->addSpacing(12);
    stringRow->addWidget(new QLabel(QStringLiteral("Total: "), this));
    stringRow->addWidget(Attend_);
    stringRow->addSpacing(12);
    stringRow->addWidget(new QLabel(QStringLiteral("Last Mtg:"), this));
    stringRow->addWidget(Last_);

    // Nights 1..20 on the first row, 21..40 on the second.
    auto* nights = new QGridLayout;
    nights->setHorizontalSpacing(2);
    nights->setVerticalSpacing(2);
    const int side = fontMetrics().horizontalAdvance(QStringLiteral("400")) + 6;
    for (int i = 0; i < AttendanceEditor::kNights; ++i) {
        auto* b = Named(new QPushButton(QString::number(i + 1), this), Indexed("ATD", i));
        b->setFixedSize(side, side);
        b->setAutoDefault(false);
        nights->addWidget(b, i / kRow, i % kRow);
        ATD_[size_t(i)] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { run([this, i] { editor_.ATD_Click(i); }); });
    }
    auto* hint = Named(new QLabel(QStringLiteral("Click the meeting number to Update or to Delete."), this),
                       QStringLiteral("Label16"));

    auto* frame = Named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* options = new QGridLayout(frame);
    for (int i = 1; i <= AttendanceEditor::kDecisionOptions; ++i) {
        auto* o = Named(new QRadioButton(frame), Indexed("optAtDe", i));
        o->setAutoExclusive(false);
        options->addWidget(o, i - 1, 0);
        optAtDe_[size_t(i)] = o;
        connect(o, &QRadioButton::pressed, this, [this, i] { run([this, i] { editor_.optAtDe_MouseDown(i); }); });
        connect(o, &QRadioButton::clicked, this, [this, i] { run([this, i] { editor_.optAtDe_MouseUp(i); }); });
    }
    lblDecision_ = Named(new QLabel(this), QStringLiteral("lblDecision"));
    lblDecision_->setWordWrap(true);
    options->addWidget(lblDecision_, AttendanceEditor::kDecisionOptions, 0);

    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = Named(new QPushButton(caption, this), QLatin1String(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    auto* fill =
        button("btnFill", QStringLiteral("&All"), QStringLiteral("Add all meetings up to the current meeting"));
    auto* clear = button("btnClearAttend", QStringLiteral("C&lear"),
                         QStringLiteral("Remove all meetings except the last meeting"));
    auto* cancel = button("CancelAttendUpdate", QStringLiteral("Cancel"), QString());
    auto* save = button("ExitAttendUpdate", QStringLiteral("&Save"), QString());
    save->setDefault(true);
    connect(fill, &QPushButton::clicked, this, [this] { run([this] { editor_.btnFill_Click(); }); });
    connect(clear, &QPushButton::clicked, this, [this] { run([this] { editor_.btnClearAttend_Click(); }); });
    connect(save, &QPushButton::clicked, this, [this] {
        run([this] { editor_.ExitAttendUpdate_Click(); });
        letGo();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        run([this] { editor_.CancelAttendUpdate_Click(); });
        letGo();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fill);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblName_);
    column->addLayout(stringRow);
    column->addWidget(hint);
    column->addLayout(nights);
    column->addWidget(frame);
    column->addLayout(buttons);

    if (screen_) screen_->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        if (w && w != windowHandle()) fromDialog_ = w->modality() != Qt::NonModal;
    });
    app_.hooks.recordShown = [this](const RecordScreen& s, qint32 n) {
        if (!done_ && editor_.leftBy(s, n)) letGo();
    };
    run([this] {
        for (int i = 1; i <= AttendanceEditor::kDecisionOptions; ++i) {
            optAtDe_[size_t(i)]->setText(editor_.optionCaption(i));
            optAtDe_[size_t(i)]->setEnabled(editor_.optionUsable(i));
        }
        editor_.Form_Load();
    });
    save->setFocus();
}

AttendFieldUpdate::~AttendFieldUpdate() {
    QObject::disconnect(qApp, nullptr, this, nullptr);
    // A closed editor let its hook go when it closed; the one set since belongs to the
    // editor opened after it.
    if (!done_) app_.hooks.recordShown = nullptr;
}

AttendFieldUpdate* AttendFieldUpdate::open(App& app, MainScreen& screen, const Maker& make) {
    QPointer<AttendFieldUpdate>& current = OpenEditor();
    if (current && !current->done_) {
        const bool same = current->screen_ == dynamic_cast<QWidget*>(&screen) &&
                          !current->target_.leftBy(screen, ScreenTarget(app, screen).recordNumber());
        if (same) {
            current->raise();
            current->activateWindow();
            return current;
        }
        current->letGo();
    }
    current = make ? make(screen) : new AttendFieldUpdate(app, screen);
    current->show();
    current->raise();
    current->activateWindow();
    return current;
}

void AttendFieldUpdate::install(App& app, Maker make) {
    app.hooks.showAttendanceUpdate = [&app, make] {
        if (app.hooks.editForm) open(app, *app.hooks.editForm, make);
    };
    app.hooks.attendFAttendanceUpdate = [&app, make](MainScreen& attendF) { open(app, attendF, make); };
}

void AttendFieldUpdate::run(const std::function<void()>& command) {
    const CommandWindow window(this);
    RunGuarded(app_, kSourceFennick95, command);
    showState();
}

void AttendFieldUpdate::showState() {
    lblName_->setText(editor_.lblName);
    Attendance_->setText(editor_.Attendance);
    Attend_->setText(editor_.Attend);
    Last_->setText(editor_.Last);
    for (int i = 1; i <= AttendanceEditor::kDecisionOptions; ++i)
        optAtDe_[size_t(i)]->setChecked(i == editor_.chosenOption);
    lblDecision_->setText(editor_.lblDecision);
    lblDecision_->setFrameShape(editor_.lblDecisionHighlighted ? QFrame::Box : QFrame::NoFrame);
    lblDecision_->setAutoFillBackground(editor_.lblDecisionHighlighted);
    if (editor_.lblDecisionHighlighted) {
        QPalette p = lblDecision_->palette();
        p.setColor(QPalette::Window, QColor(0xFF, 0xC0, 0x80));  // &H80C0FF
        lblDecision_->setPalette(p);
    }
    if (!editor_.focus.isEmpty()) {
        if (auto* w = findChild<QWidget*>(editor_.focus)) w->setFocus();
        editor_.focus.clear();
    }
}

void AttendFieldUpdate::letGo() {
    done_ = true;
    app_.hooks.recordShown = nullptr;
    close();
}

void AttendFieldUpdate::closeEvent(QCloseEvent* event) {
    // Closed by its frame: nothing is written back, as Cancel.
    if (!done_) {
        done_ = true;
        run([this] { editor_.CancelAttendUpdate_Click(); });
    }
    app_.hooks.recordShown = nullptr;
    QWidget::closeEvent(event);
}

bool AttendFieldUpdate::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        // Coming back from one of its own message boxes is no activation, nor one that
        // reaches the editor after its closing hid it.
        if (!fromDialog_ && !done_ && isVisible()) run([this] { editor_.Form_Activate(); });
    }
    return QWidget::event(e);
}

bool AttendFieldUpdate::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Attendance_ && e->type() == QEvent::MouseButtonPress) {
        run([this] { editor_.Attendance_Click(); });
        return true;
    }
    // The screen hidden (another screen took its turn, or it closed): the record is let go.
    if (watched == screen_ && !done_ && e->type() == QEvent::Hide && !e->spontaneous()) letGo();
    return QWidget::eventFilter(watched, e);
}

}  // namespace fennick
