#pragma once
// The views that select names by what the record says about the person: notes, church,
// church membership, a missing visit after the Sabbath meeting, age group, interest
// level, pre-meeting invitation, advertising, map code, baptism, the mark and a decision.

#include <QString>

namespace fennick {

class App;

// "notes": the names with notes.
void IndexNotes(App& app);
// "religion": the names after the cut-off whose church is religion ("Other" = a church
// that is none of the first fourteen church names; empty = every church). Leaves "15" in
// ScratchVar once a record was compared with the church names.
void IndexReligion(App& app, const QString& religion);
// "religion": the church members ("SDA") after the cut-off.
void IndexChurchMembers(App& app);

// The first meeting (1 to 30) whose sermon title contains "Sabbath"; 0 when none does.
int SabbathNight(const App& app);
// "needsabvis": the names who attended the Sabbath night and have no visit recorded on
// or after it. Without a Sabbath night the view is empty.
void IndexNeedSabbathVisit(App& app);

// "age": the names after the cut-off by age group.
void IndexAge(App& app);
// "interest": interest levels A, B, C and G, and F while app.view.IncludeF is set;
// grouping "TC" groups them by team.
void IndexInterest(App& app, const QString& grouping);
// "NoAssignedInterest": no interest level or "E", and seen in the last four meetings.
void IndexNoInterest(App& app);
// "PreCrusade": the names invited before the meetings (advertising flag "P").
void IndexPreMeeting(App& app);
// "Advertising": one entry for every advertising flag a name has marked, by flag.
void IndexAdvertising(App& app);
// "map": the names after the cut-off by latest attendance, team and map code.
void IndexMapCode(App& app);
// "baptism": the baptized (interest level G); grouping "TC" groups them by team.
void IndexBaptisms(App& app, const QString& grouping);
// "marked": the names marked to visit.
void IndexMarked(App& app);

// "decisions" and the decision's digit: the names after the cut-off, not of interest
// level D, who made the decision (its place in Decisions not "-", or its code letter in
// Attendance). With ask the decision picker chooses the decision first; otherwise the
// decision of the current decisions view is taken. Decision 9 asks whether to arrange by
// interest level. Returns false, with the view and ReportKind as they were, when the
// picker was cancelled or there is no decision to build.
bool IndexDecisions(App& app, bool ask);

}  // namespace fennick
