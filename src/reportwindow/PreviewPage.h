#pragma once
// The report window's page: the lines of the current view from the scroll position on,
// one line per name in a fixed-pitch layout chosen by the view's kind and the mail
// options, and what a click on a line will mean. Each line carries the character columns
// of its team code, attendance window, interest letter and visits, so that a click can
// be told by where it falls.
//
// Building a page reads the records of its lines by number into records of its own;
// nothing is written and the working record (CurRecord, CurRecNo) is left alone.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace fennick {

class App;
struct CrusadeSettings;

// A page shows the entry at the scroll position and the 25 after it.
inline constexpr int kPageLines = 26;
// The scroll bar's large change.
inline constexpr int kPageStep = 25;

// Characters first..last of a line (1-based, inclusive); empty when the line does not
// carry the field.
struct ColumnRange {
    int first = 0;
    int last = -1;

    bool empty() const { return last < first; }
    bool contains(int column) const { return column >= first && column <= last; }
    bool operator==(const ColumnRange&) const = default;
};

struct PreviewLine {
    QByteArray text;   // Windows-1252, without the line end
    int entry = 0;     // its view position (1-based)
    qint32 record = 0;  // its record number
    ColumnRange team;        // WorkerCode
    ColumnRange attendance;  // the attendance window (or its first ten nights)
    ColumnRange interest;    // IntLevel
    ColumnRange visits;      // Visits, or the last visit code
};

struct PreviewPage {
    QList<PreviewLine> lines;
    int top = 0;          // the first entry shown; 0 for an empty view
    QString clickSwitch;  // "E", "A", "I" or "M"
    // The page as the window's text box holds it: each line ending with NewLine; for an
    // empty view the message that there are no names.
    QString text() const;
    // The line of view entry p; null when p is not on the page.
    const PreviewLine* lineOf(int p) const;
};

// The report window's option buttons in the frame "Left Mouse Button Function".
enum class LeftButton {
    Edit,      // optEd
    Attend,    // optAt
    Interest,  // OptIntML ("Interest", or "Mail" in label mode)
    Visit,     // OptVisit
};

struct PageOptions {
    int top = 1;                // the scroll bar's value; 0 is taken as 1
    bool mailListOnly = false;  // chkMailOpt(0)
    bool mailLabels = false;    // chkPrnMailLabels
    LeftButton leftButton = LeftButton::Edit;
};

// The page of the current view at options.top. A failing record read throws VbError.
PreviewPage showScrollInfo(App& app, const PageOptions& options);

// The text for an empty view.
inline const QString kNoNamesToDisplay = QStringLiteral("There are no names to display with this filter.");

// --- The pieces of a line (exposed for the tests and the clicks on lines) ---------------

// The decisions a baptism mark looks at: the last decision whose title holds "BAPT" and
// the last one whose title holds "UNITE" (titles compared in capitals); 0 for none.
struct BaptismDecisions {
    int baptism = 0;
    int unite = 0;
};
BaptismDecisions FindBaptismDecisions(const CrusadeSettings& settings);

// "#" for a baptism date set before baptism (level G), "@" for an interview without a
// date, else a blank.
char MarkM(const AttendeeRecord& rec);
// "*" for a baptism date or level G whose baptism decision is not marked, "(r)" when it
// is marked but the unite decision is not "U", else nothing. No baptism decision: nothing.
QByteArray MarkB(const AttendeeRecord& rec, const BaptismDecisions& d);
// Team, number, mark and name with the baptism mark: exactly 30 characters.
QByteArray NamePart(const AttendeeRecord& rec, const BaptismDecisions& d);
// The 24 nights up to the last meeting (nights 1..24 before meeting 25).
QByteArray AttendanceWindow(const AttendeeRecord& rec, int lastMeeting);

// The layout of a line: the view's kind, or "mail" under Mail List Only or Mail Labels.
QString LineLayout(const QString& reportKind, const PageOptions& options);
// One line of view entry `entry` for its record in that layout.
PreviewLine BuildPreviewLine(const App& app, const QString& layout, const QByteArray& entry,
                             const AttendeeRecord& rec, const BaptismDecisions& d);

}  // namespace fennick
