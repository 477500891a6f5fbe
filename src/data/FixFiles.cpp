#include "data/FixFiles.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/RecordDisplay.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Navigation.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"
#include "views/ZipRebuild.h"

#include <QHash>
#include <QSet>
#include <QThread>

namespace fennick {

namespace {

// Runs step again after a permission failure (another program holds the file), a
// bounded number of times; the last failure is passed on.
template <typename Step>
auto Retrying(Step&& step) {
    for (int attempt = 1;; ++attempt) {
        try {
            return step();
        } catch (const VbError& e) {
            if (e.number() != err::PermissionDenied || attempt >= kFixAttempts) throw;
        }
        QThread::msleep(kFixRetryPauseMs);
    }
}

// The advisory lock of the data file for the lifetime of the guard; released on every
// path out of the pass.
class DataFileLock {
public:
    explicit DataFileLock(RecordFile& file) : file_(file) {
        if (!file_.isOpen()) throw VbError(52, QStringLiteral("Bad file name or number"));
        heldBefore_ = file_.isLocked();
        Retrying([this] {
            if (!file_.tryLock())
                throw VbError(err::PermissionDenied,
                              QStringLiteral("The data file is in use by another program: ") + file_.path());
            return true;
        });
    }
    ~DataFileLock() {
        if (!heldBefore_) file_.unlock();
    }
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

private:
    RecordFile& file_;
    bool heldBefore_ = false;
};

// An entry whose names and address were never typed, with a number from the range the
// program issues automatically: an abandoned new entry.
bool IsEmptyAutomaticEntry(const AttendeeRecord& rec, const CrusadeSettings& s) {
    if (!IsEmptyEntry(rec)) return false;
    // A number that cannot be read as one lies outside the automatic range.
    if (!IsNumeric(rec.RNum.bytes())) return false;
    const double number = Val(rec.RNum.bytes());
    if (s.ReservedDirection == QLatin1String("DOWN")) return number >= s.ReservedNumber;
    if (s.ReservedDirection == QLatin1String("UP")) return number <= s.ReservedNumber;
    return false;
}

// Attendance repaired night by night over all 40 characters; an empty string gets the
// current last meeting marked. Attend and Last are recounted (Last 0 when no night is
// marked) and lastMeeting follows the highest night seen.
void RepairAttendance(AttendeeRecord& rec, qint16& lastMeeting) {
    if (rec.Attendance.isBlank()) {
        rec.Attendance = OneNightAttendance(lastMeeting);
    }
    RecountAttendance(rec);
    if (rec.Last > lastMeeting) lastMeeting = rec.Last;
}

void RepairTeamAndAge(AttendeeRecord& rec, const CrusadeSettings& s) {
    const QByteArray team = rec.WorkerCode.bytes();
    if (CompareBytes(team, "00") < 0 || CompareBytes(team, "40") > 0) rec.WorkerCode = "00";

    QByteArray age = rec.Age.trimmed();
    if (age.isEmpty() || age == "Unknown") age = "NIF";
    if (age.size() > 5 && age[0] >= '1' && age[0] <= '7') age = Ansi(s.AgeGroupNames[size_t(age[0] - '0')]);
    rec.Age = age;
}

// Decisions repaired position by position: 1..9 hold "-" or the decision's code letter,
// 10..12 are blank.
void RepairDecisions(AttendeeRecord& rec, const CrusadeSettings& s) {
    FixedText<12> d;
    for (int j = 1; j <= 9; ++j) {
        char ch = rec.Decisions.at(j);
        const QByteArray code = Ansi(s.DecisionCodes[size_t(j)]);
        if (ch == ' ')
            ch = '-';
        else if (ch != '-' && !code.isEmpty())
            ch = code.at(0);
        d.setAt(j, ch);
    }
    rec.Decisions = d;
}

// Reads, repairs and writes back every record; the live ones get an entry of the
// alphabetical view. lastMeeting follows the highest night attended.
void RepairRecords(App& app, bool clearCards, qint16& lastMeeting) {
    Crusade& c = app.crusade;
    CrusadeSettings& s = app.settings;
    const bool master = s.CrusadeName == QLatin1String("Master");
    DataFileLock lock(c.file);
    int renumbered = 0;
    for (qint32 i = 1; i <= c.RecCount; ++i) {
        const AttendeeRecord before = Retrying([&] { return ReadRecord(app, i); });
        AttendeeRecord rec = before;
        if (clearCards) rec.CardPrinted = 0;
        if (!rec.isDeleted()) {
            if (!c.KeepEmptyEntries && IsEmptyAutomaticEntry(rec, s)) rec.WorkerCode = "##";
            if (!rec.isDeleted()) {
                if (master) rec.RNum = Ansi(ZeroPad(++renumbered, 4));
                // A view addresses records 1 to 9999 only.
                if (i <= kMaxRecords) AppendEntry(app.view, rec, LName5(rec) + FName2(rec), i);
                RepairAttendance(rec, lastMeeting);
                RepairTeamAndAge(rec, s);
            }
        }
        RepairDecisions(rec, s);
        c.CurRecord = rec;
        if (rec != before) Retrying([&] { WriteRecordUnchecked(app, i, rec); });
    }
}

// Each registration number held by more than one entry is reported once, at its first
// entry. Cancel skips the rest of the reports.
void ReportDuplicateNumbers(App& app) {
    const CurrentView& v = app.view;
    QHash<QByteArray, int> uses;
    for (int i = 1; i <= v.ReportCount; ++i) ++uses[Left(v.ReportIndex[i], 4)];
    QSet<QByteArray> reported;
    for (int i = 1; i <= v.ReportCount; ++i) {
        const QByteArray number = Left(v.ReportIndex[i], 4);
        if (uses.value(number) < 2 || reported.contains(number)) continue;
        reported.insert(number);
        const int answer = app.dialogs().msgBox(
            QStringLiteral("The following record is duplicated: ") + FromAnsi(number) + NewLine +
                QStringLiteral("You should manually remove one of these records after 'Fix Files' is completed."),
            Buttons::OKCancel);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer == AnsCancel) return;
    }
}

// The member list is written, read back, and each line whose number is already held by
// a line kept before it is offered for removal. The list in memory is replaced only when
// the whole file was read and holds the list just written: a save that did not reach the
// disk never changes the list.
void CleanMemberList(App& app) {
    Crusade& c = app.crusade;
    if (c.MemberFileUnreadable) return;
    const QList<QByteArray> written = EntriesToWrite(c.MemberNames, c.MemberCount);
    SaveMembers(app);
    const QString path = SideFileName(app.program.DataFile, QStringLiteral("mem"));
    SequentialTextReader in;
    try {
        in = Retrying([&] { return SequentialTextReader::fromFile(path); });
    } catch (const VbError& e) {
        if (e.number() == err::FileNotFound && written.isEmpty()) return;  // a crusade without church members
        throw;
    }
    QList<QByteArray> lines;
    while (!in.atEnd())
        if (QByteArray line = in.readItemBytes(); !line.isEmpty()) lines.append(std::move(line));
    if (!written.isEmpty() && lines != written)
        throw VbError(err::PathFileAccess,
                      QStringLiteral("The member file ") + path + QStringLiteral(" does not hold the list written to it."));
    QList<QByteArray> kept(1);
    for (const QByteArray& line : lines) {
        const QByteArray number = Left(line, 4);
        bool dropped = false;
        for (qsizetype k = 1; k < kept.size() && !dropped; ++k) {
            if (Left(kept[k], 4) != number) continue;
            app.msg.MsgText = QStringLiteral("The following number is in the SDA Member file two times:") + NewLine +
                              NewLine + FromAnsi(line) + NewLine + FromAnsi(kept[k]) + NewLine + NewLine +
                              QStringLiteral("Do you want to remove ") + FromAnsi(line) + QStringLiteral("?");
            const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Question,
                                                    QStringLiteral("Duplicate Chruch member Name"));
            app.msg.MsgAnswer = QString::number(answer);
            dropped = answer == AnsYes;
        }
        if (!dropped) kept.append(line);
    }
    if (kept.size() - 1 > 32767) throw VbError(err::Overflow, QStringLiteral("The member file holds too many names."));
    c.MemberNames = kept;
    c.MemberCount = qint16(kept.size() - 1);
    SaveMembers(app);
}

void ReportFailure(App& app, const VbError& e) {
    app.msg.MsgText = CommonErrorText(e, kSourceFennick95) + NewLine + NewLine +
                      QStringLiteral("The crusade files were not completely repaired.");
    if (!app.msg.KeepRepairFailure) app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Exclamation);
}

}  // namespace

bool IsEmptyEntry(const AttendeeRecord& rec) {
    return rec.FName.trimmed().isEmpty() && rec.LName.trimmed() == "Unknown" && rec.Address.trimmed().isEmpty();
}

bool FixFiles(App& app) {
    // The pass rewrites the member list and rebuilds the zip table: the windows that show
    // them keep their entries first and close.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    CurrentView& v = app.view;
    const bool clearCards = app.msg.ScratchVar == QLatin1String("ClearFlag");
    // The word asks for one pass only.
    if (clearCards) app.msg.ScratchVar.clear();

    EmptyView(v);
    v.ReportKind = QStringLiteral("alpha");
    v.ReportIndex[0] = "alpha";
    ForgetViewPositions(app);

    // The last meeting is recounted from the records; a pass that fails part way keeps
    // the one the crusade had.
    qint16 lastMeeting = 1;
    try {
        RepairRecords(app, clearCards, lastMeeting);
        app.settings.LastMeeting = lastMeeting;
    } catch (const VbError& e) {
        FinishView(v);
        SortIndex(app);
        ReportFailure(app, e);
        return false;
    }
    FinishView(v);
    ReportDuplicateNumbers(app);
    SortIndex(app);
    try {
        RebuildZipTable(app);
    } catch (const VbError& e) {
        ReportFailure(app, e);
        return false;
    }
    if (!app.crusade.FileIsOpen) return true;

    MoveToRecord(app, 0);
    if (app.hooks.editForm) app.hooks.editForm->setVisible(QStringLiteral("ShowAll"), false);
    if (app.hooks.showAll) app.hooks.showAll();

    try {
        CleanMemberList(app);
    } catch (const VbError& e) {
        ReportFailure(app, e);
        return false;
    }
    return true;
}

}  // namespace fennick
