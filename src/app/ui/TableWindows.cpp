#include "app/ui/TableWindows.h"

#include "app/ui/CrusadeWindows.h"
#include "data/App.h"
#include "tables/TeamTotals.h"
#include "tables/ui/EditZip.h"
#include "tables/ui/ZipCnt.h"

#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace fennick {

const char* const kEditZipWindow = "EditZip";
const char* const kZipCntWindow = "ZipCnt";

EditZip* FindZipEditor(const CrusadeWindows& windows) {
    return qobject_cast<EditZip*>(windows.find(QLatin1String(kEditZipWindow)));
}

ZipCnt* FindTeamTotals(const CrusadeWindows& windows) {
    return qobject_cast<ZipCnt*>(windows.find(QLatin1String(kZipCntWindow)));
}

void AddTableWindows(App& app, CrusadeWindows& windows, QWidget* mainWindow) {
    CrusadeWindows* owner = &windows;
    QPointer<QWidget> main = mainWindow;
    windows.add(QLatin1String(kZipCntWindow), [&app, main] { return new ZipCnt(app, main); });
    windows.add(
        QLatin1String(kEditZipWindow),
        [&app, owner, main] {
            auto* editor = new EditZip(app, main);
            editor->showTotals = [owner] { ShowTeamTotals(*owner); };
            // However the editor comes forward, its totals come too, just behind it. Totals
            // shown just now, not yet on the screen, are in front already.
            editor->broughtForward = [owner] {
                ZipCnt* totals = FindTeamTotals(*owner);
                EditZip* shown = FindZipEditor(*owner);
                if (!totals || !shown || !totals->testAttribute(Qt::WA_Mapped)) return;
                totals->raise();
                shown->raise();
            };
            editor->closedByUser = [owner, main] {
                if (ZipCnt* totals = FindTeamTotals(*owner)) totals->close();
                if (main) {
                    main->show();
                    main->raise();
                    main->activateWindow();
                }
            };
            return editor;
        },
        // Closed with the crusade or before the tables are rebuilt: the shown entry is
        // kept without a question.
        [](QWidget* w) { static_cast<EditZip*>(w)->closeKeepingEntry(); });
}

namespace {

// A window's frame, title bar and borders included. Until a window has been mapped, some
// platforms and window managers report no frame at all, or only a thin border: at least a
// title bar is allowed for at the top.
QMargins FrameMargins(const QWidget* w) {
    const QRect outer = w->frameGeometry(), inner = w->geometry();
    QMargins m(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
               outer.bottom() - inner.bottom());
    constexpr int kLeastTitleBar = 30;
    m.setTop(std::max({m.top(), kLeastTitleBar, w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w)}));
    return m;
}

QRect Frame(const QWidget* w) {
    return w->geometry().marginsAdded(FrameMargins(w));
}

QRect Room(const QWidget* w) {
    const QScreen* s = w->screen();
    return s ? s->availableGeometry() : QRect(QPoint(0, 0), w->frameGeometry().size());
}

// The totals into that frame (a move places a window's frame).
void SetFrame(ZipCnt* totals, const QRect& frame) {
    totals->resize(totals->width(), frame.height() - (Frame(totals).height() - totals->height()));
    totals->move(frame.topLeft());
}

// The totals stand beside the editor, within the screen with their title bar.
void PlaceBeside(ZipCnt* totals, const EditZip* editor) {
    SetFrame(totals, PlaceTeamTotals(Room(editor), Frame(editor), Frame(totals).size()));
}

// An editor that opens: the pair side by side within the main window's screen, before
// either is shown.
void PlaceTogether(ZipCnt* totals, EditZip* editor) {
    const QRect room = Room(editor->parentWidget() ? editor->parentWidget() : editor);
    const QRect frame(PlaceZipEditor(room, Frame(editor).size(), Frame(totals).size()), Frame(editor).size());
    editor->move(frame.topLeft());
    SetFrame(totals, PlaceTeamTotals(room, frame, Frame(totals).size()));
}

}  // namespace

void ShowZipEditor(CrusadeWindows& windows) {
    const bool opening = !FindZipEditor(windows);
    const bool totalsClosed = !FindTeamTotals(windows);
    auto* totals = windows.window<ZipCnt>(QLatin1String(kZipCntWindow));
    auto* editor = windows.window<EditZip>(QLatin1String(kEditZipWindow));
    totals->refresh();
    if (opening)
        PlaceTogether(totals, editor);
    else if (totalsClosed)
        PlaceBeside(totals, editor);
    totals->show();
    editor->show();
    if (opening || totalsClosed) {
        // The program showed the totals: the editor takes the focus back into its team code.
        editor->focusTeamCode();
    } else {
        editor->raise();
        editor->activateWindow();
    }
}

void ShowTeamTotals(CrusadeWindows& windows) {
    if (!FindZipEditor(windows)) return;
    if (ZipCnt* totals = FindTeamTotals(windows)) {
        totals->refresh();
        return;
    }
    // Closed by the user meanwhile: it comes back beside the editor, which keeps the focus.
    ShowZipEditor(windows);
}

void CloseTableWindows(CrusadeWindows& windows) {
    windows.close(QLatin1String(kEditZipWindow));
    windows.close(QLatin1String(kZipCntWindow));
}

}  // namespace fennick
