#pragma once
// A record screen (and main screen) held in memory: every control is a named slot with
// text, value, colours, visibility and enabled state. Controls listed as missing do not
// exist on it, as the attendance screen lacks some of the main window's boxes.

#include "mainwindow/MainScreen.h"

#include <QMap>
#include <QSet>
#include <QStringList>

namespace fennick::test {

class FakeScreen : public MainScreen {
public:
    struct Control {
        QString text;
        int value = 0;
        BgrColor back = kWhite;
        BgrColor fore = kWindowText;
        bool bold = false;
        bool visible = true;
        bool enabled = true;
        int selStart = 0;
        int selLength = 0;
        QStringList items;
    };

    explicit FakeScreen(QString formName = QStringLiteral("EditForm"), QSet<QString> missing = {})
        : form_(std::move(formName)), missing_(std::move(missing)) {}

    QString formName() const override { return form_; }
    bool has(const QString& c) const override { return !missing_.contains(c); }
    QString text(const QString& c) const override { return get(c).text; }
    void setText(const QString& c, const QString& t) override { slot(c).text = t; }
    int value(const QString& c) const override { return get(c).value; }
    void setValue(const QString& c, int v) override { slot(c).value = v; }
    void setBackColor(const QString& c, BgrColor col) override { slot(c).back = col; }
    void setForeColor(const QString& c, BgrColor col) override { slot(c).fore = col; }
    void setBold(const QString& c, bool b) override { slot(c).bold = b; }
    void setCaption(const QString& caption) override { caption_ = caption; }

    void setVisible(const QString& n, bool v) override { slot(n).visible = v; }
    bool isVisible(const QString& n) const override { return get(n).visible; }
    void setEnabled(const QString& n, bool e) override { slot(n).enabled = e; }
    bool isEnabled(const QString& n) const override { return get(n).enabled; }
    void setFocus(const QString& n) override {
        focus_ = n;
        focusHistory << n;
    }
    QString focused() const override { return focus_; }
    void setSelection(const QString& n, int start, int length) override {
        slot(n).selStart = start;
        slot(n).selLength = length;
    }
    int selectionStart(const QString& n) const override { return get(n).selStart; }
    void setItems(const QString& n, const QStringList& items) override { slot(n).items = items; }
    QStringList items(const QString& n) const override { return get(n).items; }
    void popupMenu(const QString& n) override { popups << n; }
    void setWindowVisible(bool v) override { windowVisible = v; }

    QString caption() const { return caption_; }
    // Controls whose background is the highlight colour, sorted.
    QStringList highlighted() const;
    const Control& get(const QString& c) const;
    Control& slot(const QString& c);

    QStringList focusHistory;
    QStringList popups;
    bool windowVisible = true;

private:
    QString form_;
    QSet<QString> missing_;
    QString caption_;
    QString focus_;
    QMap<QString, Control> controls_;
};

}  // namespace fennick::test
