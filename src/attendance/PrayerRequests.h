#pragma once
// Comments and prayer requests that attendees hand in, typed on the main window or on the
// attendance screen and appended to the crusade's journal beside the data file
// (PrayerRequestFile), each meeting's requests under a heading of their own. The journal
// is only ever appended to: the program never reads or rewrites it (the main window's View
// Prayer List opens it in a word processor).
//
// The two windows differ in the lead blanks of a request line, the wording of the meeting
// heading and where the focus goes afterwards. Each remembers the meeting whose heading
// it wrote last (0 when the window is loaded), so a window writes the heading of a meeting
// before its own first request at that meeting.

#include <QtGlobal>

namespace fennick {

class App;
class MainScreen;
struct AttendFState;

enum class PrayerWindow { EditForm, AttendF };

// Asks for a request on form and appends it to the journal: the journal's heading and an
// empty line when there is no journal yet, an empty line and the window's heading of
// LastMeeting when lastPrayerMeeting is below it or the journal is new, then the request
// line. An empty answer writes nothing. When the journal cannot be written nothing of the request is in it, the
// user is told that it was not saved and why, and lastPrayerMeeting stays as it was, so
// the next request writes the heading again; otherwise it becomes LastMeeting.
void EnterPrayerRequest(App& app, MainScreen& form, PrayerWindow window, qint16& lastPrayerMeeting);

// EditForm.EnterPrayer: the toolbar's Prayer button, Tools, Enter Prayer Request and a
// double click in Notes. The focus goes back to the search box when it is shown.
void EnterPrayer(App& app, MainScreen& editForm);

namespace attendf {

// AttendF.EnterPrayerFromAttend: the screen's prayer-request button and Tools, Prayer
// Requests. The focus goes back to the search box.
void EnterPrayerFromAttend(App& app, AttendFState& st, MainScreen& attendF);

}  // namespace attendf
}  // namespace fennick
