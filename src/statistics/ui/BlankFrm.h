#pragma once
// The statistics window: the crusade statistics or the visitation report drawn on a
// millimetre surface that scrolls inside the window, with the buttons to switch between
// the two reports, print the report shown and close. Modeless, one instance at a time: Close unloads it
// and the next report makes it anew.
//
// Each request draws its report once on the cleared surface; the window paints the
// drawing it holds whenever it needs to. A drawing wider than the window widens it as far
// as the screen allows, unless the user has resized it. Coming back to the window after leaving it runs
// the report it shows again, so it reflects what was saved meanwhile.

#include "statistics/StatsScreen.h"

#include <QWidget>

#include <functional>
#include <memory>

class QPushButton;
class QScrollArea;

namespace fennick {

class App;
class DrawingSurface;
class QtDrawingSurface;

class BlankFrm : public QWidget, public StatsScreen {
    Q_OBJECT

public:
    // owner: the window this one belongs to (it goes with it); null for a window of its own.
    explicit BlankFrm(App& app, QWidget* owner = nullptr);
    ~BlankFrm() override;

    // Makes this window the statistics window of the program: app.hooks.statsWindow makes
    // it on first use, as a window of owner, and showCrusadeStatistics runs the
    // statistics on it.
    static void install(App& app, QWidget* owner);

    // StatsScreen
    Printer& beginReport(Report report) override;
    void endReport() override;

    // The drawing shown (in millimetres).
    const DrawingSurface& surface() const;
    // The area the drawing scrolls in.
    QScrollArea* scrollArea() const { return scroll_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_GotFocus();
    void btnSwitchStats_Click();
    void PrintStatsBut_Click();
    void CloseStatsBut_Click();
    // Runs the report the window shows, in the given mode of Stats.
    void runShownReport(int mode);
    void showCaptions();
    // Widens the window, as far as the screen allows, so that a drawing of the given size
    // in pixels shows its whole width; a window the user has resized keeps its width.
    void fitWidthTo(const QSize& drawing);
    // Runs a procedure of the window through the command guard.
    void guarded(const std::function<void()>& procedure);

    App& app_;
    QWidget* canvas_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QPushButton* btnSwitchStats = nullptr;
    QPushButton* PrintStatsBut = nullptr;
    QPushButton* CloseStatsBut = nullptr;
    std::unique_ptr<QtDrawingSurface> surface_;
    bool leftSinceDrawn_ = false;  // the window was left after its report was drawn
    int fittedWidth_ = 0;          // the width the window was last given; another is the user's
};

}  // namespace fennick
