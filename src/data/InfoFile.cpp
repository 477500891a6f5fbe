#include "data/InfoFile.h"

#include "data/App.h"
#include "data/Conversion.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/FixFiles.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fennick {

namespace {

const QString kCanada = QStringLiteral("*Canada");
const QString kBlank = QStringLiteral("Blank");
constexpr int kIgnoredLines = 7;

// The next line's value; false at the end of the file.
bool Next(SequentialTextReader& in, QString& out) {
    if (in.atEnd()) return false;
    out = in.readItem();
    return true;
}

// A number line of the header: an empty line is 0; anything else must be a number.
double HeaderNumber(const QString& item) {
    if (Trim(item).isEmpty()) return 0;
    if (!IsNumeric(item)) throw VbError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    return Val(item);
}

// Lines 1 to 9. A missing line leaves its setting as it was. Returns whether the file
// reached its version line (left in versionLine); reservedRead tells whether the
// registration number and its direction (lines 4 and 5) were read.
bool ReadInfoHeader(App& app, SequentialTextReader& in, QString& versionLine, bool& reservedRead) {
    CrusadeSettings& s = app.settings;
    QString item;
    if (Next(in, item)) {
        s.CanadianZip = item.endsWith(kCanada);
        s.CrusadeName = s.CanadianZip ? item.chopped(kCanada.size()) : item;
    }
    if (Next(in, item)) s.CrusadeDate = item;
    if (Next(in, item)) s.LastMeeting = ClampInt16(HeaderNumber(item), 1, 40);
    if (Next(in, item)) s.ReservedNumber = ClampInt16(HeaderNumber(item), 0, 9999);
    if (Next(in, item)) {
        s.ReservedDirection = Trim(item).toUpper();
        reservedRead = true;
    }
    if (Next(in, item)) s.BackupPath = item;
    if (Next(in, item)) s.TotalAttendNum = ClampInt16(HeaderNumber(item), 0, 40);
    if (Next(in, item)) s.PrintCutOff = ClampInt16(HeaderNumber(item), 0, 39);
    return Next(in, versionLine);
}

void FillAppointmentTables(CrusadeSettings& s) {
    s.WeekDays = {QString(),
                  QStringLiteral("Sunday"),
                  QStringLiteral("Monday"),
                  QStringLiteral("Tuesday"),
                  QStringLiteral("Wednesday"),
                  QStringLiteral("Thursday"),
                  QStringLiteral("Friday")};
    s.MeetingTimes = {QStringLiteral("08:00am"), QStringLiteral("09:00am"), QStringLiteral("10:00am"),
                      QStringLiteral("11:00am"), QStringLiteral("12:00"),   QStringLiteral("01:00pm"),
                      QStringLiteral("02:00pm"), QStringLiteral("03:00pm"), QStringLiteral("04:00pm"),
                      QStringLiteral("05:00pm"), QStringLiteral("06:00pm"), QStringLiteral("07:00pm"),
                      QStringLiteral("08:00pm"), QStringLiteral("09:00pm")};
}

// The settings of a crusade whose settings file is missing.
void FreshSettings(App& app) {
    CrusadeSettings& s = app.settings;
    const QString title = FileTitle(app.program.DataFile);
    s.CrusadeName = title.left(std::max<qsizetype>(0, title.size() - 4));
    s.CrusadeDate = ShortDate(app.clock().today());
    s.ReservedDirection = QStringLiteral("UP");
    s.ReservedNumber = 0;
    s.LastMeeting = 1;
    s.PrintCutOff = 0;
}

// A way of counting registration numbers on: the counter, and how many free numbers it
// issues before it reaches a number in use or the end of the range.
struct Counter {
    bool down = false;
    int from = 0;
    int room = -1;
};

// The registration counter of a crusade whose settings file did not give one, taken from
// the numbers of its data file (deleted records too, as they can be restored): it counts
// through the longest run of free numbers, so that counting on never issues a number in
// use, and never counts an entry without names (which the repair pass deletes when its
// number lies among those issued automatically) as issued automatically. When every
// counter would, the repair pass keeps such entries until settings are read again.
void ReserveBeyondRecords(App& app) {
    std::vector<bool> used(10000, false);
    int lowestUnnamed = 10000;
    int highestUnnamed = -1;
    QFile f(app.program.DataFile);
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray all = f.readAll();
        for (qsizetype at = 0; at + AttendeeRecord::Size <= all.size(); at += AttendeeRecord::Size) {
            const AttendeeRecord rec = AttendeeRecord::decode(all.constData() + at);
            const QByteArray rnum = rec.RNum.bytes();
            if (!IsNumeric(rnum) || Val(rnum) < 0 || Val(rnum) > 9999) continue;
            const int number = int(Val(rnum));
            used[size_t(number)] = true;
            if (rec.isDeleted() || !IsEmptyEntry(rec)) continue;
            lowestUnnamed = std::min(lowestUnnamed, number);
            highestUnnamed = std::max(highestUnnamed, number);
        }
    }
    // Counting UP from n counts the numbers up to n as issued automatically, counting DOWN
    // from n those from n on.
    Counter best;
    Counter bestKeeping;
    const auto consider = [&](Counter c) {
        if (c.room > best.room) best = c;
        const bool keeps = c.down ? c.from > highestUnnamed : c.from < lowestUnnamed;
        if (keeps && c.room > bestKeeping.room) bestKeeping = c;
    };
    for (int first = 1; first <= 9999; ++first) {
        if (used[size_t(first)]) continue;
        int last = first;
        while (last < 9999 && !used[size_t(last) + 1]) ++last;
        // A counter that goes on from a number in use comes first among equals.
        const Counter up{false, first - 1, last - first + 1};
        const Counter down{true, std::min(last + 1, 9999), std::min(last + 1, 9999) - first};
        if (used[size_t(first) - 1] || last == 9999) {
            consider(up);
            consider(down);
        } else {
            consider(down);
            consider(up);
        }
        first = last;
    }
    const Counter chosen = bestKeeping.room > 0 ? bestKeeping : best;
    app.crusade.KeepEmptyEntries = bestKeeping.room <= 0;
    CrusadeSettings& s = app.settings;
    s.ReservedDirection = chosen.down ? QStringLiteral("DOWN") : QStringLiteral("UP");
    s.ReservedNumber = qint16(std::max(chosen.from, 0));
}

