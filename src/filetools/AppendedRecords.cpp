#include "filetools/AppendedRecords.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/FixFiles.h"
#include "data/InfoFile.h"
#include "data/ListedEntries.h"
#include "data/Messages.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "platform/Busy.h"
#include "views/Indexes.h"

#include <algorithm>

namespace fennick {

namespace {

// A registration number as records are matched by it: its four characters upper-cased,
// packed into a whole number (a cheap key for the tables of a command over thousands of
// records); 0 for a record without a number.
quint64 NumberKey(QByteArrayView number) {
    if (std::all_of(number.begin(), number.end(), [](char c) { return c == ' '; })) return 0;
    quint64 key = 1;
    for (const char c : number) key = key << 8 | static_cast<unsigned char>(AnsiUpper(c));
    return key;
}
quint64 NumberKey(const AttendeeRecord& r) {
    return NumberKey(r.RNum.view());
}

// A field's text without the blanks around it, not copied.
QByteArrayView Trimmed(QByteArrayView v) {
    while (!v.empty() && v.front() == ' ') v = v.sliced(1);
    while (!v.empty() && v.back() == ' ') v.chop(1);
    return v;
}

// Two texts alike letter for letter, case aside (Windows-1252 letters included). The
// same-person test runs for every record a command brings in, so nothing is copied.
bool SameLetters(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (AnsiUpper(a[i]) != AnsiUpper(b[i])) return false;
    return true;
}

// "0042  Door, Bob"
QString Listed(const QByteArray& number, const AttendeeRecord& r) {
    return FromAnsi(number) + QStringLiteral("  ") + FromAnsi(r.LName.trimmed()) + QStringLiteral(", ") +
           FromAnsi(r.FName.trimmed());
}

// "No record was updated." / "1 record was added:" / "3 records were added:", with the
// list that follows.
QString Count(int n, const QString& done, const QStringList& list = {}) {
    if (n == 0) return QStringLiteral("No record was ") + done + QStringLiteral(".");
    return (n == 1 ? QStringLiteral("1 record was ") : QStringLiteral("%1 records were ").arg(n)) + done +
           (list.isEmpty() ? QStringLiteral(".") : QStringLiteral(":") + ListedEntries(list));
}

// While it lives, the repair pass leaves how it failed in MsgText without a box of its own.
class KeptRepairFailure {
public:
    explicit KeptRepairFailure(Messages& msg) : msg_(msg), before_(msg.KeepRepairFailure) {
        msg_.KeepRepairFailure = true;
    }
    ~KeptRepairFailure() { msg_.KeepRepairFailure = before_; }
    KeptRepairFailure(const KeptRepairFailure&) = delete;
    KeptRepairFailure& operator=(const KeptRepairFailure&) = delete;

private:
    Messages& msg_;
    bool before_;
};

}  // namespace

const QList<BringInCommand>& BringInCommands() {
    static const QList<BringInCommand> commands = [] {
        QList<BringInCommand> list;
        for (const CrusadeFileCommand& c : CrusadeFileCommands())
            if (c.bringsIn != RecordSource::None) list.append({c.item, CommandCaption(c), c.bringsIn, c.run});
        return list;
    }();
    return commands;
}

QString FullFileWhy() {
    return QStringLiteral("the data file holds %1 records, the most Fennick can keep").arg(kMaxRecords);
}

bool SamePerson(const AttendeeRecord& a, const AttendeeRecord& b) {
    return !a.RNum.isBlank() && SameLetters(a.RNum.view(), b.RNum.view()) &&
           SameLetters(Trimmed(a.FName.view()), Trimmed(b.FName.view())) &&
           SameLetters(Trimmed(a.LName.view()), Trimmed(b.LName.view()));
}

BringingIn::BringingIn(App& app, BulkWrite& writes, const QList<AttendeeRecord>& incoming)
    : app_(app), writes_(writes), records_(ReadAllRecords(app)), reservedBefore_(app.settings.ReservedNumber) {
    byNumber_.reserve(records_.size());
    firstHolder_.reserve(records_.size() + incoming.size());
    toCome_.reserve(incoming.size());
    for (qint32 i = 0; i < records_.size(); ++i) {
        const quint64 number = NumberKey(records_[i]);
        if (records_[i].isDeleted() || number == 0) continue;
        byNumber_[number].append(i + 1);
        if (!firstHolder_.contains(number)) firstHolder_.insert(number, i + 1);
    }
    for (const AttendeeRecord& r : incoming)
        if (!r.isDeleted() && NumberKey(r) != 0) ++toCome_[NumberKey(r)];
}

void BringingIn::reach(const AttendeeRecord& rec) {
    const auto it = toCome_.find(NumberKey(rec));
    if (it != toCome_.end() && --*it == 0) toCome_.erase(it);
}

qint32 BringingIn::samePerson(const AttendeeRecord& rec) const {
    const auto holders = byNumber_.constFind(NumberKey(rec));
    if (holders == byNumber_.cend()) return 0;
    for (const qint32 n : *holders)
        if (SamePerson(rec, records_[n - 1])) return n;
    return 0;
}

qint64 BringingIn::newPeople(const QList<AttendeeRecord>& records) const {
    return std::count_if(records.cbegin(), records.cend(),
                         [this](const AttendeeRecord& r) { return !r.isDeleted() && samePerson(r) == 0; });
}

qint32 BringingIn::holder(const AttendeeRecord& rec) const {
    return byNumber_.value(NumberKey(rec)).value(0);
}

bool BringingIn::needsNumber(const AttendeeRecord& rec) const {
    return NumberKey(rec) == 0 || RegNumberOnFile(app_, rec.RNum.bytes());
}

bool BringingIn::full() const {
    return app_.crusade.RecCount >= kMaxRecords;
}

bool BringingIn::update(qint32 n, const AttendeeRecord& rec) {
    if (!writes_.write(n, rec)) return false;
    records_[n - 1] = rec;
    ++updated_;
    return true;
}

bool BringingIn::append(const AttendeeRecord& theirs, bool withEntry) {
    const qint32 n = app_.crusade.RecCount + 1;
    // A name added whose writing was refused while the crusade's folder was gone is kept
    // there: it is not written over.
    if (app_.crusade.file.kept(n)) {
        writes_.stopAt(theirs, QStringLiteral("record %1, after the last, holds a name not written while the crusade's "
                                              "folder was gone: save that name first")
                                   .arg(n));
        return false;
    }
    AttendeeRecord rec = theirs;
    const qint16 reserved = app_.settings.ReservedNumber;
    // Who holds its number, for the closing message, before it is given another.
    QString why;
    if (NumberKey(theirs) == 0) {
        why = QStringLiteral(": it had no number");
    } else if (needsNumber(theirs)) {
        why = QStringLiteral(": its own number\u00A0") + FromAnsi(theirs.RNum.bytes()) + QStringLiteral(" is held by ");
        const qint32 at = firstHolder_.value(NumberKey(theirs));
        why += at ? FromAnsi(record(at).LName.trimmed()) + QStringLiteral(", ") + FromAnsi(record(at).FName.trimmed())
                  : QStringLiteral("a name kept while the crusade's folder was gone");
    }
    if (!why.isEmpty() && !GiveNextNumber(app_, writes_, rec, toCome_)) return false;
    if (!writes_.write(n, rec)) {
        // No record holds the number drawn: the next run may give it.
        app_.settings.ReservedNumber = reserved;
        return false;
    }
    if (withEntry) {
        CurrentView& v = app_.view;
        v.ReportIndex.resize(v.ReportCount + 1);
        AppendEntry(v, rec, LName5(rec) + FName2(rec), n);
        v.ReportCount = qint16(v.ReportIndex.size() - 1);
    }
    records_.append(rec);
    if (const quint64 number = NumberKey(rec); number != 0 && !firstHolder_.contains(number))
        firstHolder_.insert(number, qint32(records_.size()));
    added_ << Listed(rec.RNum.bytes(), rec) + why;
    if (!why.isEmpty()) ++renumbered_;
    return true;
}

bool BringingIn::stopped() const {
    return writes_.stopped();
}

void BringingIn::notReached(const AttendeeRecord& rec) {
    writes_.notReached(rec);
}

void BringingIn::leaveOut(const AttendeeRecord& rec, const QString& why) {
    leaveOut(Listed(rec.RNum.bytes(), rec) + QStringLiteral(": ") + why);
}

void BringingIn::leaveOut(const QString& entry) {
    leftOut_ << entry;
}

void BringingIn::finish() {
    writes_.step(QStringLiteral("The registration numbers given could not be kept in the settings file."), [&] {
        if (app_.settings.ReservedNumber != reservedBefore_) SaveInfoFile(app_);
    });
}

QString BringingIn::offeredAgain() const {
    if (renumbered_ == 0) return QString();
    return NewLine +
           (renumbered_ == 1
                ? QStringLiteral("Only the 1 record added under a new number is offered again.")
                : QStringLiteral("Only the %1 records added under a new number are offered again.").arg(renumbered_));
}

QString BringingIn::closing(const QString& opening, bool countUpdates, const QStringList& notes,
                            const QString& rerun) const {
    QStringList parts;
    if (!opening.isEmpty()) parts << opening;
    const QString added = Count(int(added_.size()), QStringLiteral("added"), added_);
    parts << (countUpdates ? Count(updated_, QStringLiteral("updated")) + NewLine + added : added);
    if (!leftOut_.isEmpty()) parts << Count(int(leftOut_.size()), QStringLiteral("left out"), leftOut_);
    parts << notes;
    if (const QString report = writes_.report(QString()); !report.isEmpty()) parts << report;
    QString advice = rerun;
    if (full())
        advice += (advice.isEmpty() ? QString() : NewLine) +
                  QStringLiteral(
                      "Until the data file has room, running it again adds none of the records left out because it "
                      "is full.");
    parts << advice;
    parts.removeAll(QString());
    return parts.join(NewLine + NewLine);
}

bool GiveNextNumber(App& app, BulkWrite& writes, AttendeeRecord& rec, const QHash<quint64, int>& toCome) {
    QString why;
    const QByteArray number =
        StepRegNumber(app, &why, [&toCome](const QByteArray& n) { return toCome.contains(NumberKey(n)); });
    if (number.isEmpty()) {
        writes.stopAt(rec, why.replace(NewLine, QStringLiteral(" ")));
        return false;
    }
    rec.RNum = number;
    return true;
}

bool RepairAndShowAlphabetical(App& app, BulkWrite& writes, MainScreen& form) {
    BusyGuard busy(app.platform.busy);
    bool repaired = false;
    // How the pass failed goes into the command's one closing message.
    app.msg.MsgText.clear();
    bool ran = false;
    {
        const KeptRepairFailure kept(app.msg);
        ran = writes.step(QStringLiteral("The repair pass did not run to its end."),
                          [&] { repaired = app.hooks.fixFiles ? app.hooks.fixFiles() : FixFiles(app); });
    }
    if (ran && !repaired)
        writes.stepFailed(app.msg.MsgText.isEmpty() ? QStringLiteral("The repair pass did not run to its end.")
                                                    : app.msg.MsgText);
    writes.step(QStringLiteral("The main window could not show the names."), [&] {
        IndexAlpha(app);
        ShowCurrentRecord(app, form);
    });
    return repaired;
}

}  // namespace fennick
