// The record merge of a second desk's 9,999 records into the 9,999 of the loaded file,
// everybody there marked at its last meeting, so that every record is looked up and
// written (the repair pass not included). Should take under 1 s.

#include "BenchData.h"
#include "attendance/AttendanceMarks.h"
#include "attendance/AttendanceMerge.h"
#include "data/BulkWrite.h"
#include "data/Errors.h"
#include "filetools/AppendedRecords.h"

#include <benchmark/benchmark.h>

namespace fennick::bench {
namespace {

void BM_MergeAttendance(benchmark::State& state) {
    BenchApp b;
    const int night = kBenchLastMeeting + 1;
    QList<AttendeeRecord> other = BenchRecords();
    for (AttendeeRecord& r : other) {
        QByteArray a = NormalisedAttendance(r.Attendance.bytes());
        MarkNight(a, night, 'V');
        SetAttendance(r, a);
    }
    int updated = 0;
    for (auto _ : state) {
        BulkWrite writes(b.app, QStringLiteral("Merge Attendance Updates"), kSourceFennick3);
        BringingIn in(b.app, writes, other);
        MergeRecords(b.app, other, night, true, in);
        updated = in.updated();
    }
    if (updated < kBenchRecords * 9 / 10) state.SkipWithError("records were not found");
    state.counters["updated"] = updated;
}
BENCHMARK(BM_MergeAttendance)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench
