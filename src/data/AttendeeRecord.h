#pragma once
// One attendee: the fixed-length record of the crusade data file, 461 bytes on disk,
// 27 fields back to back. Text fields are Windows-1252 bytes, left-aligned and blank
// padded; integer fields are 16-bit signed little-endian.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>

namespace fennick {

// A text field of exactly N bytes. Assigning cuts or pads with blanks.
template <int N>
class FixedText {
public:
    static constexpr int Width = N;

    FixedText() { b_.fill(' '); }
    FixedText(const QByteArray& s) { assign(s); }  // NOLINT: fields are assigned from text
    FixedText(const char* s) { assign(QByteArray(s)); }  // NOLINT

    FixedText& operator=(const QByteArray& s) {
        assign(s);
        return *this;
    }
    FixedText& operator=(const char* s) {
        assign(QByteArray(s));
        return *this;
    }

    void assign(const QByteArray& s) {
        const int n = std::min<int>(N, int(s.size()));
        std::memcpy(b_.data(), s.constData(), size_t(n));
        std::fill(b_.begin() + n, b_.end(), ' ');
    }
    void assignRaw(const char* p) { std::memcpy(b_.data(), p, N); }
    void copyTo(char* p) const { std::memcpy(p, b_.data(), N); }

    QByteArray bytes() const { return QByteArray(b_.data(), N); }
    // The N bytes without a copy, valid while the field lives (for writers of long files).
    QByteArrayView view() const { return QByteArrayView(b_.data(), N); }
    operator QByteArray() const { return bytes(); }  // NOLINT
    // Leading and trailing blanks removed.
    QByteArray trimmed() const {
        int s = 0, e = N;
        while (s < e && b_[size_t(s)] == ' ') ++s;
        while (e > s && b_[size_t(e - 1)] == ' ') --e;
        return QByteArray(b_.data() + s, e - s);
    }
    QByteArray rtrimmed() const {
        int e = N;
        while (e > 0 && b_[size_t(e - 1)] == ' ') --e;
        return QByteArray(b_.data(), e);
    }
    bool isBlank() const {
        return std::all_of(b_.begin(), b_.end(), [](char c) { return c == ' '; });
    }
    // 1-based character access.
    char at(int pos) const { return b_[size_t(pos - 1)]; }
    void setAt(int pos, char c) { b_[size_t(pos - 1)] = c; }

    bool operator==(const FixedText& o) const { return b_ == o.b_; }
    bool operator!=(const FixedText& o) const { return !(b_ == o.b_); }

private:
    std::array<char, N> b_;
};

struct AttendeeRecord {
    static constexpr int Size = 461;

    FixedText<4> RNum;
    FixedText<20> FName;
    FixedText<20> LName;
    FixedText<30> Address;
    FixedText<20> City;
    FixedText<2> State;
    FixedText<10> Zip;
    FixedText<12> Phone;
    FixedText<10> Age;
    FixedText<20> Advertising;
    FixedText<20> RelPref;
    FixedText<1> IntLevel;
    FixedText<12> Visits;
    FixedText<2> WorkerCode;
    FixedText<150> Notes;
    FixedText<40> Attendance;
    FixedText<2> Attend;
    qint16 Last = 0;
    qint16 MailList = 0;
    FixedText<12> Decisions;
    qint16 Class = 0;
    FixedText<8> MapCode;
    FixedText<8> BaptDate;
    qint16 CardPrinted = 0;
    FixedText<8> BirthDate;
    qint16 MarkToVisit = 0;
    FixedText<40> Email;

    // The 461 bytes of the record on disk.
    QByteArray encode() const;
    void encodeTo(char* out) const;
    // Reads 461 bytes (the caller guarantees the length).
    static AttendeeRecord decode(const char* in);
    static AttendeeRecord decode(const QByteArray& bytes);

    bool isDeleted() const { return WorkerCode.at(1) == '#' && WorkerCode.at(2) == '#'; }

    bool operator==(const AttendeeRecord& o) const;
    bool operator!=(const AttendeeRecord& o) const { return !(*this == o); }
};

// Meeting nights of a crusade: one Attendance character each.
inline constexpr int kMeetings = 40;
// Visitation teams "01".."40"; "00" is no team.
inline constexpr int kTeams = 40;
// Decisions 1..9, one Decisions character each.
inline constexpr int kDecisionCount = 9;

// A team code as stored: exactly two digits, "00" to "40".
bool IsTeamCode(const QByteArray& code);
// An attendance string with only the given night (1..40) marked by its last digit.
QByteArray OneNightAttendance(int night);

// Byte offsets of the fields in the 461-byte layout.
namespace recoff {
inline constexpr int RNum = 0, FName = 4, LName = 24, Address = 44, City = 74, State = 94, Zip = 96,
                     Phone = 106, Age = 118, Advertising = 128, RelPref = 148, IntLevel = 168,
                     Visits = 169, WorkerCode = 181, Notes = 183, Attendance = 333, Attend = 373,
                     Last = 375, MailList = 377, Decisions = 379, Class = 391, MapCode = 393,
                     BaptDate = 401, CardPrinted = 409, BirthDate = 411, MarkToVisit = 419,
                     Email = 421;
}  // namespace recoff

// 16-bit little-endian integers as stored in the files.
inline qint16 ReadInt16(const char* p) {
    return qint16(quint16(static_cast<unsigned char>(p[0])) | (quint16(static_cast<unsigned char>(p[1])) << 8));
}
inline void WriteInt16(char* p, qint16 v) {
    p[0] = char(quint16(v) & 0xFF);
    p[1] = char((quint16(v) >> 8) & 0xFF);
}

}  // namespace fennick
