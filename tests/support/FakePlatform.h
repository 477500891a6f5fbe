#pragma once
// Every platform service as a fake, and an application object over them, for tests.

#include "FakeDialogs.h"
#include "FakeFiles.h"
#include "FakeNetwork.h"
#include "data/App.h"
#include "platform/Busy.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

namespace fennick::test {

class FakeSound : public Sound {
public:
    bool play(const QString& path) override {
        played << path;
        return result;
    }
    QStringList played;
    bool result = true;
};

class FakeHelp : public Help {
public:
    bool showContext(int context) override {
        calls << QStringLiteral("context %1").arg(context);
        return result;
    }
    bool showContents() override {
        calls << QStringLiteral("contents");
        return result;
    }
    void quit() override { calls << QStringLiteral("quit"); }
    QStringList calls;
    bool result = true;
};

class FakeShell : public Shell {
public:
    int open(const QString& path, const QString& workingDir) override {
        opened << path;
        folders << workingDir;
        return result;
    }
    QStringList opened;
    QStringList folders;
    int result = kShellOk;
};

class MemorySettingsStore : public SettingsStore {
public:
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& def = QString()) const override {
        for (const auto& e : entries)
            if (e.app == app && e.section == section && e.key == key) return e.value;
        return def;
    }
    QList<QPair<QString, QString>> getAll(const QString& app, const QString& section) const override {
        QList<QPair<QString, QString>> out;
        for (const auto& e : entries)
            if (e.app == app && e.section == section) out.append({e.key, e.value});
        return out;
    }
    FileResult save(const QString& app, const QString& section, const QString& key, const QString& value) override {
        if (!failSaves.ok()) return failSaves;
        for (auto& e : entries)
            if (e.app == app && e.section == section && e.key == key) {
                e.value = value;
                return {};
            }
        entries.append({app, section, key, value});
        return {};
    }
    // The settings of app as a file of folder (none while folder is empty), for the
    // program to know it by; the store never writes it.
    QString fileName(const QString& app) const override {
        return folder.isEmpty() ? QString() : folder + u'/' + app + QStringLiteral(".ini");
    }
    // While not ok, every save fails with it and changes nothing.
    FileResult failSaves;
    QString folder;
    struct Entry {
        QString app, section, key, value;
    };
    QList<Entry> entries;
};

class FixedClock : public Clock {
public:
    QDateTime now() const override { return at; }
    QDateTime at{QDate(2026, 3, 9), QTime(16, 5, 9)};
};

// The recording printer with failure injection: the next failDeliveries deliveries throw
// a printer error, as a printer that is off line or a PDF file that cannot be written.
class FakePrinter : public RecordingPrinter {
public:
    int failDeliveries = 0;

protected:
    void deliver(const PrintedDocument& doc) override;
};

// What the user is told of a delivery that FakePrinter failed.
QString FailedDeliveryMessage();

// An application object over fakes, with a temporary program folder.
struct TestApp {
    TestApp();
    // The same with documents going to another printer (a QtPrinter writing PDF files);
    // null: to the recording printer.
    explicit TestApp(Printer* otherPrinter);

    FakeDialogs dialogs;
    FakePrinter printer;
    FakeSound sound;
    FakeHelp help;
    FakeShell shell;
    MemorySettingsStore store;
    FixedClock clock;
    NoBusy busy;
    FakeFiles files;
    FakeNetwork network;
    QTemporaryDir dir;
    App app;

    // A path inside the temporary folder.
    QString path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace fennick::test
