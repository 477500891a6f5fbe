#include "data/RecentFiles.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "mainwindow/MainScreen.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <QStringList>

namespace fennick {

namespace {

const QString kApplication = QStringLiteral("MDINote");
const QString kSection = QStringLiteral("Recent Files");

QString Key(int i) {
    return QStringLiteral("RecentFile%1").arg(i);
}
QString Item(int i) {
    return QStringLiteral("mnuRecentFile(%1)").arg(i);
}

}  // namespace

bool IsRecentFile(MainScreen& screen, const QString& file) {
    for (int i = 1; i <= kRecentFiles; ++i)
        if (screen.text(Item(i)) == file) return true;
    return false;
}

void AddRecentFile(App& app, MainScreen& screen, const QString& file) {
    // A list that cannot be written is told like any failed save; the menu shows what the
    // list holds.
    try {
        if (!IsRecentFile(screen, file)) SaveRecentFile(app, file);
    } catch (const VbError& e) {
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick95));
    }
    LoadRecentFiles(app, screen);
}

void SaveRecentFile(App& app, const QString& file) {
    SettingsStore& store = app.platform.store;
    QStringList list{file};
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = store.get(kApplication, kSection, Key(i));
        if (!path.isEmpty() && !list.contains(path) && list.size() < kRecentFiles) list << path;
    }
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString value = i <= list.size() ? list[i - 1] : QString();
        if (value == store.get(kApplication, kSection, Key(i))) continue;
        if (const FileResult r = store.save(kApplication, kSection, Key(i), value); !r.ok())
            throw VbError(r.error, r.description);
    }
}

void LoadRecentFiles(App& app, MainScreen& screen) {
    const SettingsStore& store = app.platform.store;
    if (store.get(kApplication, kSection, Key(1)).isEmpty()) return;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString path = store.get(kApplication, kSection, Key(i));
        // A crusade whose data file a replacement cut off moved aside stays in the list: its
        // opening puts it back.
        if (path.isEmpty() || !CrusadeIsOnDisk(path)) continue;
        screen.setVisible(Item(0), true);
        screen.setText(Item(i), path);
        screen.setVisible(Item(i), true);
    }
}

QString RecentFilesPath(const App& app) {
    return app.platform.store.fileName(kApplication);
}

}  // namespace fennick
