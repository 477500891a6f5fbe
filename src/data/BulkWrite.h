#pragma once
// The record writes of a command that writes many records (a merge, an import, a pass
// over the data file): each write is counted, and the first one that fails or is refused
// stops the command. Its one closing message then says how many records were written,
// names those that were not and why, says whether running the command again is safe, and
// tells each later step of the command that failed (the member list, the zip table, the
// settings file), none of them in a box of its own.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace fennick {

class App;
class VbError;

class BulkWrite {
public:
    // command names the command in the closing message ("Merge Files"); source names it
    // in the common error text of a failed step.
    BulkWrite(App& app, const QString& command, const QString& source);

    // Writes record n (WriteRecord) and counts it; true when it was written. A failure of
    // the file (VbError), a number another live record holds (DuplicateNumber) or a record
    // only kept in memory while the data file's folder is gone stops the command, the
    // record listed with why. A refused write leaves no copy of the record kept (the
    // program keeps of record n what it kept before). Once stopped nothing more is written:
    // each record offered is listed as not reached.
    bool write(qint32 n, const AttendeeRecord& rec);
    // A record the command leaves unwritten because it stopped before it.
    void notReached(const AttendeeRecord& rec);
    // Stops the command for a failure of its own before a record is written (no
    // registration number left to give it): the record is kept with why.
    void stopAt(const AttendeeRecord& rec, const QString& why);

    // Runs a later step of the command; its failure (VbError) is kept for the closing
    // message as the program's common error text and what (a sentence saying what was not
    // done). False when it failed.
    bool step(const QString& what, const std::function<void()>& run);
    // A failure of a later step that the command caught itself, and one whose whole
    // account another part of the program gave (the repair pass).
    void stepFailed(const QString& what, const VbError& e);
    void stepFailed(const QString& told);

    bool stopped() const { return stopped_; }
    // Stopped, or a later step failed.
    bool failed() const { return stopped_ || !steps_.isEmpty(); }
    int written() const { return written_; }

    // The closing message's account of what was not done, to follow the command's own
    // summary: the records written and those not, one a line (ListedEntries), and rerun
    // (whether running the command again is safe) after a stop; then each failed step.
    // Empty when nothing failed.
    QString report(const QString& rerun) const;

private:
    struct NotWritten {
        QByteArray number;
        QByteArray firstName;
        QByteArray lastName;
        QString why;
    };
    void keep(const AttendeeRecord& rec, const QString& why);
    QString holderName(qint32 n);

    App& app_;
    QString command_;
    QString source_;
    int written_ = 0;
    bool stopped_ = false;
    QList<NotWritten> notWritten_;
    QList<QString> steps_;
};

}  // namespace fennick
