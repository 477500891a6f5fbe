#include "reportwindow/ui/SelDecFm.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "platform/Dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fennick {

bool SelDecFm_OK(App& app, int chosenDecision) {
    if (chosenDecision < 1 || chosenDecision > kDecisionCount) {
        app.dialogs().msgBox(QStringLiteral("You must select a Decision."), Buttons::OK);
        return false;
    }
    app.view.ReportKind = QStringLiteral("decision") + Str(qint64(chosenDecision));
    return true;
}

SelDecFm::SelDecFm(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("SelDecFm"));
    setWindowTitle(kAppTitle);
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Select the Decision to Print"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QVBoxLayout(frame);
    for (int k = 1; k <= kDecisionCount; ++k) {
        Dec[size_t(k)] = new QRadioButton(frame);
        Dec[size_t(k)]->setObjectName(QStringLiteral("Dec(%1)").arg(k));
        frameLayout->addWidget(Dec[size_t(k)]);
        connect(Dec[size_t(k)], &QRadioButton::clicked, this, [this, k] { run([this, k] { Dec_Click(k); }); });
    }

    OKBut = new QPushButton(QStringLiteral("OK"), this);
    OKBut->setObjectName(QStringLiteral("OKBut"));
    OKBut->setDefault(true);
    CancelBut = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    connect(OKBut, &QPushButton::clicked, this, [this] { run([this] { OKBut_Click(); }); });
    connect(CancelBut, &QPushButton::clicked, this, [this] { run([this] { CancelBut_Click(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBut);
    buttons->addWidget(CancelBut);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    Form_Load();
}

bool SelDecFm::pick(App& app, int d, QWidget* parent) {
    SelDecFm picker(app, parent);
    picker.preselect(d);
    return picker.exec() == QDialog::Accepted;
}

void SelDecFm::install(App& app, QWidget* parent) {
    app.hooks.showDecisionPicker = [&app, parent](int d) { return pick(app, d, parent); };
}

void SelDecFm::preselect(int d) {
    if (d < 1 || d > kDecisionCount) return;
    Dec[size_t(d)]->setChecked(true);
    Dec_Click(d);
}

void SelDecFm::run(const std::function<void()>& command) {
    RunGuarded(app_, kSourceFennick95, command);
}

void SelDecFm::Form_Load() {
    for (int k = 1; k <= kDecisionCount; ++k) Dec[size_t(k)]->setText(app_.settings.DecisionNames[size_t(k)]);
}

void SelDecFm::Dec_Click(int k) {
    ChosenDecision = k;
}

void SelDecFm::OKBut_Click() {
    const bool anyChecked = std::any_of(Dec.begin() + 1, Dec.end(), [](QRadioButton* b) { return b->isChecked(); });
    if (SelDecFm_OK(app_, anyChecked ? ChosenDecision : 0)) accept();
}

void SelDecFm::CancelBut_Click() {
    reject();
}

}  // namespace fennick
