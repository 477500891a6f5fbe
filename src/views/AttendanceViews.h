#pragma once
// Views by attendance and by visitation team: how often and how lately people came,
// who came on one night, who has missed the last nights, and the team lists.

#include <QString>

namespace fennick {

class App;

// "TotalAttend": the names whose count equals, or is at least, TotalAttendNum, highest
// count first. With ask the attendance filter dialog gives the comparison (kept in
// FilterChoice); a cancelled dialog keeps the view (an empty one becomes "alpha"). An
// empty result returns to "alpha" with "There are no names to view.".
void IndexTotalAttend(App& app, bool ask);
// "TotalAttend" grouped by team, teams from "40" down; always asks the dialog.
void IndexTotalAttendByTeam(App& app);
// "attend": latest attendance first, then by name.
void IndexAttend(App& app);
// "attendnight" and the night: the names present on one night. With ask the night is
// asked; otherwise it is the number that ends ReportKind. Returns the night, or 0 when
// nothing was built (cancelled, or nobody came: then the view returns to "alpha").
int IndexAttendNight(App& app, bool ask);
// "missednight" and the count: the names who missed at least the last n meetings but
// came after the cut-off. With ask n is asked; otherwise it ends ReportKind. An empty
// result returns to "alpha".
void IndexMissedMeetings(App& app, bool ask);
// "wcattend": by team, within a team latest attendance first.
void IndexTeamAttend(App& app);
// "SelWCAttend" and the team code: one team's names, latest attendance first or by name
// when order is "Al". An empty team is asked for (and given back in team); a cancelled
// question, or a code that is not a team from "00" to "40", changes nothing.
void IndexSelectedTeam(App& app, QString& team, const QString& order);
// "wcalpha": by team, then by name.
void IndexTeamAlpha(App& app);

}  // namespace fennick
