#include "statistics/ui/BlankFrm.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "platform/CommandWindow.h"
#include "platform/ui/QtDrawingSurface.h"
#include "statistics/Stats.h"
#include "statistics/TeamStats.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

// The window's measures in twips (1/1440 inch).
constexpr int kClientWidth = 9540;  // 168.3 mm
constexpr int kClientHeight = 7155;  // 126.2 mm
constexpr int kButtonTop = 6615;
constexpr int kButtonHeight = 454;
constexpr int kSwitchLeft = 5880, kSwitchWidth = 1455;
constexpr int kPrintLeft = 7455, kPrintWidth = 495;
constexpr int kCloseLeft = 8115, kCloseWidth = 735;
// Room for the frame's title bar when the window is fitted to the screen.
constexpr int kTitleBarRoom = 40;

// The picture of the print button: a printer with a sheet coming out.
QIcon PrinterPicture() {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    const QColor ink(0x2f, 0x4a, 0x6b);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(0xfd, 0xfa, 0xf2));
    p.drawRect(QRectF(7, 3, 10, 7));  // the paper going in
    p.setBrush(QColor(0x9a, 0xa8, 0xb8));
    p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);  // the body
    p.setBrush(QColor(0xfd, 0xfa, 0xf2));
    p.drawRect(QRectF(7, 14, 10, 7));  // the sheet coming out
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x9a, 0x5b));
    p.drawEllipse(QPointF(18, 12), 1, 1);
    return QIcon(pm);
}

}  // namespace

BlankFrm::BlankFrm(App& app, QWidget* owner) : QWidget(owner, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("BlankFrm"));
    setAttribute(Qt::WA_DeleteOnClose);

    const double dpi = logicalDpiX();
    const auto px = [dpi](int twips) { return int(std::lround(twips * dpi / 1440.0)); };

    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("StatsSurface"));
    canvas_->setAutoFillBackground(true);
    QPalette paper = canvas_->palette();
    paper.setColor(QPalette::Window, Qt::white);
    canvas_->setPalette(paper);
    canvas_->installEventFilter(this);
    surface_ = std::make_unique<QtDrawingSurface>(canvas_);
    surface_->setFont(kStatsWindowFont);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("StatsScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(canvas_);

    btnSwitchStats = new QPushButton(QStringLiteral("Visitation Stats"), this);
    btnSwitchStats->setObjectName(QStringLiteral("btnSwitchStats"));
    PrintStatsBut = new QPushButton(this);
    PrintStatsBut->setObjectName(QStringLiteral("PrintStatsBut"));
    PrintStatsBut->setIcon(PrinterPicture());
    PrintStatsBut->setToolTip(QStringLiteral("Print the report"));
    CloseStatsBut = new QPushButton(QStringLiteral("Close"), this);
    CloseStatsBut->setObjectName(QStringLiteral("CloseStatsBut"));
    const struct {
        QPushButton* button;
        int width;
    } buttons[] = {{btnSwitchStats, kSwitchWidth}, {PrintStatsBut, kPrintWidth}, {CloseStatsBut, kCloseWidth}};
    for (const auto& b : buttons) {
        b.button->setMinimumWidth(px(b.width));
        b.button->setFixedHeight(px(kButtonHeight));
        b.button->setIconSize(QSize(px(kButtonHeight) - 8, px(kButtonHeight) - 8));
    }

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, px(kClientHeight - kButtonTop - kButtonHeight) / 2, px(kClientWidth - kCloseLeft - kCloseWidth),
                            px(kClientHeight - kButtonTop - kButtonHeight));
    row->setSpacing(0);
    row->addStretch(1);
    row->addWidget(btnSwitchStats);
    row->addSpacing(px(kPrintLeft - kSwitchLeft - kSwitchWidth));
    row->addWidget(PrintStatsBut);
    row->addSpacing(px(kCloseLeft - kPrintLeft - kPrintWidth));
    row->addWidget(CloseStatsBut);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll_, 1);
    layout->addLayout(row);

    connect(btnSwitchStats, &QPushButton::clicked, this, [this] { guarded([this] { btnSwitchStats_Click(); }); });
    connect(PrintStatsBut, &QPushButton::clicked, this, [this] { guarded([this] { PrintStatsBut_Click(); }); });
    connect(CloseStatsBut, &QPushButton::clicked, this, [this] { guarded([this] { CloseStatsBut_Click(); }); });

    // The client area as designed, within the screen.
    QSize size(px(kClientWidth), px(kClientHeight));
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() - QSize(0, kTitleBarRoom));
    resize(size);
    fittedWidth_ = width();
    Form_Load();
}

BlankFrm::~BlankFrm() = default;

