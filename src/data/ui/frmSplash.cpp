#include "data/ui/frmSplash.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "data/frmSplashControls.h"
#include "data/ui/Artwork.h"
#include "platform/Dialogs.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace fennick {

namespace {

constexpr int kPanelWidth = 250;
constexpr int kEmblemSize = 132;
const QColor kPanelTop(0x1b, 0x36, 0x5d);
const QColor kPanelBottom(0x2f, 0x6f, 0x8f);
const QColor kPaper(0xfb, 0xf8, 0xf0);

// The labels that act as a key press when clicked.
const char* const kKeyLabels[] = {"lblCompany",  "lblCopyright",   "lblLastCrusadeName",
                                  "lblPlatform", "lblProductName", "lblVersion"};
const QString kLastCrusadeName = QStringLiteral("lblLastCrusadeName");

}  // namespace

frmSplash::frmSplash(App& app, PrinterProbe printerInstalled, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      app_(app),
      printerInstalled_(std::move(printerInstalled)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(kAppTitle);
    setWindowIcon(AppIcon());
    setModal(true);
    setFixedSize(700, 420);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Left: the emblem, the program's name and version over the painted panel.
    auto* panel = new QVBoxLayout;
    panel->setContentsMargins(24, kEmblemSize + 56, 20, 18);
    auto* product = addLabel(QStringLiteral("lblProductName"), kAppTitle);
    product->setStyleSheet(QStringLiteral("color: white; font-size: 30pt; font-weight: bold;"));
    product->setAlignment(Qt::AlignHCenter);
    auto* version = addLabel(QStringLiteral("lblVersion"), QString());
    version->setStyleSheet(QStringLiteral("color: #d6e4f2; font-size: 11pt;"));
    version->setAlignment(Qt::AlignHCenter);
    auto* platform = addLabel(QStringLiteral("lblPlatform"), kPlatformText);
    platform->setStyleSheet(QStringLiteral("color: #b9cde0;"));
    platform->setAlignment(Qt::AlignHCenter);
    panel->addWidget(product);
    panel->addWidget(version);
    panel->addStretch(1);
    panel->addWidget(platform);
    auto* panelWidget = new QWidget(this);
    panelWidget->setFixedWidth(kPanelWidth);
    panelWidget->setLayout(panel);
    outer->addWidget(panelWidget);

    // Right: the three choices and the company.
    auto* right = new QVBoxLayout;
    right->setContentsMargins(34, 30, 30, 18);
    right->setSpacing(6);
    auto* welcome = addLabel(QStringLiteral("lblWelcome"), QStringLiteral("Meeting attendance and follow-up"));
    welcome->setStyleSheet(QStringLiteral("color: #6b7a89; font-size: 11pt;"));
    right->addWidget(welcome);
    right->addSpacing(14);

    auto* lastFrame = new QGridLayout;
    lastFrame->setContentsMargins(0, 0, 0, 0);
    lastFrame->setSpacing(0);
    auto* top = add(new QFrame(this), QStringLiteral("LineLastCrusadeTop"));
    top->setFrameShape(QFrame::HLine);
    auto* leftLine = add(new QFrame(this), QStringLiteral("LineLastCrusadeLeft"));
    leftLine->setFrameShape(QFrame::VLine);
    for (QFrame* f : {top, leftLine}) {
        f->setFrameShadow(QFrame::Plain);
        f->setLineWidth(2);
        f->setStyleSheet(QStringLiteral("color: #e8a33d;"));
    }
    auto* lastBox = new QVBoxLayout;
    lastBox->setContentsMargins(12, 8, 0, 8);
    lastBox->addWidget(addChoice(QStringLiteral("btnLastCrusade"), QStringLiteral("Last File")));
    auto* lastName = addLabel(kLastCrusadeName, QString());
    lastName->setStyleSheet(QStringLiteral("color: #1b365d; font-size: 12pt; padding-left: 12px;"));
    // The line takes the room it is given, whatever its length: it is cut to fit it. The
    // text starts at the left of that room: a label beside a frame or padding otherwise
    // indents it by half an "x", past the room it was cut to.
    lastName->setSizePolicy(QSizePolicy::Ignored, lastName->sizePolicy().verticalPolicy());
    lastName->setIndent(0);
    lastBox->addWidget(lastName);
    lastFrame->addWidget(top, 0, 0, 1, 2);
    lastFrame->addWidget(leftLine, 1, 0);
    lastFrame->addLayout(lastBox, 1, 1);
    right->addLayout(lastFrame);
    right->addSpacing(10);

    right->addWidget(addChoice(QStringLiteral("btSelect"), QStringLiteral("New File")));
    auto* hint = addLabel(QStringLiteral("lblNewFileHint"),
                          QStringLiteral("Open another crusade, or name a new one to begin it"));
    hint->setStyleSheet(QStringLiteral("color: #6b7a89; padding-left: 12px;"));
    right->addWidget(hint);
    right->addSpacing(6);
    right->addWidget(addChoice(QStringLiteral("btnExitFennick"), QStringLiteral("Exit")));
    right->addStretch(1);

    auto* company = addLabel(QStringLiteral("lblCompany"), kCompanyName);
    company->setStyleSheet(QStringLiteral("color: #1b365d; font-weight: bold;"));
    auto* copyright = addLabel(QStringLiteral("lblCopyright"), kLegalCopyright);
    copyright->setStyleSheet(QStringLiteral("color: #6b7a89; font-size: 8pt;"));
    right->addWidget(company);
    right->addWidget(copyright);
    outer->addLayout(right, 1);

    for (const char* name : kKeyLabels) control(QLatin1String(name))->installEventFilter(this);
}

template <typename T>
T* frmSplash::add(T* widget, const QString& name) {
    Q_ASSERT_X(frmSplashControlNames().contains(name), "frmSplash",
               qPrintable(QStringLiteral("unlisted control ") + name));
    widget->setObjectName(name);
    controls_.insert(name, widget);
    return widget;
}

QWidget* frmSplash::control(const QString& name) const {
    QWidget* w = controls_.value(name);
    Q_ASSERT_X(w, "frmSplash", qPrintable(QStringLiteral("no control ") + name));
    return w;
}

QLabel* frmSplash::addLabel(const QString& name, const QString& text) {
    return add(new QLabel(text, this), name);
}

QLabel* frmSplash::addChoice(const QString& name, const QString& text) {
    QLabel* l = addLabel(name, text);
    l->setCursor(Qt::PointingHandCursor);
    l->setStyleSheet(
        QStringLiteral("QLabel { color: #1f4f86; font-size: 17pt; font-weight: bold; padding: 3px 12px; "
                       "border-radius: 6px; } QLabel:hover { background: #e2ebf5; color: #0f3460; }"));
    l->installEventFilter(this);
    return l;
}

void frmSplash::run(const std::function<void()>& command) {
    // An end of the program here ends the start screen, whose exit code main returns.
    RunGuarded(app_, kSourceFennick95, command, [this](int code) {
        ended_ = true;
        exitCode_ = code;
        reject();
    });
}

void frmSplash::load() {
    if (loaded_) return;
    loaded_ = true;
    run([this] { frmSplash_Load(app_, *this, printerInstalled_); });
}

void frmSplash::btnLastCrusade_Click() {
    run([this] {
        if (fennick::btnLastCrusade_Click(app_, *this)) accept();
    });
}

void frmSplash::btSelect_Click() {
    run([this] {
        choice_ = fennick::btSelect_Click(app_, *this);
        if (choice_ != CrusadeChoice::Cancelled) accept();
    });
}

void frmSplash::btnExitFennick_Click() {
    run([this] { fennick::btnExitFennick_Click(app_); });
}

void frmSplash::Form_KeyPress() {
    run([this] {
        if (frmSplash_KeyPress(app_, *this)) accept();
    });
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    // Every key acts, Esc and Enter included; a bare modifier is not a key press.
    if (event->text().isEmpty() && event->key() >= Qt::Key_Shift && event->key() <= Qt::Key_ScrollLock) return;
    Form_KeyPress();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched->objectName() == kLastCrusadeName) showLastCrusadeName();
    if (event->type() == QEvent::MouseButtonRelease) {
        const QString name = watched->objectName();
        if (name == QStringLiteral("btnLastCrusade"))
            btnLastCrusade_Click();
        else if (name == QStringLiteral("btSelect"))
            btSelect_Click();
        else if (name == QStringLiteral("btnExitFennick"))
            btnExitFennick_Click();
        else
            Form_KeyPress();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The start screen takes the keyboard at once: any key acts on it.
    activateWindow();
    raise();
    if (!loaded_) QTimer::singleShot(0, this, [this] { load(); });
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // Closing the start screen's window is its "Exit".
    if (result() == QDialog::Accepted || ended_) {
        event->accept();
        return;
    }
    btnExitFennick_Click();
    if (ended_)
        event->accept();
    else
        event->ignore();  // the crusade could not be written; the user was told
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kPaper);
    QLinearGradient panel(0, 0, 0, height());
    panel.setColorAt(0, kPanelTop);
    panel.setColorAt(1, kPanelBottom);
    p.fillRect(QRect(0, 0, kPanelWidth, height()), panel);

    // A quiet row of attendance marks along the foot of the panel.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(QColor(255, 255, 255, i % 3 == 2 ? 28 : 60));
        p.drawEllipse(QPointF(30 + i * 24, height() - 62), 5, 5);
    }
    const QRectF emblem((kPanelWidth - kEmblemSize) / 2.0, 34, kEmblemSize, kEmblemSize);
    p.setBrush(QColor(255, 255, 255, 36));
    p.drawEllipse(emblem.adjusted(-14, -14, 14, 14));
    PaintEmblem(p, emblem);
}

