#pragma once
// The repair pass over the open crusade: every record is repaired in place, the
// alphabetical view is rebuilt from the live records, registration numbers that occur
// twice are reported, the zip table is rebuilt, the first record is shown and the church
// member list is cleaned of numbers that occur twice.

namespace fennick {

class App;
struct AttendeeRecord;

// A data or member file held by another program is tried this many times, this far
// apart, before the pass gives up and says so.
inline constexpr int kFixAttempts = 5;
inline constexpr int kFixRetryPauseMs = 200;

// A live record whose names and address were never typed: no first name, the last name
// "Unknown" and no address. The pass deletes it when its number lies in the range the
// program issues automatically (an abandoned new entry).
bool IsEmptyEntry(const AttendeeRecord& rec);

// Runs the pass. With "ClearFlag" in ScratchVar every record's CardPrinted is cleared
// as well. The data file is locked against other programs while its records are
// rewritten. Returns false when the pass could not finish: the user has been told why,
// the view holds the entries built so far (sorted, ReportCount matching them) and the
// member list is left as it was. With KeepRepairFailure set the failure is only left in
// MsgText, for the command that runs the pass to tell.
bool FixFiles(App& app);

}  // namespace fennick
