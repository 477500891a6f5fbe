#include "platform/ui/QtHelp.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace fennick {

namespace {
struct Topic {
    int context;
    const char* page;
};
// Context numbers the program opens the help at.
constexpr Topic kTopics[] = {
    {340, "shortcuts.html"},
};

QUrl HelpPage(const char* page) {
    return QUrl(QStringLiteral("qrc:/help/") + QLatin1String(page));
}
}  // namespace

QtHelp::~QtHelp() {
    quit();
}

QUrl QtHelp::pageOf(int context) {
    for (const Topic& t : kTopics)
        if (t.context == context) return HelpPage(t.page);
    return QUrl();
}

QUrl QtHelp::contentsPage() {
    return HelpPage("index.html");
}

bool QtHelp::showContext(int context) {
    return show(pageOf(context));
}

bool QtHelp::showContents() {
    return show(contentsPage());
}

void QtHelp::quit() {
    if (window_) delete window_.data();
}

bool QtHelp::show(const QUrl& page) {
    if (page.isEmpty() || !QFile::exists(QLatin1Char(':') + page.path())) return false;
    if (!window_) {
        // A window of its own (not modal), kept above the main window when it has one.
        auto* w = new QWidget(parent_, Qt::Window);
        w->setObjectName(QStringLiteral("HelpWindow"));
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setWindowTitle(QStringLiteral("Fennick Help"));
        browser_ = new QTextBrowser(w);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setOpenExternalLinks(true);
        auto* back = new QPushButton(QStringLiteral("&Back"), w);
        auto* contents = new QPushButton(QStringLiteral("&Contents"), w);
        auto* close = new QPushButton(QStringLiteral("C&lose"), w);
        QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        QObject::connect(contents, &QPushButton::clicked, browser_, [b = browser_] { b->setSource(contentsPage()); });
        QObject::connect(close, &QPushButton::clicked, w, &QWidget::close);
        back->setEnabled(false);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(back);
        buttons->addWidget(contents);
        buttons->addStretch();
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(w);
        layout->addLayout(buttons);
        layout->addWidget(browser_);
        w->resize(640, 560);
        window_ = w;
    }
    browser_->setSource(page);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

}  // namespace fennick
