#pragma once
// A crusade whose every text is as long and as wide as its field allows, for the tests
// that nothing printed runs into the next column or off the page.

#include "data/App.h"
#include "data/AttendeeRecord.h"

#include <QList>

#include <functional>

namespace fennick::test {

// Four live records of team "05", all 40 nights attended and every decision made: three
// whose text fields are full of wide letters (a baptized name with a baptism date, a name
// with an interview appointment, a name with an interest level of "C") and a baptized name
// with an interview appointment whose fields are as long as people write them ("0904":
// zip "62704-1234", telephone "217-555-0113", map code "K11-22AB", city "Rockford
// Heights Twp"). Meant for LastMeeting 40.
QList<AttendeeRecord> LongFieldRecords();

// A printout over such a crusade: its name and how its command runs on the test's target
// (a fixture or the App), dialogs answered.
template <typename Target>
struct LongFieldPrintout {
    const char* name;
    std::function<void(Target&)> print;
};

// Settings with a long crusade name and long team names with telephones, sermon titles,
// decision titles, church names and age groups; a church member list of 150 long names,
// enough for three columns, and a zip table of long entries.
void SetLongFieldSettings(App& app);

}  // namespace fennick::test
