#pragma once
// Views of the visitation and baptism work: who still needs a baptism interview or a
// baptism date, who has a date set, the interview schedule, the names for interest
// cards, and all names by baptism date.

#include "data/AttendeeRecord.h"

#include <QByteArray>

namespace fennick {

class App;

// The interview-schedule piece: the appointment code's letter and weekday and the order
// of its time (8 in the morning "00" to 9 in the evening "13"); "AN04" without an
// appointment. Always four characters.
QByteArray Appt4(const AttendeeRecord& r);
// The baptism date as yyyymmdd from month/day/two-digit year ("50" and below is 20yy).
// Always eight characters.
QByteArray Date8(const AttendeeRecord& r);

// "NeedInterview" (or "WCNeedInterview" by team): levels A to C without an interview.
void IndexNeedInterview(App& app, bool byTeam);
// "NeedDate": levels A and B without a baptism date.
void IndexNeedBaptismDate(App& app);
// "FutureBapDateSet": a baptism date set, not yet baptized (level G).
void IndexFutureBaptismDate(App& app);
// "InterviewRemain": levels before D with an interview and no baptism date, by appointment.
void IndexInterviewRemaining(App& app);
// "BaptClass": everyone with an interview, by appointment.
void IndexBaptismClass(App& app);
// "IntCard": the names whose interest card is not printed yet, after the cut-off; asks
// whether to limit them to four nights or more and to an assigned team, and leaves the
// selection code in ScratchVar (1 for four nights, plus 2 for all teams or 4 for those
// with a team).
void IndexInterestCards(App& app);
// "date": every name with a baptism date, by date.
void IndexBaptismDate(App& app);

}  // namespace fennick
