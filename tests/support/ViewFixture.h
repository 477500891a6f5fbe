#pragma once
// Builders for view tests: records made field by field, a crusade open on a data file of
// them, the shared fixture of twenty-odd varied records, and helpers that read a view
// and write the entries a test expects.

#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/AttendeeRecord.h"
#include "views/Indexes.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <initializer_list>

namespace fennick::test {

// A record built from Person() with chained setters.
class Rec {
public:
    Rec(const char* rnum, const char* first, const char* last);

    // One character per night ("1" attended, "-" absent), padded with "-" to 40 nights;
    // Attend and Last are recounted from it.
    Rec& nights(const char* marks);
    Rec& team(const char* code);
    Rec& level(const char* intLevel);
    Rec& interview(qint16 classValue);
    Rec& bapt(const char* date);
    Rec& visits(const char* codes);
    Rec& address(const char* text);
    Rec& zip(const char* text);
    Rec& mail(qint16 value);
    Rec& notes(const char* text);
    Rec& religion(const char* text);
    Rec& age(const char* text);
    Rec& advertising(const char* flags);
    Rec& map(const char* code);
    Rec& mark(qint16 value);
    Rec& card(qint16 value);
    Rec& decisions(const char* text);
    Rec& attend(const char* raw);  // Attend as stored, not recounted
    Rec& last(qint16 night);       // Last as stored, not recounted
    Rec& deleted();                // WorkerCode "##"
    Rec& with(const std::function<void(AttendeeRecord&)>& change);

    operator AttendeeRecord() const { return rec; }  // NOLINT: used in record lists
    AttendeeRecord rec;
};

// The shared fixture: 21 records, two of them deleted, meant for LastMeeting 12 and
// PrintCutOff 3. Record numbers follow the list (record 1 is "0101" John Smith).
QList<AttendeeRecord> FixtureRecords();

// A crusade open on a data file of the given records.
class ViewFixture {
public:
    // printer: where documents go instead of the recording printer (null: not elsewhere).
    explicit ViewFixture(const QList<AttendeeRecord>& records = FixtureRecords(), qint16 lastMeeting = 12,
                         qint16 cutOff = 3, Printer* printer = nullptr);

    // Entries 1 to ReportCount of the current view.
    QList<QByteArray> entries() const;
    // Their registration numbers (first four characters), in view order.
    QList<QByteArray> rnums() const;

    TestApp t;
    App& app;
};

// Checks the current view after a builder: its kind, exactly its entries in order, their
// common length, ReportCount, CurIndexPos and an empty entry 0.
void ExpectView(const ViewFixture& f, const QString& kind, const QList<QByteArray>& expected, int keyLength);

// One row of a table of view builders: how to run the builder on the fixture (dialog
// answers included) and what it must leave.
struct BuilderRow {
    const char* name;
    std::function<void(ViewFixture&)> build;
    const char* kind;
    int keyLength;
    PrevRule rule;
    QList<QByteArray> expected;
    qint16 cutOff = 3;
};
// Runs the row on a fresh fixture and checks the view (ExpectView), that every scripted
// answer was used, and that the working record CurRecord is left as it was.
void CheckBuilderRow(const BuilderRow& row);

// Runs build on fresh fixtures from two starting states and tells which PrevReportKind
// rule the builder followed (a failure is reported when no rule fits).
PrevRule ObservedPrevRule(const std::function<void(ViewFixture&)>& build);

// Left-aligned in width characters (cut or padded with blanks).
QByteArray Pad(const char* text, int width);
// An expected entry: rnum, the parts joined, the record number right-aligned in four.
QByteArray Entry(const char* rnum, std::initializer_list<QByteArray> parts, int recordNumber);

}  // namespace fennick::test