// The nine decision codes in one line, one character each: a blank stands for an empty
// code, so that every later code keeps its place.
QString DecisionCodeLine(const CrusadeSettings& s) {
    QString line;
    for (int i = 1; i <= 9; ++i) {
        const QString& code = s.DecisionCodes[size_t(i)];
        line += code.isEmpty() ? QChar(u' ') : code.at(0);
    }
    return line;
}

// Settings files cut short before their version line come from versions older than 1.1,
// whose data files had no room for baptism dates. Cancel ends the program.
void WarnVeryOldFile(App& app) {
    app.msg.MsgText = QStringLiteral("This file was created with an older version than 1.1") + NewLine +
                      QStringLiteral("The information for baptism date will be lost.") + NewLine +
                      QStringLiteral(
                          "If you want to use this file with the current program, it is suggested you "
                          "do the following.") +
                      NewLine + NewLine + QStringLiteral("  1. Insure you have a backup copy of the data.") + NewLine +
                      QStringLiteral("  2. Print a list of baptisms.") + NewLine +
                      QStringLiteral("  3. If you like you can re-enter the baptism dates into the new file.") +
                      NewLine + NewLine + NewLine +
                      QStringLiteral("Click OK to continue or Cancel if you want to Exit the program.");
    const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::OKCancel, Icon::Critical, kOldDatabaseTitle);
    app.msg.MsgAnswer = QString::number(answer);
    if (answer == AnsCancel) {
        CloseDataFile(app);
        throw ProgramEnd{};
    }
}

