// Opening a crusade's settings file whose crusade-name line begins with 10 MB of tabs: the
// blanks and tabs before a value are passed over in one step, so it opens in milliseconds.

#include "BenchData.h"
#include "data/InfoFile.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace fennick::bench {
namespace {

void BM_OpenSettingsWithALongTabLine(benchmark::State& state) {
    BenchApp b(1);
    App& app = b.app;
    SetDefaultInfo(app);
    app.settings.CrusadeName = QStringLiteral("Spring");
    SaveInfoFile(app);
    QFile f(InfoFileName(app));
    const QByteArray written = f.open(QIODevice::ReadWrite) ? f.readAll() : QByteArray();
    if (written.isEmpty() || !f.seek(0) || f.write(QByteArray(10 * 1024 * 1024, '\t') + written) < 0) {
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
    state.counters["bytes"] = double(f.size());
}
BENCHMARK(BM_OpenSettingsWithALongTabLine)->Apply([](auto* b) { Timed(b); });

}  // namespace
}  // namespace fennick::bench
