// Saving the shown record on the 9,999-record file: the screen copy, the comparison, the
// re-keyed view entry and the write of one changed record.

#include "BenchData.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "views/Indexes.h"

#include <benchmark/benchmark.h>

#include <QHash>

namespace fennick::bench {
namespace {

// The main window's record controls held in memory.
class MemoryScreen : public MainScreen {
public:
    QString formName() const override { return QStringLiteral("EditForm"); }
    bool has(const QString&) const override { return true; }
    QString text(const QString& c) const override { return texts_.value(c); }
    void setText(const QString& c, const QString& t) override { texts_[c] = t; }
    int value(const QString& c) const override { return values_.value(c); }
    void setValue(const QString& c, int v) override { values_[c] = v; }
    void setBackColor(const QString&, BgrColor) override {}
    void setForeColor(const QString&, BgrColor) override {}
    void setBold(const QString&, bool) override {}
    void setCaption(const QString&) override {}
    void setVisible(const QString&, bool) override {}
    bool isVisible(const QString&) const override { return true; }
    void setEnabled(const QString&, bool) override {}
    bool isEnabled(const QString&) const override { return true; }
    void setFocus(const QString&) override {}
    QString focused() const override { return QString(); }
    void setSelection(const QString&, int, int) override {}
    int selectionStart(const QString&) const override { return 0; }
    void setItems(const QString&, const QStringList&) override {}
    QStringList items(const QString&) const override { return {}; }
    void popupMenu(const QString&) override {}
    void setWindowVisible(bool) override {}

private:
    QHash<QString, QString> texts_;
    QHash<QString, int> values_;
};

void BM_SaveChangedRecord(benchmark::State& state) {
    BenchApp b;
    MemoryScreen screen;
    App& app = b.app;
    IndexAlpha(app);
    app.view.CurIndexPos = qint16(app.view.ReportCount / 2);
    if (!ReadCurrentRecord(app) || !ShowRecord(app, screen)) {
        state.SkipWithError("no record to show");
        return;
    }

    // Each save finds a first name that differs from the one shown, so each one writes.
    const QString names[] = {QStringLiteral("Bench"), QStringLiteral("Marked")};
    int turn = 0;
    for (auto _ : state) {
        screen.setText(QStringLiteral("FName"), names[turn]);
        turn ^= 1;
        if (!SaveCurrentRecord(app, screen)) {
            state.SkipWithError("save refused");
            break;
        }
    }
    state.counters["record"] = app.crusade.CurRecNo;
}
BENCHMARK(BM_SaveChangedRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fennick::bench