// Converts the data file when the version line names an older layout and the data file
// does not already hold current records. Returns false when a conversion failed.
bool ConvertIfOld(App& app, const QString& versionLine, bool headerComplete) {
    const bool layout371 = InfoVersionValue(versionLine) < 2.4;
    const bool layout369 = !layout371 && versionLine < QStringLiteral("version 2.2.0");
    if (!layout371 && !layout369) return true;
    const QString& dataFile = app.program.DataFile;
    if (!QFileInfo(dataFile).isFile() || IsCurrentDataFile(dataFile)) return true;
    if (layout369) return ConvertData22(app);
    if (!headerComplete) WarnVeryOldFile(app);
    if (AskToConvert(app) != AnsOK) {
        CloseDataFile(app);
        throw ProgramEnd{};
    }
    return ConvertOldData(app);
}

// The name a settings file that could not be read is kept under. Its second extension
// keeps it out of the files named by the crusade's base name.
QString KeptInfoFileName(const QString& path) {
    return KeptAsideName(path, QStringLiteral(".unreadable"));
}

// A settings file that could not be read is renamed before it would be overwritten, so
// nothing it held is lost.
void KeepUnreadableInfoFile(App& app, const QString& path) {
    QString& unreadable = app.crusade.UnreadableInfoFile;
    if (unreadable != path) return;
    if (QFileInfo::exists(path)) {
        const QString kept = KeptInfoFileName(path);
        if (!app.files().rename(path, kept).ok())
            throw VbError(err::PathFileAccess, QStringLiteral("The unreadable settings file ") + path +
                                                   QStringLiteral(" could not be kept as ") + kept);
    }
    unreadable.clear();
}

}  // namespace

SequentialTextReader ReadSettingsFile(const QString& path) {
    SequentialTextReader in = SequentialTextReader::fromFile(path);
    if (in.atEnd()) throw VbError(err::PastEndOfFile, QStringLiteral("The file is empty."));
    return in;
}

QString InfoVersionLine() {
    return QStringLiteral("version %1.%2.%3")
        .arg(FENNICK_VERSION_MAJOR)
        .arg(FENNICK_VERSION_MINOR)
        .arg(FENNICK_VERSION_PATCH);
}

double InfoVersionValue(const QString& versionLine) {
    if (versionLine.size() < 9) return 0;
    return Val(Mid(versionLine, 9, 3));
}

int InfoTeamLines(double version) {
    return version > 2.4 ? 40 : 20;
}

QString InfoFileName(const App& app) {
    if (app.program.DataFile.isEmpty()) return QDir(app.program.ProgramDir).filePath(QStringLiteral("unknown"));
    return SideFileName(app.program.DataFile, QStringLiteral("inf"));
}

void ResetCrusadeSettings(App& app) {
    CrusadeSettings fresh;
    fresh.LastMeeting = 1;
    fresh.TeamNames[0] = QStringLiteral("Unassigned:");
    FillAppointmentTables(fresh);
    app.settings = fresh;
}

void SetDefaultInfo(App& app) {
    CrusadeSettings& s = app.settings;
    const char* religions[] = {
        "SDA",      "Baptist",   "Catholic", "Christian",   "ChGod", "NoDenominational", "Episcopal",
        "Lutheran", "Methodist", "NoChurch", "UnSpecified", "Other", "Pentecostal",      "Presbyterian"};
    for (int i = 0; i < 14; ++i) s.ReligionNames[size_t(i) + 1] = QString::fromLatin1(religions[i]);

    const char* ages[] = {"Unknown", "10-19", "20-29", "30-39", "40-49", "50-59", "60-70", "70+"};
    for (int i = 0; i < 8; ++i) s.AgeGroupNames[size_t(i)] = QString::fromLatin1(ages[i]);

    const char* decisions[] = {"Accepts Christ", "Accepts Sabbath", "Keep Sabbath",   "Sabbath Prob", "Baptism",
                               "Tobacco",        "Second Advent",   "Death and Hell", "Unite"};
    const char codes[] = "CSKPBTADU";
    for (int i = 0; i < 9; ++i) {
        s.DecisionNames[size_t(i) + 1] = QString::fromLatin1(decisions[i]);
        s.DecisionCodes[size_t(i) + 1] = QString(QLatin1Char(codes[i]));
    }

    const char* sermons[] = {"Daniel 2",     "Angel Warfare",   "Dragon and Woman", "Israel",        "The Gospel",
                             "Antichrist",   "Creation",        "The Sabbath",      "Law and Grace", "Water and Blood",
                             "Three Angels", "Battle for Mind", "The Lamb",         "The Mark",      "Death",
                             "Rapture",      "Judgment Day",    "Tongues",          "The Church",    "Fall of Babylon",
                             "Last Day",     "Way of Sin",      "Armageddon",       "Family of God"};
    for (int i = 1; i <= 40; ++i) s.SermonTitles[size_t(i)] = i <= 24 ? QString::fromLatin1(sermons[i - 1]) : QString();
}

bool LoadInfoFile(App& app, QString* unreadable) {
    SetDefaultInfo(app);
    app.crusade.UnreadableInfoFile.clear();
    app.crusade.KeepEmptyEntries = false;
    const QString path = InfoFileName(app);
    if (!QFileInfo(path).isFile()) {
        FreshSettings(app);
        ReserveBeyondRecords(app);
        app.msg.MsgText = QStringLiteral(
            "The Crusade information file is missing, Check Prefrences from the file menu to view the current "
            "information.");
        app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Critical);
        return true;
    }

    QString versionLine;
    bool headerComplete = false;
    bool reservedRead = false;
    bool anyLineRead = false;
    try {
        SequentialTextReader in = ReadSettingsFile(path);
        anyLineRead = true;
        headerComplete = ReadInfoHeader(app, in, versionLine, reservedRead);
        ReadInfoBody(app, in, InfoTeamLines(InfoVersionValue(versionLine)));
    } catch (const VbError& e) {
        if (unreadable) {
            *unreadable = e.description();
            return false;
        }
        // Nothing read: the crusade is named after its data file, as without a settings file.
        if (!anyLineRead) FreshSettings(app);
        app.crusade.UnreadableInfoFile = path;
        app.msg.MsgText = QStringLiteral("The crusade settings file ") + path + QStringLiteral(" could not be read:") +
                          NewLine + e.description() + NewLine + NewLine +
                          QStringLiteral("Fennick goes on with default values for the settings it could not read. "
                                         "When the settings are saved, the file is kept as ") +
                          KeptInfoFileName(path) + QStringLiteral(", so nothing it holds is lost.");
        app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Exclamation);
        // Without a version line the data file's layout is known only from the file: one
        // whose records do not read as this version's is offered for conversion (which
        // keeps the original) instead of being opened and repaired as if they did.
        if (!ConvertIfOld(app, versionLine, headerComplete)) return false;
        if (!reservedRead) ReserveBeyondRecords(app);
        return true;
    }
    FillAppointmentTables(app.settings);
    if (!ConvertIfOld(app, versionLine, headerComplete)) return false;
    // A file cut short before its registration lines: the counter comes from the records,
    // read after any conversion.
    if (!reservedRead) ReserveBeyondRecords(app);
    return true;
}

