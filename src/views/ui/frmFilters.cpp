#include "views/ui/frmFilters.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace fennick {

namespace {

template <typename W>
W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

frmFilters::frmFilters(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("frmFilters"));
    setWindowTitle(QStringLiteral("Fennick Attendance Filters"));
    setModal(true);

    lblHeading = Named(new QLabel(QStringLiteral("Special Attendance Filters"), this), QStringLiteral("lblHeading"));
    QFont heading = lblHeading->font();
    heading.setBold(true);
    lblHeading->setFont(heading);

    lblTotalAttend = Named(new QLabel(QStringLiteral("Total Attendance"), this), QStringLiteral("lblTotalAttend"));
    txtTotalAttend = Named(new QLineEdit(this), QStringLiteral("txtTotalAttend"));
    for (int i = 0; i < 2; ++i)
        optTotal[size_t(i)] = Named(new QRadioButton(this), QStringLiteral("optTotal(%1)").arg(i));
    lblMeetingCutoff =
        Named(new QLabel(QStringLiteral("Last Meeting Cut Off"), this), QStringLiteral("lblMeetingCutoff"));
    txtLastMtgCutoff = Named(new QLineEdit(this), QStringLiteral("txtLastMtgCutoff"));
    btnSave = Named(new QPushButton(QStringLiteral("Save"), this), QStringLiteral("btnSave"));
    btnCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("btnCancel"));
    btnSave->setDefault(true);

    auto* total = new QHBoxLayout;
    total->addWidget(lblTotalAttend);
    total->addWidget(txtTotalAttend);
    auto* options = new QVBoxLayout;
    options->addWidget(optTotal[0]);
    options->addWidget(optTotal[1]);
    auto* cutOff = new QHBoxLayout;
    cutOff->addWidget(lblMeetingCutoff);
    cutOff->addWidget(txtLastMtgCutoff);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSave);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addLayout(total);
    layout->addLayout(options);
    layout->addLayout(cutOff);
    layout->addLayout(buttons);

    connect(txtTotalAttend, &QLineEdit::textChanged, this, [this] { run([this] { txtTotalAttend_Change(); }); });
    connect(txtLastMtgCutoff, &QLineEdit::textChanged, this, [this](const QString& t) { form_.txtLastMtgCutoff = t; });
    for (int i = 0; i < 2; ++i)
        connect(optTotal[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) form_.optTotal = i;
        });
    connect(btnSave, &QPushButton::clicked, this, [this] { run([this] { btnSave_Click(); }); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { run([this] { btnCancel_Click(); }); });
}

void frmFilters::ask(App& app, QWidget* parent) {
    frmFilters dialog(app, parent);
    dialog.Form_Load();
    dialog.exec();
}

void frmFilters::install(App& app, QWidget* parent) {
    app.hooks.showAttendanceFilters = [&app, parent] { ask(app, parent); };
}

void frmFilters::Form_Load() {
    answered_ = false;
    fennick::Form_Load(app_, form_);
    showForm();
}

void frmFilters::done(int result) {
    // Closed by its frame (or Esc): neither button ran, which counts as Cancel.
    if (!answered_ && result != QDialog::Accepted) run([this] { fennick::btnCancel_Click(app_, form_); });
    QDialog::done(result);
}

void frmFilters::run(const std::function<void()>& command) {
    RunGuarded(app_, kSourceFennick95, command);
}

void frmFilters::txtTotalAttend_Change() {
    form_.txtTotalAttend = txtTotalAttend->text();
    fennick::txtTotalAttend_Change(app_, form_);
    showForm();
}

void frmFilters::btnSave_Click() {
    if (!fennick::btnSave_Click(app_, form_)) return;
    showForm();
    answered_ = true;
    accept();
}

void frmFilters::btnCancel_Click() {
    fennick::btnCancel_Click(app_, form_);
    answered_ = true;
    reject();
}

void frmFilters::showForm() {
    const QSignalBlocker blockTotal(txtTotalAttend);
    const QSignalBlocker blockCutOff(txtLastMtgCutoff);
    if (txtTotalAttend->text() != form_.txtTotalAttend) txtTotalAttend->setText(form_.txtTotalAttend);
    if (txtLastMtgCutoff->text() != form_.txtLastMtgCutoff) txtLastMtgCutoff->setText(form_.txtLastMtgCutoff);
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker blockOption(optTotal[size_t(i)]);
        optTotal[size_t(i)]->setText(form_.optTotalCaption[size_t(i)]);
        optTotal[size_t(i)]->setChecked(form_.optTotal == i);
    }
}

}  // namespace fennick
