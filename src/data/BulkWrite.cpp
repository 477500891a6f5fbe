#include "data/BulkWrite.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Text.h"

#include <QStringList>

#include <algorithm>

namespace fennick {

namespace {

// The records not written that the message names one by one: with them it still fits on
// the screen.
constexpr qsizetype kListed = 20;

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
    try {
        WriteRecord(app_, n, rec);
    } catch (const DuplicateNumber& e) {
        stopAt(rec, QStringLiteral("its number is held by ") + heldBy(e.heldBy));
        return false;
    } catch (const VbError& e) {
        stopAt(rec, e.description());
        return false;
    }
    // A record whose refused write already held these bytes, while the data file's folder is
    // gone, is not refused again, but it is not in the file either.
    if (app_.crusade.file.held(n)) {
        stopAt(rec, app_.crusade.file.whatWasLost() + QStringLiteral(" It is kept to be saved elsewhere."));
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
    steps_.append(CommonErrorText(e, source_) + NewLine + what);
}

QString BulkWrite::report(const QString& rerun) const {
    QStringList parts;
    if (stopped_) {
        const qsizetype left = notWritten_.size();
        QString text = command_ + QStringLiteral(" stopped part way: ") +
                       (written_ == 1 ? QStringLiteral("1 record was written")
                                      : QStringLiteral("%1 records were written").arg(written_)) +
                       (left == 1 ? QStringLiteral(" and 1 was not:") : QStringLiteral(" and %1 were not:").arg(left));
        for (qsizetype i = 0; i < std::min(left, kListed); ++i) {
            const NotWritten& r = notWritten_[i];
            text += NewLine + FromAnsi(r.number) + QStringLiteral("  ") + Names(r.lastName, r.firstName) +
                    QStringLiteral(": ") + r.why;
        }
        if (left > kListed) text += NewLine + QStringLiteral("and %1 more.").arg(left - kListed);
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
QString BulkWrite::heldBy(qint32 n) {
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
