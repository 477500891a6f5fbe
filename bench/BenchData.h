#pragma once
// What the benchmarks share: a data file of 9,999 varied records in a temporary folder,
// and an application object over quiet platform services whose dialogs answer by script.

#include "data/App.h"
#include "data/AttendeeRecord.h"
#include "platform/Busy.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/ErrorNumbers.h"
#include "platform/Help.h"
#include "platform/Network.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <vector>

namespace fennick::bench {

// Milliseconds, and with repetitions also the fastest run, the figure least disturbed by
// other work on the machine.
inline benchmark::internal::Benchmark* Timed(benchmark::internal::Benchmark* b) {
    return b->Unit(benchmark::kMillisecond)->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    });
}

// The number of records the benchmarks work on: as many as a view can address.
inline constexpr int kBenchRecords = 9999;
// The last meeting the generated attendance runs to.
inline constexpr int kBenchLastMeeting = 30;

// n records of varied names, addresses, teams, levels, dates, visits, attendance and
// flags, about one in fifty deleted; the same records on every call.
QList<AttendeeRecord> BenchRecords(int n = kBenchRecords);
// Writes them back to back as a data file.
void WriteBenchDataFile(const QString& path, int n = kBenchRecords);

// Dialogs that never show anything: an OK box answers OK, a question answers
// questionAnswer, an input box gives inputAnswer, file dialogs cancel and the printer
// dialog gives printerChoice.
class ScriptedDialogs : public Dialogs {
public:
    int messageBox(const MessageBoxSpec& spec) override;
    QString inputBox(const InputBoxSpec&) override { return inputAnswer; }
    std::optional<QString> openFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<PrinterChoice> selectPrinter(const PrinterDialogSpec&) override { return printerChoice; }

    int questionAnswer = AnsNo;
    // When set, answers every question instead of questionAnswer.
    std::function<int(const MessageBoxSpec&)> answerFor;
    QString inputAnswer;
    std::optional<PrinterChoice> printerChoice;  // none: the printer dialog cancels
};

class QuietSound : public Sound {
public:
    bool play(const QString&) override { return true; }
};
class QuietHelp : public Help {
public:
    bool showContext(int) override { return true; }
    bool showContents() override { return true; }
    void quit() override {}
};
class QuietShell : public Shell {
public:
    int open(const QString&, const QString&) override { return kShellOk; }
};
class NoStore : public SettingsStore {
public:
    QString get(const QString&, const QString&, const QString&, const QString& def) const override { return def; }
    QList<QPair<QString, QString>> getAll(const QString&, const QString&) const override { return {}; }
    FileResult save(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString fileName(const QString&) const override { return {}; }
};

// A network that is never reached.
class OffLine : public Network {
public:
    FetchResult fetch(const QString&, int, qint64) override { return {err::RequestFailed, QStringLiteral("off line"), {}}; }
};

// An application with a crusade open on a generated data file of n records (LastMeeting
// 30, cut-off 3) in its own temporary folder.
struct BenchApp {
    // otherPrinter: where documents go instead of the recording printer (null: not elsewhere).
    explicit BenchApp(int n = kBenchRecords, Printer* otherPrinter = nullptr);

    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    QuietSound sound;
    QuietHelp help;
    QuietShell shell;
    NoStore store;
    SystemClock clock;
    NoBusy busy;
    QtFiles files;
    OffLine network;
    QTemporaryDir dir;
    App app;
};

}  // namespace fennick::bench
