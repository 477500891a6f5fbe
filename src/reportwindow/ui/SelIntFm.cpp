#include "reportwindow/ui/SelIntFm.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fennick {

SelIntFm::SelIntFm(App& app, const AttendeeRecord& rec, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("SelIntFm"));
    setWindowTitle(kAppTitle);
    setModal(true);

    lblName = new QLabel(this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setWordWrap(true);
    auto* frame = new QGroupBox(this);
    auto* column = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (int k = 1; k <= kIntLevelButtons; ++k) {
        auto* b = new QRadioButton(btnIntCaption(k), frame);
        b->setObjectName(QStringLiteral("btnInt(%1)").arg(k));
        group->addButton(b, k);
        column->addWidget(b);
        btnInt[size_t(k)] = b;
        connect(b, &QRadioButton::clicked, this, [this, k] { run([this, k] { btnInt_Click(form_, k); }); });
    }
    OKBut = new QPushButton(QStringLiteral("Clear Int"), this);
    OKBut->setObjectName(QStringLiteral("OKBut"));
    CancelBut = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    CancelBut->installEventFilter(this);
    connect(OKBut, &QPushButton::clicked, this, [this] { run([this] { OKBut_Click(form_); }); });
    connect(CancelBut, &QPushButton::clicked, this, [this] { run([this] { CancelBut_Click(form_); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKBut);
    buttons->addWidget(CancelBut);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblName);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    run([this, &rec] { SelIntFm_Load(form_, rec); });
    // Keyboard first: a letter typed at once goes to Cancel's key rule.
    CancelBut->setDefault(false);
    OKBut->setAutoDefault(false);
    CancelBut->setAutoDefault(false);
    setFocusProxy(CancelBut);
    CancelBut->setFocus();
}

void SelIntFm::pick(App& app, AttendeeRecord& rec, QWidget* parent) {
    SelIntFm picker(app, rec, parent);
    picker.exec();
    rec.IntLevel = Ansi(picker.form().IntLevel);
}

void SelIntFm::run(const std::function<void()>& rule) {
    RunGuarded(app_, kSourceFennick95, rule);
    if (form_.unloaded) {
        done(QDialog::Accepted);
        return;
    }
    showForm();
}

void SelIntFm::showForm() {
    lblName->setText(QString(form_.lblName).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QButtonGroup* group = btnInt[1]->group();
    group->setExclusive(false);
    for (int k = 1; k <= kIntLevelButtons; ++k) btnInt[size_t(k)]->setChecked(form_.selected == k);
    group->setExclusive(true);
}

bool SelIntFm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CancelBut && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Space and Enter press the button and Esc closes, as on any button.
        const bool buttonKey = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                               key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
        if (!buttonKey && !text.isEmpty() && text.at(0).isPrint()) {
            run([this, c = text.at(0)] { CancelBut_KeyPress(app_, form_, c); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace fennick
