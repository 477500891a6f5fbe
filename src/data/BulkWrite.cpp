#include "data/BulkWrite.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/ListedEntries.h"
#include "data/Text.h"

#include <QStringList>

#include <optional>

namespace fennick {

namespace {

QString Names(const QByteArray& lastName, const QByteArray& firstName) {
    return FromAnsi(lastName) + QStringLiteral(", ") + FromAnsi(firstName);
}

}  // namespace

BulkWrite::BulkWrite(App& app, const QString& command, const QString& source)
    : app_(app), command_(command), source_(source) {}

bool BulkWrite::write(qint32 n, const AttendeeRecord& rec) {
    if (stopped_) {
        notReached(rec);
        return false;
    }
    RecordFile& file = app_.crusade.file;
    const std::optional<QByteArray> keptBefore = file.kept(n);
    bool reached = false;
    try {
        reached = WriteRecord(app_, n, rec);
    } catch (const DuplicateNumber& e) {
        stopAt(rec, QStringLiteral("its number is held by ") + holderName(e.holder));
        return false;
    } catch (const VbError& e) {
        // The closing message tells the record as not written: the program keeps no copy
        // of it either (a refusal while the folder is gone would), so that no later run
        // finds its number held by a record that is on no disk.
        file.putBackKept(n, keptBefore);
        stopAt(rec, e.description());
        return false;
    }
    // While the data file is not at its path, a record as the program already holds it is
    // not refused again, but it reaches no file there either (a refused write of it may be
    // kept to be saved elsewhere): it is not counted as written.
    if (!reached) {
        stopAt(rec, file.whatWasLost() + (file.kept(n) ? QStringLiteral(" It is kept to be saved elsewhere.")
                                                       : QStringLiteral(" Nothing more is written there.")));
        return false;
    }
    ++written_;
    return true;
}

void BulkWrite::notReached(const AttendeeRecord& rec) {
    keep(rec, QStringLiteral("not reached"));
}

void BulkWrite::stopAt(const AttendeeRecord& rec, const QString& why) {
    stopped_ = true;
    keep(rec, why);
}

bool BulkWrite::step(const QString& what, const std::function<void()>& run) {
    try {
        run();
        return true;
    } catch (const VbError& e) {
        stepFailed(what, e);
        return false;
    }
}

void BulkWrite::stepFailed(const QString& what, const VbError& e) {
    stepFailed(CommonErrorText(e, source_) + NewLine + what);
}

void BulkWrite::stepFailed(const QString& told) {
    steps_.append(told);
}

QString BulkWrite::report(const QString& rerun) const {
    QStringList parts;
    if (stopped_) {
        const qsizetype left = notWritten_.size();
        QStringList lines;
        for (const NotWritten& r : notWritten_)
            lines << FromAnsi(r.number) + QStringLiteral("  ") + Names(r.lastName, r.firstName) + QStringLiteral(": ") +
                         r.why;
        QString text = command_ + QStringLiteral(" stopped part way: ") +
                       (written_ == 1 ? QStringLiteral("1 record was written")
                                      : QStringLiteral("%1 records were written").arg(written_)) +
                       (left == 1 ? QStringLiteral(" and 1 was not:") : QStringLiteral(" and %1 were not:").arg(left)) +
                       ListedEntries(lines);
        if (!rerun.isEmpty()) text += NewLine + NewLine + rerun;
        parts << text;
    }
    parts << steps_;
    return parts.join(NewLine + NewLine);
}

void BulkWrite::keep(const AttendeeRecord& rec, const QString& why) {
    notWritten_.append({rec.RNum.bytes(), rec.FName.trimmed(), rec.LName.trimmed(), why});
}

// Record n, holding a number, by its place and names: a name added whose writing was
// refused while the data file's folder was gone holds it past the file's records.
QString BulkWrite::holderName(qint32 n) {
    const QString place = QStringLiteral("record ") + QString::number(n);
    const auto& kept = app_.crusade.file.unwritten();
    const auto aside = kept.constFind(n);
    try {
        const AttendeeRecord holder =
            aside != kept.cend() ? AttendeeRecord::decode(aside->constData()) : ReadRecord(app_, n);
        return place + QStringLiteral(" (") + Names(holder.LName.trimmed(), holder.FName.trimmed()) +
               QStringLiteral(")");
    } catch (const VbError&) {
        return place;
    }
}

}  // namespace fennick