void ReadInfoBody(App& app, SequentialTextReader& in, int teamLines) {
    CrusadeSettings& s = app.settings;
    QString item;
    for (int i = 1; i <= teamLines && i <= 40; ++i) {
        if (!Next(in, item)) continue;
        const QString t = Trim(item);
        s.TeamNames[size_t(i)] = t.isEmpty() || t == u':' ? QStringLiteral("Team # ") + Str(qint64(i)) : item;
    }
    s.TeamNames[0] = QStringLiteral("Unassigned:");

    for (qint16& meeting : s.SabbathMeetings)
        if (Next(in, item) && IsNumeric(item)) meeting = ClampInt16(Val(item), 0, 40);

    for (int i = 1; i <= 8; ++i)
        if (Next(in, item) && !item.isEmpty()) s.DecisionNames[size_t(i)] = item;
    s.DecisionNames[1] = QStringLiteral("Accept Christ");
    s.DecisionNames[2] = QStringLiteral("Accept Sabbath");
    s.DecisionNames[9] = QStringLiteral("Unite with Church");

    for (int i = 1; i <= 15; ++i)
        if (Next(in, item) && !item.isEmpty()) s.ReligionNames[size_t(i)] = item;
    for (int i = 0; i < kIgnoredLines; ++i) Next(in, item);
    s.AgeGroupNames = {QStringLiteral("NIF"),   QStringLiteral("10-19"), QStringLiteral("20-29"),
                       QStringLiteral("30-39"), QStringLiteral("40-49"), QStringLiteral("50-59"),
                       QStringLiteral("60-69"), QStringLiteral("70+")};

    // Decision codes: nine letters in one line, or (older files) one code per line.
    if (Next(in, item) && !item.isEmpty()) s.DecisionCodes[1] = item;
    if (s.DecisionCodes[1].size() < 2) {
        for (int i = 2; i <= 8; ++i)
            if (Next(in, item) && !item.isEmpty()) s.DecisionCodes[size_t(i)] = item;
    } else {
        const QString line = s.DecisionCodes[1];
        for (int i = 1; i <= 9; ++i) s.DecisionCodes[size_t(i)] = Trim(Mid(line, i, 1));
        for (int i = 0; i < kIgnoredLines; ++i) Next(in, item);
    }
    s.DecisionCodes[1] = QStringLiteral("C");
    s.DecisionCodes[2] = QStringLiteral("S");
    s.DecisionCodes[9] = QStringLiteral("U");

    for (int i = 1; i <= 40; ++i)
        if (Next(in, item) && !item.isEmpty()) s.SermonTitles[size_t(i)] = item;

    if (Next(in, item)) {
        const QString t = Trim(item);
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            s.SoundOn = true;
        else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            s.SoundOn = false;
        else if (IsNumeric(t))
            s.SoundOn = Val(t) != 0;
    }
    if (Next(in, item)) s.LastUpdated = item;
}

QByteArray InfoFileBytes(App& app) {
    const CrusadeSettings& s = app.settings;
    SequentialTextWriter out;
    WriteValue(out, s.CanadianZip ? s.CrusadeName + kCanada : s.CrusadeName);
    WriteValue(out, s.CrusadeDate);
    out.text(Str(qint64(s.LastMeeting)));
    out.number(qint64(s.ReservedNumber));
    WriteValue(out, s.ReservedDirection);
    WriteValue(out, s.BackupPath);
    out.number(qint64(s.TotalAttendNum));
    out.number(qint64(s.PrintCutOff));
    out.text(InfoVersionLine());
    for (int i = 1; i <= 40; ++i) WriteValue(out, s.TeamNames[size_t(i)]);
    for (qint16 meeting : s.SabbathMeetings) out.number(qint64(meeting));
    for (int i = 1; i <= 8; ++i) WriteValue(out, s.DecisionNames[size_t(i)]);
    for (int i = 1; i <= 15; ++i) WriteValue(out, s.ReligionNames[size_t(i)]);
    for (int i = 0; i < kIgnoredLines; ++i) out.text(kBlank);
    WriteValue(out, DecisionCodeLine(s));
    for (int i = 0; i < kIgnoredLines; ++i) out.text(kBlank);
    for (int i = 1; i <= 40; ++i) WriteValue(out, s.SermonTitles[size_t(i)]);
    out.flag(s.SoundOn);
    out.text(ShortDate(app.clock().today()));
    return out.data();
}

void SaveInfoFile(App& app) {
    const QByteArray bytes = InfoFileBytes(app);
    const QString path = InfoFileName(app);
    KeepUnreadableInfoFile(app, path);
    const GuardedFiles::OwnSave own(app, {OwnFile::InfoFile});
    WriteWholeFile(app.files(), path, bytes);
}

}  // namespace fennick
