// The help window over the embedded help pages.

#include "data/Utilities.h"
#include "platform/ui/QtHelp.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(QtHelp, OpensTheShortcutsPageAtItsContextAndTheContents) {
    QtHelp help;
    ASSERT_TRUE(help.showContext(kHelpShortcuts));
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_FALSE(help.window()->isModal());
    EXPECT_EQ(help.browser()->source(), QUrl(QStringLiteral("qrc:/help/shortcuts.html")));
    const QString text = help.browser()->toPlainText();
    for (const char* expected : {"Keyboard shortcuts", "Ctrl+G", "Shift+Del", "F3", "Ctrl+U"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;

    // One window serves every request.
    QWidget* first = help.window();
    ASSERT_TRUE(help.showContents());
    EXPECT_EQ(help.window(), first);
    EXPECT_EQ(help.browser()->source(), QtHelp::contentsPage());

    EXPECT_FALSE(help.showContext(9999));
    help.quit();
    EXPECT_EQ(help.window(), nullptr);
    // Help opens again after it was closed.
    EXPECT_TRUE(help.showContext(kHelpShortcuts));
    EXPECT_TRUE(help.window()->isVisible());
}

TEST(HelpPages, EveryLinkLeadsToAnEmbeddedPage) {
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 6);
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    for (const QString& page : pages) {
        QFile f(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains(QLatin1String("<title>"))) << page.toStdString();
        for (auto m = href.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << page.toStdString() << " links to " << target.toStdString();
        }
    }
    // The contents page reaches every other page.
    QFile contents(QStringLiteral(":/help/index.html"));
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    const QString index = QString::fromUtf8(contents.readAll());
    for (const QString& page : pages) {
        if (page != QLatin1String("index.html")) {
            EXPECT_TRUE(index.contains(QStringLiteral("href=\"") + page)) << page.toStdString();
        }
    }
}

}  // namespace
}  // namespace fennick
