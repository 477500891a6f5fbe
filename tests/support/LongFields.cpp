#include "LongFields.h"

#include "RecordBuilder.h"
#include "data/SideFiles.h"

namespace fennick::test {

namespace {

// n wide letters.
QByteArray Wide(int n) {
    return QByteArray(n, 'W');
}

AttendeeRecord LongFieldRecord(const char* rnum, const char* level, const char* visits) {
    AttendeeRecord r = Person(rnum, "", "");
    r.FName = Wide(20);
    r.LName = "M" + QByteArray(19, 'W');
    r.Address = Wide(30);
    r.City = Wide(20);
    r.State = "WW";
    r.Zip = Wide(10);
    r.Phone = Wide(12);
    r.Age = Wide(10);
    r.Advertising = "NMRTPOI-" + Wide(12);
    r.RelPref = Wide(20);
    r.IntLevel = level;
    r.Visits = visits;
    r.WorkerCode = "05";
    r.Notes = Wide(150);
    r.Attendance = QByteArray(40, '1');
    r.Attend = "40";
    r.Last = 40;
    r.Decisions = "CSKPBTADU";
    r.MapCode = Wide(8);
    r.BirthDate = "12/25/60";
    r.Email = Wide(40);
    return r;
}

}  // namespace

QList<AttendeeRecord> LongFieldRecords() {
    AttendeeRecord baptized = LongFieldRecord("0901", "G", "H01H02H03H04");
    baptized.BaptDate = "12/25/26";
    AttendeeRecord interview = LongFieldRecord("0902", "B", "A3bH02H03H04");
    interview.Class = 1;
    AttendeeRecord interested = LongFieldRecord("0903", "C", "H01H02H03H04");
    // The longest values as people write them, each found by its own text: digits in the
    // zip and telephone, an eight-character map code, a city of twenty characters.
    AttendeeRecord written = LongFieldRecord("0904", "G", "H01H02H03H04");
    written.FName = "Alexandria-Josephine";
    written.LName = "Montgomery-Whitfield";
    written.Address = "12345 Wisteria Meadows Parkway";
    written.City = "Rockford Heights Twp";
    written.State = "IL";
    written.Zip = "62704-1234";
    written.Phone = "217-555-0113";
    written.MapCode = "K11-22AB";
    written.BaptDate = "12/25/26";
    written.Class = 1;
    return {baptized, interview, interested, written};
}

void SetLongFieldSettings(App& app) {
    CrusadeSettings& s = app.settings;
    s.CrusadeName = QStringLiteral("Wonderful Weekend of Worship in the Western Woodlands");
    s.LastMeeting = 40;
    for (QString& team : s.TeamNames) team = QStringLiteral("Men's Ministry Worship Warriors:217-555-0123");
    for (QString& title : s.SermonTitles) title = QStringLiteral("When We Worship With Wonder in a Weary World");
    s.DecisionNames[3] = QStringLiteral("Walk With the Word in Weekly Worship");
    for (QString& church : s.ReligionNames) church = QStringLiteral("Wesleyan Methodist World Mission");
    for (QString& group : s.AgeGroupNames) group = QStringLiteral("Woodland Widows and Widowers");

    Crusade& c = app.crusade;
    c.MemberNames = {QByteArray()};
    for (int i = 1; i <= 150; ++i) c.MemberNames << MemberEntry(QByteArray::number(1000 + i), Wide(15), Wide(15));
    c.MemberCount = qint16(c.MemberNames.size() - 1);
    const QByteArray zip = Wide(10) + "WW" + "05" + Wide(15) + "9999";
    for (int i = 1; i <= 3; ++i) c.ZipTable[i] = zip;
    c.ZipCount = 3;
}

}  // namespace fennick::test
