#pragma once
// The view builders' common machinery and the alphabetical views.
//
// A builder replaces the current view: it passes the old kind on to PrevReportKind by its
// rule, empties the view, scans the data file, appends one entry per chosen record
// (registration number, sort part, record number right-aligned in four characters),
// sets ReportCount and CurIndexPos, and sorts. The sort parts are made of the key pieces
// below; all of them have fixed widths, so every entry of one view has the same length.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <initializer_list>

namespace fennick {

class App;
class BulkWrite;
struct CurrentView;

// How a builder passes the kind of the view it replaces on to PrevReportKind. The value
// taken is always ReportKind as it stood before the builder replaced it.
enum class PrevRule {
    Always,  // PrevReportKind takes ReportKind
    R,       // ... when ReportKind is not "alpha"
    P,       // ... when PrevReportKind is not "alpha"
    None,    // PrevReportKind stays
};
void UpdatePrevReportKind(CurrentView& view, PrevRule rule);

// A view holds at most this many entries (ReportCount is a 16-bit count).
inline constexpr int kMaxViewEntries = 32767;

// Empties the view: entry 0 only, empty; ReportCount and CurIndexPos 0.
void EmptyView(CurrentView& view);
// The record number as an entry ends with it: right-aligned in four characters.
QByteArray RecordNumber4(qint32 r);
// Appends the entry RNum, sortPart, record number r (nothing once the view is full).
void AppendEntry(CurrentView& view, const AttendeeRecord& rec, const QByteArray& sortPart, qint32 r);
// ReportCount = the entries appended; CurIndexPos = 1, or 0 for an empty view.
void FinishView(CurrentView& view);

// Calls visit for records 1 to RecCount of the data file, deleted ones included, in file
// order. A view addresses records 1 to 9999 only, so a longer file stops at record 9999.
// The working record CurRecord is left as it is (the record on screen).
using RecordVisitor = std::function<void(const AttendeeRecord& rec, qint32 r)>;
void ScanRecords(App& app, const RecordVisitor& visit);
// The same over the live records only (WorkerCode not "##").
void ScanLiveRecords(App& app, const RecordVisitor& visit);

// The record's last night attended is after the meeting cut-off (Last > PrintCutOff).
bool AfterCutOff(const App& app, const AttendeeRecord& rec);
// The number of nights attended as Attend holds it (its leading number).
int AttendCount(const AttendeeRecord& rec);

// --- Key pieces (upper case = the upper-case form of the field) ----------------------

QByteArray LName5(const AttendeeRecord& r);   // first 5 of LName, upper case
QByteArray FName2(const AttendeeRecord& r);   // first 2 of FName, upper case
QByteArray LNAME(const AttendeeRecord& r);    // LName (20), upper case
QByteArray LName20(const AttendeeRecord& r);  // LName (20) as stored
QByteArray FName3(const AttendeeRecord& r);   // first 3 of FName as stored
QByteArray FNAME3(const AttendeeRecord& r);   // first 3 of FName, upper case
QByteArray FNAME(const AttendeeRecord& r);    // FName (20), upper case
// The last three digits of 9999 - Last, so that later attendance sorts first (night 12
// gives 987, never attended 999).
QByteArray Latest3(const AttendeeRecord& r);
// Attend as two digits: "5 " gives "05".
QByteArray Count2(const AttendeeRecord& r);
QByteArray Team2(const AttendeeRecord& r);    // WorkerCode (2)
QByteArray Level1(const AttendeeRecord& r);   // IntLevel (1)
QByteArray Zip10(const AttendeeRecord& r);    // Zip (10)
QByteArray Age10(const AttendeeRecord& r);    // Age (10)
QByteArray Rel20(const AttendeeRecord& r);    // RelPref (20) as stored
QByteArray Map8(const AttendeeRecord& r);     // MapCode (8)
QByteArray Bapt8(const AttendeeRecord& r);    // BaptDate (8) as stored
QByteArray ADDRESS(const AttendeeRecord& r);  // Address (30), upper case

// The pieces of a sort part joined, in one allocation.
QByteArray JoinKey(std::initializer_list<QByteArray> pieces);

// --- Building a view from a description ------------------------------------------------

enum class SortOrder { Ascending, Descending };

struct ViewSpec {
    QString kind{};  // the new ReportKind
    PrevRule rule = PrevRule::None;
    bool cutOff = false;                                // a record passes only when Last > PrintCutOff
    bool deletedRecords = false;                        // scan the deleted records instead of the live ones
    std::function<bool(const AttendeeRecord&)> test{};  // empty: every record passes
    std::function<QByteArray(const AttendeeRecord&)> sortPart{};
    SortOrder order = SortOrder::Ascending;
    bool kindAfterSort = false;  // kind and PrevReportKind set after the sort, not before
    bool kindInEntry0 = false;   // entry 0 holds the kind word
};

// The common builder pattern: PrevReportKind by the rule, empty view, kind, scan, test,
// append, ReportCount and CurIndexPos, sort.
void BuildView(App& app, const ViewSpec& spec);

// --- The alphabetical views -----------------------------------------------------------

// "alpha": every live record in name order (the resting view).
void IndexAlpha(App& app);
// "alphafilter": the live records after the meeting cut-off, in name order.
void IndexAlphaCutoff(App& app);
// "undelete": the deleted records (RNum not "skip"), in name order.
void IndexDeleted(App& app);

// --- Sorting ---------------------------------------------------------------------------

// Comb sort of entries 1 to ReportCount by their last L characters, by byte code, where
// L is the length of entry 1 less the registration number (the whole entry for "byNum").
void SortIndex(App& app);
// The same in descending order (L always the length of entry 1 less four).
void SortIndexDescending(App& app);
// The comb sort of SortIndex over entries 1 to n of a list of one's own (entry 0 unused):
// by the last L characters, L the length of entry 1 less four, or by whole entries.
void SortEntries(QList<QByteArray>& entries, int n, bool wholeEntries);
// The comb sort's next gap: gap / 1.3, at least 1, with 9 and 10 becoming 11.
int NextCombGap(int gap);

// Clears MarkToVisit in every record of the data file, deleted ones included, writing
// through writes (the first record not written stops the writing; writes names it and the
// rest); CurIndexPos becomes 1, or 0 for an empty view.
void ClearMarks(App& app, BulkWrite& writes);

}  // namespace fennick
