#pragma once
// What the commands that bring records in from elsewhere (Merge Attendance Updates, Merge
// Files, Compare, Import from Text File) share: the one list of them, the one test of "the
// same person", the records on file they match against, the numbers they give, their
// writes, the account of what became of each record for their one closing message, and
// the repair pass after them.

#include "data/AttendeeRecord.h"
#include "filetools/CrusadeFileCommands.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace fennick {

class App;
class BulkWrite;
class MainScreen;

// A command that brings records in, as the main window's menu runs it: a row of
// CrusadeFileCommands() that takes records from somewhere.
struct BringInCommand {
    using Source = RecordSource;
    const char* item;  // the menu item ("mnuMerge")
    QString name;      // as the menu and its closing message name it ("Merge Files")
    Source source;
    void (*run)(App& app, MainScreen& form);
};

// Why a record is left out: the same person is on file, or the data file is full.
inline const QString kAlreadyOnFile = QStringLiteral("the same person is already on file");
QString FullFileWhy();

// Every command that brings records in, in the order of the menus.
const QList<BringInCommand>& BringInCommands();

// Whether a and b are one person: the same registration number, not blank (case aside),
// and the same first and last names, blanks around them and case aside (Windows-1252
// letters included).
bool SamePerson(const AttendeeRecord& a, const AttendeeRecord& b);

// The work of one command that brings records in. A record brought in is matched only
// with the live records that were on file when the command began: a record the command
// added is never matched, asked about or written over by a later one. A number the
// command gives is free here and carried by no record it still has to bring in.
class BringingIn {
public:
    // incoming: every record the command is to bring in, in its order (deleted ones are
    // never brought in). Reads the data file's records as the program holds them.
    BringingIn(App& app, BulkWrite& writes, const QList<AttendeeRecord>& incoming);

    // Called as the command comes to each record of incoming, in order: its number is no
    // longer one still to come.
    void reach(const AttendeeRecord& rec);

    // The live record on file when the command began that is rec's person (SamePerson),
    // wherever it stands among the records holding rec's number; 0 when none.
    qint32 samePerson(const AttendeeRecord& rec) const;
    // How many of records the command would add, room allowing: the live ones that are no
    // person on file.
    qint64 newPeople(const QList<AttendeeRecord>& records) const;
    // The first live record on file when the command began that holds rec's number; 0
    // when none does or rec has none.
    qint32 holder(const AttendeeRecord& rec) const;
    // Record n of the file as the command found it, or as it updated it.
    const AttendeeRecord& record(qint32 n) const { return records_[n - 1]; }
    // Whether rec takes a new number when it is added: it has none, or a live record
    // holds its number (one on file, one added by the command, one kept while the
    // crusade's folder is gone).
    bool needsNumber(const AttendeeRecord& rec) const;
    // The data file holds the most records a view can address.
    bool full() const;

    // Writes rec over record n, counted as updated. False when it was not written (writes
    // tells why).
    bool update(qint32 n, const AttendeeRecord& rec);
    // Appends rec as the new last record, with its entry after the current view's last
    // one when withEntry, under the next number (GiveNextNumber) when it needs one. Counted
    // as added; false when it was not written or no number was left to give it (writes
    // tells why), the number drawn for it then not kept.
    bool append(const AttendeeRecord& rec, bool withEntry);
    // Whether the command stopped (BulkWrite::stopped), and a record it did not reach.
    bool stopped() const;
    void notReached(const AttendeeRecord& rec);
    // A record left out, and why ("deleted"); an entry of the list as it stands.
    void leaveOut(const AttendeeRecord& rec, const QString& why);
    void leaveOut(const QString& entry);
    // After the last record: the numbers drawn are written to the settings file (a
    // failure kept by writes).
    void finish();

    int updated() const { return updated_; }
    int added() const { return int(added_.size()); }
    int renumbered() const { return renumbered_; }
    int leftOut() const { return int(leftOut_.size()); }
    // For the rerun advice of a command that offers the records it brings in: "Only the 2
    // records added under a new number are offered again." after a line break; empty when
    // none was.
    QString offeredAgain() const;

    // The one closing message: opening (may be empty), how many records were updated
    // (when countUpdates) and added, each added one with its number, those left out with
    // why, each of notes, then what writes tells of a stop and of the later steps that
    // failed, and rerun (whether running the command again is safe).
    QString closing(const QString& opening, bool countUpdates, const QStringList& notes, const QString& rerun) const;

private:
    App& app_;
    BulkWrite& writes_;
    QList<AttendeeRecord> records_;  // the data file's, then those appended
    // A number's key -> the live records on file when the command began that hold it.
    QHash<quint64, QList<qint32>> byNumber_;
    // A number's key -> the first live record of records_ that holds it, those appended
    // included: whom the closing message names as holding a number.
    QHash<quint64, qint32> firstHolder_;
    QHash<quint64, int> toCome_;  // numbers of the records still to come, and how many carry each
    qint16 reservedBefore_ = 0;
    int updated_ = 0;
    int renumbered_ = 0;
    QStringList added_;
    QStringList leftOut_;
};

// Gives rec the next free registration number, stepped in memory (StepRegNumber), passing
// over the numbers toCome counts. When no number is left the command stops at rec through
// writes, with why, and false is returned.
bool GiveNextNumber(App& app, BulkWrite& writes, AttendeeRecord& rec, const QHash<quint64, int>& toCome);

// After records were added: the repair pass (app.hooks.fixFiles when set), then the
// alphabetical view with its current record shown on form, under the hourglass; a failure
// of either is kept by writes, the pass's own account of it included. True when the
// repair pass ran to its end.
bool RepairAndShowAlphabetical(App& app, BulkWrite& writes, MainScreen& form);

}  // namespace fennick
