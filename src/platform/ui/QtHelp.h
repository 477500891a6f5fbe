#pragma once
// The help window: one non-modal window showing the program's embedded help pages
// (":/help/"), opened at a page by its context number or at the contents.

#include "platform/Help.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace fennick {

class QtHelp : public Help {
public:
    explicit QtHelp(QWidget* parent = nullptr) : parent_(parent) {}
    ~QtHelp() override;
    // The window the help belongs to (the main window); takes effect when help next opens.
    void setParent(QWidget* parent) { parent_ = parent; }

    bool showContext(int context) override;
    bool showContents() override;
    void quit() override;

    // The page of a context number; an empty URL when there is none.
    static QUrl pageOf(int context);
    static QUrl contentsPage();

    // The help window while it exists (for the window's owner and tests).
    QWidget* window() const { return window_; }
    QTextBrowser* browser() const { return browser_; }

private:
    bool show(const QUrl& page);

    QPointer<QWidget> parent_;
    QPointer<QWidget> window_;
    QPointer<QTextBrowser> browser_;
};

}  // namespace fennick
