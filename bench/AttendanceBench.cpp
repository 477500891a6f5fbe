// One nightly entry of the attendance screen on the 9,999-record file, the screen held in
// memory: the shown record saved, the person found, tonight marked, the record written
// and shown. By number, by three letters confirmed at the first offer, and a name found
// nowhere, looked up in a member list of 500 names. Each should take under 5 ms.

#include "BenchData.h"
#include "attendance/AttendFState.h"
#include "attendance/AttendOpening.h"
#include "attendance/NightlyEntry.h"
#include "data/DataStore.h"
#include "data/InfoFile.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "mainwindow/MainScreen.h"
#include "views/Indexes.h"

#include <benchmark/benchmark.h>

#include <QHash>

namespace fennick::bench {
namespace {

// The attendance screen's controls in memory; Attend, Decisions and Last are its state's.
class MemoryAttendF : public MainScreen {
public:
    explicit MemoryAttendF(AttendFState& st) : st_(st) {}
    QString formName() const override { return QStringLiteral("AttendF"); }
    bool has(const QString& c) const override { return !kMainOnly.contains(c); }
    QString text(const QString& c) const override {
        return AttendFState::isVariable(c) ? st_.variable(c) : texts_.value(c);
    }
    void setText(const QString& c, const QString& t) override {
        if (AttendFState::isVariable(c))
            st_.setVariable(c, t);
        else
            texts_[c] = t;
    }
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
    inline static const QStringList kMainOnly = {
        QStringLiteral("MailList"), QStringLiteral("Age"),      QStringLiteral("RelPref"),
        QStringLiteral("Advertising"), QStringLiteral("MapCode"), QStringLiteral("chkMarkToVisit"),
        QStringLiteral("RecordPos"), QStringLiteral("EditLabel")};
    AttendFState& st_;
    QHash<QString, QString> texts_;
    QHash<QString, int> values_;
};

// The screen open for the night after the last meeting, on the middle of the view, with
// a member list of 500 names.
struct Desk {
    BenchApp b;
    AttendFState st;
    MemoryAttendF screen{st};

    Desk() {
        App& app = b.app;
        SetDefaultInfo(app);
        for (int i = 1; i <= 500; ++i)
            app.crusade.MemberNames.append(MemberEntry(QByteArray::number(5000 + i), "Member" + QByteArray::number(i),
                                                       "Church"));
        app.crusade.MemberCount = 500;
        IndexAlpha(app);
        app.view.CurIndexPos = qint16(app.view.ReportCount / 2);
        ReadCurrentRecord(app);
        app.msg.MsgAnswer = Plain(kBenchLastMeeting + 1);
        attendf::Form_Load(app, st, screen);
        attendf::Form_Activate(app, st, screen);
    }
    // An entry in the middle of the view.
    QByteArray middle() const { return b.app.view.ReportIndex[b.app.view.ReportCount / 2]; }
    bool enter(const QString& typed) {
        screen.setText(QStringLiteral("SearchBox"), typed);
        return attendf::SearchBox_KeyPress(b.app, st, screen, 13);
    }
};

// The first entry marks the person; those timed find them marked already ("E").
void RunEntries(benchmark::State& state, Desk& desk, const QString& typed, const QString& expectedEntInd) {
    desk.enter(typed);
    for (auto _ : state) {
        if (!desk.enter(typed)) {
            state.SkipWithError("the entry was not taken");
            break;
        }
    }
    if (desk.screen.text(QStringLiteral("EntInd")) != expectedEntInd) state.SkipWithError("unexpected outcome");
    state.counters["marked"] = desk.st.TotalAttending;
}

void BM_EntryByNumber(benchmark::State& state) {
    Desk desk;
    RunEntries(state, desk, FromAnsi(Left(desk.middle(), 4)), QStringLiteral("E"));
}
BENCHMARK(BM_EntryByNumber)->Unit(benchmark::kMillisecond);

void BM_EntryByThreeLetters(benchmark::State& state) {
    Desk desk;
    desk.b.dialogs.questionAnswer = AnsYes;
    RunEntries(state, desk, FromAnsi(Mid(desk.middle(), 5, 3)), QStringLiteral("E"));
}
BENCHMARK(BM_EntryByThreeLetters)->Unit(benchmark::kMillisecond);

void BM_EntryNotFound(benchmark::State& state) {
    Desk desk;
    RunEntries(state, desk, QStringLiteral("Qxz"), QStringLiteral("?"));
}
BENCHMARK(BM_EntryNotFound)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench
