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
            editor->showTotals = [owner] {
                if (ZipCnt* totals = FindTeamTotals(*owner)) totals->refresh();
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

void ShowZipEditor(CrusadeWindows& windows) {
    const bool opening = !FindZipEditor(windows);
    auto* totals = windows.window<ZipCnt>(QLatin1String(kZipCntWindow));
    auto* editor = windows.window<EditZip>(QLatin1String(kEditZipWindow));
    totals->refresh();
    totals->show();
    editor->show();
    if (opening) {
        // The totals stand to the right of the editor, within the screen.
        const QRect frame = editor->frameGeometry();
        QPoint at(frame.right() + 8, frame.top());
        if (const QScreen* s = editor->screen()) {
            const QRect room = s->availableGeometry();
            at.setX(std::max(room.left(), std::min(at.x(), room.right() - totals->frameGeometry().width())));
        }
        totals->move(at);
    }
    editor->raise();
    editor->activateWindow();
}

void CloseTableWindows(CrusadeWindows& windows) {
    windows.close(QLatin1String(kEditZipWindow));
    windows.close(QLatin1String(kZipCntWindow));
}

}  // namespace fennick
