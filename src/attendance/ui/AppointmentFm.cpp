#include "attendance/ui/AppointmentFm.h"

#include "attendance/ScreenTarget.h"
#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "mainwindow/MainScreen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fennick {

namespace {

QString Indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

AppointmentFm::AppointmentFm(App& app, EditingTarget& target, QWidget* parent)
    : QDialog(parent), app_(app), rules_(app, target) {
    setObjectName(QStringLiteral("AppointmentFm"));
    setWindowTitle(QStringLiteral("Set Appointment Date and Time"));
    setModal(true);

    lblAptName_ = new QLabel(this);
    lblAptName_->setObjectName(QStringLiteral("lblAptName"));
    QFont bold = lblAptName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblAptName_->setFont(bold);
    lblApt_ = new QLabel(this);
    lblApt_->setObjectName(QStringLiteral("lblApt"));
    lblApt_->setFont(bold);

    auto* days = new QGroupBox(this);
    days->setObjectName(QStringLiteral("Frame1"));
    auto* dayColumn = new QVBoxLayout(days);
    auto* dayLabel = new QLabel(QStringLiteral("Day"), days);
    dayLabel->setObjectName(QStringLiteral("Label1"));
    dayColumn->addWidget(dayLabel);
    const QStringList dayCaptions = rules_.dayCaptions();
    for (int i = 0; i < AppointmentRules::kDayOptions; ++i) {
        auto* o = new QRadioButton(dayCaptions.value(i), days);
        o->setObjectName(Indexed("optAptDay", i));
        o->setAutoExclusive(false);
        dayColumn->addWidget(o);
        optAptDay_[size_t(i)] = o;
        connect(o, &QRadioButton::pressed, this, [this, i] { run([this, i] { rules_.optAptDay_MouseDown(i); }); });
        connect(o, &QRadioButton::clicked, this, [this, i] { run([this, i] { rules_.optAptDay_MouseUp(i); }); });
    }
    dayColumn->addStretch(1);

    auto* times = new QGroupBox(this);
    times->setObjectName(QStringLiteral("Frame2"));
    auto* timeGrid = new QGridLayout(times);
    auto* timeLabel = new QLabel(QStringLiteral("Time"), times);
    timeLabel->setObjectName(QStringLiteral("Label2"));
    timeGrid->addWidget(timeLabel, 0, 0, 1, 2);
    // Morning and noon in the first column, the afternoon and evening in the second.
    constexpr int kFirstColumn = 5;
    for (int i = 0; i < AppointmentRules::kTimeOptions; ++i) {
        auto* o = new QRadioButton(AppointmentRules::timeCaptions().at(i), times);
        o->setObjectName(Indexed("optAptTime", i));
        o->setAutoExclusive(false);
        const bool first = i < kFirstColumn;
        timeGrid->addWidget(o, 1 + (first ? i : i - kFirstColumn), first ? 0 : 1);
        optAptTime_[size_t(i)] = o;
        connect(o, &QRadioButton::pressed, this, [this, i] { run([this, i] { rules_.optAptTime_MouseDown(i); }); });
        connect(o, &QRadioButton::clicked, this, [this, i] { run([this, i] { rules_.optAptTime_MouseUp(i); }); });
    }

    btnUnspecified_ = new QCheckBox(QStringLiteral("Unspecified"), this);
    btnUnspecified_->setObjectName(QStringLiteral("btnUnspecified"));
    connect(btnUnspecified_, &QCheckBox::clicked, this,
            [this](bool ticked) { run([this, ticked] { rules_.btnUnspecified_Click(ticked); }); });

    auto* save = Button(this, "btnSave", QStringLiteral("&Save"), QStringLiteral("Save this appointment"));
    auto* clear = Button(this, "btnClear", QStringLiteral("C&lear Appt."),
                         QStringLiteral("Erase the appointment from this record"));
    auto* cancel = Button(this, "btnCancelApt", QStringLiteral("Cancel"),
                          QStringLiteral("Close this form without making any changes"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, [this] {
        bool closes = false;
        run([this, &closes] { closes = rules_.btnSave_Click(); });
        finish(closes);
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        bool closes = false;
        run([this, &closes] { closes = rules_.btnClear_Click(); });
        finish(closes);
    });
    connect(cancel, &QPushButton::clicked, this, &AppointmentFm::reject);

    auto* choices = new QHBoxLayout;
    choices->addWidget(days);
    choices->addWidget(times, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnUnspecified_);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(clear);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblAptName_);
    column->addLayout(choices);
    column->addWidget(lblApt_);
    column->addLayout(buttons);

    run([this] { rules_.Form_Load(); });
}

void AppointmentFm::open(App& app, MainScreen& screen) {
    ScreenTarget target(app, screen);
    AppointmentFm dialog(app, target, dynamic_cast<QWidget*>(&screen));
    dialog.exec();
}

void AppointmentFm::install(App& app) {
    app.hooks.showAppointment = [&app] {
        if (app.hooks.editForm) open(app, *app.hooks.editForm);
    };
    app.hooks.attendFAppointment = [&app](MainScreen& attendF) { open(app, attendF); };
}

void AppointmentFm::run(const std::function<void()>& command) {
    RunGuarded(app_, kSourceFennick95, command);
    showState();
}

void AppointmentFm::showState() {
    for (int i = 0; i < AppointmentRules::kDayOptions; ++i) optAptDay_[size_t(i)]->setChecked(i == rules_.dayOption());
    for (int i = 0; i < AppointmentRules::kTimeOptions; ++i)
        optAptTime_[size_t(i)]->setChecked(i == rules_.timeOption());
    btnUnspecified_->setChecked(rules_.unspecified());
    lblAptName_->setText(rules_.lblAptName());
    lblApt_->setText(rules_.lblApt());
}

void AppointmentFm::finish(bool closes) {
    if (!closes) return;
    closed_ = true;
    accept();
}

void AppointmentFm::reject() {
    // Cancel, Esc and the window's frame end in the closing steps too.
    if (!closed_) {
        closed_ = true;
        run([this] { rules_.btnCancelApt_Click(); });
    }
    QDialog::reject();
}

}  // namespace fennick