void BlankFrm::install(App& app, QWidget* owner) {
    auto window = std::make_shared<QPointer<BlankFrm>>();
    QPointer<QWidget> parent(owner);
    app.hooks.statsWindow = [&app, window, parent]() -> StatsScreen* {
        if (!*window) *window = new BlankFrm(app, parent.data());
        return window->data();
    };
    app.hooks.showCrusadeStatistics = [&app] { ShowCrusadeStatistics(app); };
}

const DrawingSurface& BlankFrm::surface() const {
    return *surface_;
}

void BlankFrm::guarded(const std::function<void()>& procedure) {
    const CommandWindow command(this);
    RunGuarded(app_, kSourceFennick95, procedure);
}

void BlankFrm::Form_Load() {
    setWindowTitle(app_.settings.CrusadeName + QStringLiteral(" Statistical Report"));
}

void BlankFrm::showCaptions() {
    const bool stats = ShowingStats;
    setWindowTitle(app_.settings.CrusadeName +
                   (stats ? QStringLiteral(" Statistical Report") : QStringLiteral(" Visitation Report")));
    // The button names the other report.
    btnSwitchStats->setText(stats ? QStringLiteral("Visitation Stats") : QStringLiteral("Attendance Stats"));
}

Printer& BlankFrm::beginReport(Report report) {
    ShowingStats = report == Report::Statistics;
    showCaptions();
    if (!isVisible()) {
        show();
        activateWindow();
    }
    raise();
    surface_->clear();
    return *surface_;
}

void BlankFrm::endReport() {
    leftSinceDrawn_ = false;
    const QSizeF mm = surface_->extent();
    const double dotsPerMm = canvas_->logicalDpiX() / 25.4;
    // A margin of one line below the drawing and a little room right of it.
    const QSize needed(int(std::ceil((mm.width() + 2) * dotsPerMm)),
                       int(std::ceil((mm.height() + surface_->textHeight()) * dotsPerMm)));
    canvas_->setMinimumSize(needed);
    canvas_->update();
    fitWidthTo(needed);
}

void BlankFrm::fitWidthTo(const QSize& drawing) {
    if (width() != fittedWidth_) return;
    // A drawing that scrolls down leaves the room of the vertical scroll bar to the side.
    const QSize viewport = scroll_->maximumViewportSize();
    const int bar = drawing.height() > viewport.height() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    int wanted = width() - viewport.width() + drawing.width() + bar;
    const QScreen* s = screen();
    if (s) wanted = std::min(wanted, s->availableGeometry().width() - (frameGeometry().width() - width()));
    if (wanted > width()) {
        resize(wanted, height());
        // Kept within the screen when it grows past its right edge.
        if (s && frameGeometry().right() > s->availableGeometry().right())
            move(pos() - QPoint(frameGeometry().right() - s->availableGeometry().right(), 0));
    }
    fittedWidth_ = width();
}

void BlankFrm::runShownReport(int mode) {
    if (ShowingStats)
        Stats(app_, mode);
    else
        TeamStats(app_, mode);
}

void BlankFrm::btnSwitchStats_Click() {
    // Each report is drawn once on the cleared surface, which takes the captions with it.
    if (ShowingStats) {
        ShowingStats = false;
        TeamStats(app_, kStatsOnWindow);
    } else {
        ShowingStats = true;
        Stats(app_, kStatsOnWindow);
    }
}

void BlankFrm::Form_Activate() {
    runShownReport(kStatsOnWindow);
}

void BlankFrm::Form_GotFocus() {
    setWindowTitle(app_.settings.CrusadeName + QStringLiteral(" Statistical Report"));
    ShowingStats = true;
}

void BlankFrm::PrintStatsBut_Click() {
    runShownReport(kStatsPrinted);
}

void BlankFrm::CloseStatsBut_Click() {
    close();
}

bool BlankFrm::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate) {
        leftSinceDrawn_ = true;
    } else if (e->type() == QEvent::WindowActivate) {
        // Returning to the window shows what was saved meanwhile; the activation that
        // follows the window's own showing, or a dialog of a run under way, draws nothing,
        // nor one that reaches the window after its closing hid it.
        if (leftSinceDrawn_ && runs == 0 && isVisible()) guarded([this] { Form_Activate(); });
    }
    return QWidget::event(e);
}

bool BlankFrm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == canvas_ && e->type() == QEvent::Paint) {
        QPainter painter(canvas_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        surface_->paint(painter);
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void BlankFrm::focusInEvent(QFocusEvent* e) {
    // The window itself takes the focus only when none of its buttons can.
    Form_GotFocus();
    QWidget::focusInEvent(e);
}

}  // namespace fennick
