#pragma once
// The statistics data file "StatData.txt" in the program folder, which an outside
// spreadsheet workbook reads by position: one value a line, Windows-1252, CRLF. Every
// statistics run rewrites it whole:
//   1 CrusadeName, 2 LastMeeting;
//   3-122 for meetings 1..40: attendance, new names, losses;
//   123-164 for religions 1..14, 165-185 for sources 1..7, 186-212 for decisions 1..9,
//   213-236 for age groups 0..7: the name, its count and its baptisms;
//   237-276 the average age at meetings 1..40, or "na";
//   277-285 the interest A, B, C counts, baptisms, mail list, total, active, interviews
//   set, interviews baptized;
//   286 ZipCount, then the zip entries as stored;
//   then for teams 1..20: the team's name and telephone as stored, and thirteen counts.
// Numbers are written as printed: a blank (or the minus sign), the digits, a blank.

#include <QByteArray>
#include <QString>

namespace fennick {

class App;
struct Crusade;
struct CrusadeSettings;
struct CrusadeTallies;
struct TeamTallies;

// The lines of the file, built in memory.
class StatDataWriter {
public:
    // A text as it stands.
    void text(const QString& value);
    // Bytes as stored (a zip entry).
    void bytes(const QByteArray& value);
    // A number as printed: " 12 ", "-5 ", " 37.5 ".
    void number(qint64 value);
    void number(double value);

    const QByteArray& data() const { return data_; }
    int lines() const { return lines_; }

private:
    QByteArray data_;
    int lines_ = 0;
};

// Lines 1 to 286 + ZipCount: the crusade statistics and the zip table.
void WriteCrusadeLines(StatDataWriter& out, const CrusadeSettings& settings, const CrusadeTallies& t,
                       const Crusade& crusade);
// The 280 team lines, teams 1..20.
void WriteTeamLines(StatDataWriter& out, const CrusadeSettings& settings, const TeamTallies& t);

// Replaces the file with the lines in one step, so the workbook never reads half a file.
// A failure leaves any earlier file as it was and throws VbError.
void WriteStatData(App& app, const StatDataWriter& out);
// The same, a failure shown as the program's common error message; returns whether the
// file was written.
bool SaveStatData(App& app, const StatDataWriter& out);

}  // namespace fennick
