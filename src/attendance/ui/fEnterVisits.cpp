#include "attendance/ui/fEnterVisits.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "mainwindow/MainScreen.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace fennick {

fEnterVisits::fEnterVisits(App& app, QWidget* parent) : QDialog(parent), app_(app), entry_(app) {
    setObjectName(QStringLiteral("fEnterVisits"));
    setWindowTitle(QStringLiteral("Visitation Code"));
    setModal(true);

    tVNum_ = new QLineEdit(this);
    tVNum_->setObjectName(QStringLiteral("tVNum"));
    tVNum_->setMaxLength(2);
    tVNum_->setMaximumWidth(tVNum_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    tVNum_->installEventFilter(this);
    connect(tVNum_, &QLineEdit::textEdited, this, [this](const QString& t) { entry_.tVNum = t; });
    auto* caption = new QLabel(QStringLiteral("&Meeting"), this);
    caption->setObjectName(QStringLiteral("lVNum"));
    caption->setBuddy(tVNum_);
    auto* minus = new QPushButton(QStringLiteral("Decrease"), this);
    minus->setObjectName(QStringLiteral("btnMinus"));
    auto* plus = new QPushButton(QStringLiteral("Increase"), this);
    plus->setObjectName(QStringLiteral("btnPlus"));
    for (QPushButton* b : {minus, plus}) b->setAutoDefault(false);
    connect(minus, &QPushButton::clicked, this, [this] { run([this] { entry_.btnMinus_Click(); }); });
    connect(plus, &QPushButton::clicked, this, [this] { run([this] { entry_.btnPlus_Click(); }); });

    auto* types = new QGroupBox(QStringLiteral("VisitType"), this);
    types->setObjectName(QStringLiteral("optVisitType"));
    auto* typeColumn = new QVBoxLayout(types);
    for (int i = 0; i < VisitCodeEntry::kTypes; ++i) {
        auto* o = new QRadioButton(VisitCodeEntry::typeCaption(i), types);
        o->setObjectName(QStringLiteral("optVType(%1)").arg(i));
        typeColumn->addWidget(o);
        optVType_[size_t(i)] = o;
        connect(o, &QRadioButton::clicked, this, [this, i] { run([this, i] { entry_.optVType_Click(i); }); });
    }

    auto* number = new QHBoxLayout;
    number->addWidget(caption);
    number->addWidget(tVNum_);
    number->addWidget(minus);
    number->addWidget(plus);
    auto* column = new QVBoxLayout(this);
    column->addLayout(number);
    column->addWidget(types);

    run([this] { entry_.Form_Load(); });
    tVNum_->setFocus();
}

void fEnterVisits::install(App& app) {
    app.hooks.enterVisitCode = [&app] {
        fEnterVisits window(app, dynamic_cast<QWidget*>(app.hooks.editForm));
        window.exec();
    };
}

void fEnterVisits::run(const std::function<void()>& command) {
    RunGuarded(app_, kSourceFennick95, command);
    showState();
}

void fEnterVisits::showState() {
    if (tVNum_->text() != entry_.tVNum) tVNum_->setText(entry_.tVNum);
    for (int i = 0; i < VisitCodeEntry::kTypes; ++i) optVType_[size_t(i)]->setChecked(i == entry_.type);
    // The number box keeps the keyboard, so that Enter closes the window.
    tVNum_->setFocus();
    tVNum_->selectAll();
}

void fEnterVisits::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        run([this] { entry_.Form_Unload(); });
    }
    QDialog::done(result);
}

bool fEnterVisits::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tVNum_) {
        if (event->type() == QEvent::FocusIn) QTimer::singleShot(0, tVNum_, [this] { tVNum_->selectAll(); });
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            // Enter is taken here, so the dialog's own default handling does not run.
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                accept();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace fennick
