#include "app/ui/TableWindows.h"

#include "app/ui/CrusadeWindows.h"
#include "data/App.h"
#include "tables/ui/EditZip.h"
#include "tables/ui/ZipCnt.h"

#include <QPointer>
#include <QScreen>
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
    windows.add(QLatin1String(kZipCntWindow), [&app, owner, main] {
        auto* totals = new ZipCnt(app, main);
        totals->activated = [owner] {
            if (EditZip* editor = FindZipEditor(*owner)) editor->focusTeamCode();
        };
        return totals;
    });
    windows.add(
        QLatin1String(kEditZipWindow),
        [&app, owner, main] {
            auto* editor = new EditZip(app, main);
            editor->showTotals = [owner] { ShowTeamTotals(*owner); };
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

// The totals stand to the right of the editor, within the screen.
void PlaceBeside(ZipCnt* totals, const EditZip* editor) {
    const QRect frame = editor->frameGeometry();
    QPoint at(frame.right() + 8, frame.top());
    if (const QScreen* s = editor->screen()) {
        const QRect room = s->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() - totals->frameGeometry().width())));
    }
    totals->move(at);
}

}  // namespace

void ShowZipEditor(CrusadeWindows& windows) {
    const bool opening = !FindZipEditor(windows);
    const bool totalsClosed = !FindTeamTotals(windows);
    auto* totals = windows.window<ZipCnt>(QLatin1String(kZipCntWindow));
    auto* editor = windows.window<EditZip>(QLatin1String(kEditZipWindow));
    totals->refresh();
    totals->show();
    editor->show();
    if (opening || totalsClosed) PlaceBeside(totals, editor);
    editor->raise();
    editor->activateWindow();
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
