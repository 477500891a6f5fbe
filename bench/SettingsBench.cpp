// Opening a crusade's settings file whose crusade-name line begins with 10 MB of tabs: the
// blanks and tabs before a value are passed over in one step, so it opens in milliseconds.

#include "BenchData.h"
#include "data/InfoFile.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>

namespace fennick::bench {
namespace {

void BM_OpenSettingsWithALongTabLine(benchmark::State& state) {
    BenchApp b(1);
    App& app = b.app;
    SetDefaultInfo(app);
    app.settings.CrusadeName = QStringLiteral("Spring");
    SaveInfoFile(app);
    const QString path = InfoFileName(app);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the settings file was not written");
        return;
    }
    const QByteArray written = f.readAll();
    f.close();
    if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(10 * 1024 * 1024, '\t') + written) < 0) {
        state.SkipWithError("the settings file could not be written");
        return;
    }
    f.close();

    for (auto _ : state) {
        if (!LoadInfoFile(app) || app.settings.CrusadeName != QStringLiteral("Spring")) {
            state.SkipWithError("the settings were not read");
            break;
        }
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_OpenSettingsWithALongTabLine)->Apply([](auto* b) { Timed(b); });

}  // namespace
}  // namespace fennick::bench
