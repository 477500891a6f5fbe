#include "data/AttendeeRecord.h"

namespace fennick {

bool IsTeamCode(const QByteArray& code) {
    const auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    return code.size() == 2 && digit(code[0]) && digit(code[1]) && (code[0] - '0') * 10 + (code[1] - '0') <= kTeams;
}

QByteArray OneNightAttendance(int night) {
    QByteArray a(kMeetings, '-');
    if (night >= 1 && night <= kMeetings) a[night - 1] = char('0' + night % 10);
    return a;
}

void AttendeeRecord::encodeTo(char* out) const {
    RNum.copyTo(out + recoff::RNum);
    FName.copyTo(out + recoff::FName);
    LName.copyTo(out + recoff::LName);
    Address.copyTo(out + recoff::Address);
    City.copyTo(out + recoff::City);
    State.copyTo(out + recoff::State);
    Zip.copyTo(out + recoff::Zip);
    Phone.copyTo(out + recoff::Phone);
    Age.copyTo(out + recoff::Age);
    Advertising.copyTo(out + recoff::Advertising);
    RelPref.copyTo(out + recoff::RelPref);
    IntLevel.copyTo(out + recoff::IntLevel);
    Visits.copyTo(out + recoff::Visits);
    WorkerCode.copyTo(out + recoff::WorkerCode);
    Notes.copyTo(out + recoff::Notes);
    Attendance.copyTo(out + recoff::Attendance);
    Attend.copyTo(out + recoff::Attend);
    WriteInt16(out + recoff::Last, Last);
    WriteInt16(out + recoff::MailList, MailList);
    Decisions.copyTo(out + recoff::Decisions);
    WriteInt16(out + recoff::Class, Class);
    MapCode.copyTo(out + recoff::MapCode);
    BaptDate.copyTo(out + recoff::BaptDate);
    WriteInt16(out + recoff::CardPrinted, CardPrinted);
    BirthDate.copyTo(out + recoff::BirthDate);
    WriteInt16(out + recoff::MarkToVisit, MarkToVisit);
    Email.copyTo(out + recoff::Email);
}

QByteArray AttendeeRecord::encode() const {
    QByteArray out(Size, ' ');
    encodeTo(out.data());
    return out;
}

AttendeeRecord AttendeeRecord::decode(const char* in) {
    AttendeeRecord r;
    r.RNum.assignRaw(in + recoff::RNum);
    r.FName.assignRaw(in + recoff::FName);
    r.LName.assignRaw(in + recoff::LName);
    r.Address.assignRaw(in + recoff::Address);
    r.City.assignRaw(in + recoff::City);
    r.State.assignRaw(in + recoff::State);
    r.Zip.assignRaw(in + recoff::Zip);
    r.Phone.assignRaw(in + recoff::Phone);
    r.Age.assignRaw(in + recoff::Age);
    r.Advertising.assignRaw(in + recoff::Advertising);
    r.RelPref.assignRaw(in + recoff::RelPref);
    r.IntLevel.assignRaw(in + recoff::IntLevel);
    r.Visits.assignRaw(in + recoff::Visits);
    r.WorkerCode.assignRaw(in + recoff::WorkerCode);
    r.Notes.assignRaw(in + recoff::Notes);
    r.Attendance.assignRaw(in + recoff::Attendance);
    r.Attend.assignRaw(in + recoff::Attend);
    r.Last = ReadInt16(in + recoff::Last);
    r.MailList = ReadInt16(in + recoff::MailList);
    r.Decisions.assignRaw(in + recoff::Decisions);
    r.Class = ReadInt16(in + recoff::Class);
    r.MapCode.assignRaw(in + recoff::MapCode);
    r.BaptDate.assignRaw(in + recoff::BaptDate);
    r.CardPrinted = ReadInt16(in + recoff::CardPrinted);
    r.BirthDate.assignRaw(in + recoff::BirthDate);
    r.MarkToVisit = ReadInt16(in + recoff::MarkToVisit);
    r.Email.assignRaw(in + recoff::Email);
    return r;
}

AttendeeRecord AttendeeRecord::decode(const QByteArray& bytes) {
    QByteArray b = bytes;
    if (b.size() < Size) b.append(QByteArray(Size - b.size(), '\0'));
    return decode(b.constData());
}

bool AttendeeRecord::operator==(const AttendeeRecord& o) const {
    return RNum == o.RNum && FName == o.FName && LName == o.LName && Address == o.Address && City == o.City &&
           State == o.State && Zip == o.Zip && Phone == o.Phone && Age == o.Age && Advertising == o.Advertising &&
           RelPref == o.RelPref && IntLevel == o.IntLevel && Visits == o.Visits && WorkerCode == o.WorkerCode &&
           Notes == o.Notes && Attendance == o.Attendance && Attend == o.Attend && Last == o.Last &&
           MailList == o.MailList && Decisions == o.Decisions && Class == o.Class && MapCode == o.MapCode &&
           BaptDate == o.BaptDate && CardPrinted == o.CardPrinted && BirthDate == o.BirthDate &&
           MarkToVisit == o.MarkToVisit && Email == o.Email;
}

}  // namespace fennick
