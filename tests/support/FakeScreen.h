#pragma once
// A record screen (and main screen) held in memory: every control is a named slot with
// text, value, colours, visibility and enabled state. Its controls are those of the
// window's own name list (EditFormControlNames, AttendFControlNames) less any listed as
// missing; any other name fails the test, as the real window stops on it. The attendance
// screen matches names without regard to case, as the window does.

#include "mainwindow/MainScreen.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <functional>

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

    explicit FakeScreen(QString formName = QStringLiteral("EditForm"), const QSet<QString>& missing = {});

    QString formName() const override { return form_; }
    // False for a control of another record screen; any other name fails the test.
    bool has(const QString& c) const override;
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
        known(n);
        focus_ = n;
        focusHistory << n;
    }
    QString focused() const override { return focus_; }
    bool leaveFocusedBox() override { return !leaveRule || leaveRule(focus_); }
    // The leave rule run on the box with the focus before a save (unset: none).
    std::function<bool(const QString& box)> leaveRule;
    void setSelection(const QString& n, int start, int length) override {
        slot(n).selStart = start;
        slot(n).selLength = length;
    }
    int selectionStart(const QString& n) const override { return get(n).selStart; }
    void setItems(const QString& n, const QStringList& items) override { slot(n).items = items; }
    QStringList items(const QString& n) const override { return get(n).items; }
    void popupMenu(const QString& n) override {
        known(n);
        popups << n;
    }
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
    // The list's spelling of a control of the screen; a failure and an empty name for any
    // other.
    QString known(const QString& c) const;
    QString key(const QString& c) const { return caseless_ ? c.toLower() : c; }

    QString form_;
    bool caseless_ = false;
    QHash<QString, QString> names_;  // by key: the list's spelling
    QString caption_;
    QString focus_;
    QMap<QString, Control> controls_;
};

}  // namespace fennick::test