// --- StartScreen --------------------------------------------------------------------

void frmSplash::setText(const QString& name, const QString& text) {
    if (name == kLastCrusadeName) {
        lastCrusadeName_ = text;
        showLastCrusadeName();
        return;
    }
    if (auto* l = qobject_cast<QLabel*>(control(name))) l->setText(text);
}

QString frmSplash::text(const QString& name) const {
    if (name == kLastCrusadeName) return lastCrusadeName_;
    if (auto* l = qobject_cast<QLabel*>(control(name))) return l->text();
    return QString();
}

void frmSplash::showLastCrusadeName() {
    auto* label = static_cast<QLabel*>(control(kLastCrusadeName));
    // The room the label draws its text in: its contents less its margin on either side.
    const int room = label->contentsRect().width() - 2 * label->margin();
    label->setText(label->fontMetrics().elidedText(lastCrusadeName_, Qt::ElideMiddle, room));
    label->setToolTip(lastCrusadeName_.isEmpty() ? QString() : app_.program.DataFile);
}

void frmSplash::setVisible(const QString& name, bool visible) {
    if (QWidget* w = control(name)) w->setVisible(visible);
}

bool frmSplash::isVisible(const QString& name) const {
    QWidget* w = control(name);
    return w && !w->isHidden();
}

void frmSplash::setEnabled(const QString& name, bool enabled) {
    if (QWidget* w = control(name)) w->setEnabled(enabled);
}

void frmSplash::repaint() {
    QDialog::repaint();
}

}  // namespace fennick
