#pragma once
// The settings and vocabularies of the open crusade, kept in its settings file.

#include <QString>

#include <array>

namespace fennick {

struct CrusadeSettings {
    QString CrusadeName;
    bool CanadianZip = false;
    QString CrusadeDate;
    qint16 LastMeeting = 0;
    qint16 ReservedNumber = 0;
    QString ReservedDirection;  // "UP" or "DOWN"
    QString BackupPath;
    qint16 TotalAttendNum = 0;
    qint16 PrintCutOff = 0;
    std::array<QString, 41> TeamNames;  // team i as "name:telephone"; 0 = "Unassigned:"
    std::array<qint16, 4> SabbathMeetings{};
    std::array<QString, 10> DecisionNames;  // 1..9
    std::array<QString, 16> ReligionNames;  // 1..15
    std::array<QString, 8> AgeGroupNames;   // 0..7
    std::array<QString, 10> DecisionCodes;  // 1..9, one letter each
    std::array<QString, 41> SermonTitles;   // 1..40
    bool SoundOn = false;
    QString LastUpdated;
    std::array<QString, 7> WeekDays;       // 1..6
    std::array<QString, 14> MeetingTimes;  // 0..13
};

}  // namespace fennick
