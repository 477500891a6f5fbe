#include "views/MailViews.h"

#include "data/App.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"
#include "views/ZipRebuild.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace fennick {

namespace {

// 0-based offsets of the pieces that the second passes read.
constexpr int kAddressAt = 4, kAddressWidth = 30;      // characters 5-34
constexpr int kLastNameAt = 34, kLastNameWidth = 20;   // characters 35-54
constexpr int kTeamAt = 74, kTeamWidth = 2;            // characters 75-76
constexpr int kMarkAt = 76;                            // character 77
constexpr int kHouseholdAt = 77, kHouseholdWidth = 4;  // characters 78-81
constexpr int kHouseholdKeyWidth = 10;                 // a household: the first 10 characters of the address

// The same text in both entries at the given 0-based offset (entries too short differ).
bool SameAt(const QByteArray& a, const QByteArray& b, int at, int width) {
    if (a.size() < at + width || b.size() < at + width) return false;
    return std::memcmp(a.constData() + at, b.constData() + at, size_t(width)) == 0;
}

// An address that can be compared: not blank and not "Address Unknown" in any case.
bool HasAddress(const AttendeeRecord& rec) {
    const QByteArray a = rec.Address.trimmed();
    return !a.isEmpty() && !EqualsNoCase(a, QByteArrayLiteral("ADDRESS UNKNOWN"));
}

QByteArray AddressKey(const AttendeeRecord& rec) {
    return JoinKey({ADDRESS(rec), LNAME(rec), FNAME(rec), Team2(rec)});
}

enum class DupMode { All, LastName, Team };

// Keeps, in place and in order, the entries that share an address with their neighbour
// as the mode selects them.
void KeepSharedAddresses(CurrentView& v, DupMode mode) {
    QList<QByteArray>& index = v.ReportIndex;
    const int n = v.ReportCount;
    int out = 0;
    bool inGroup = false;
    auto keep = [&](int k) {
        ++out;
        if (out != k) index[out] = index[k];
    };
    for (int k = 1; k < n; ++k) {
        const QByteArray& a = index[k];
        const QByteArray& b = index[k + 1];
        const bool pair = SameAt(a, b, kAddressAt, kAddressWidth) &&
                          (mode != DupMode::LastName || !SameAt(a, b, kLastNameAt, kLastNameWidth));
        if (!pair) {
            if (inGroup) keep(k);
            inGroup = false;
        } else if (mode != DupMode::Team || !SameAt(a, b, kTeamAt, kTeamWidth)) {
            inGroup = true;
            keep(k);
        }
    }
    if (inGroup) keep(n);
    index.resize(out + 1);
    v.ReportCount = qint16(out);
    v.CurIndexPos = out > 0 ? 1 : 0;
}

// Splits the sorted clean-up entries into households and moves those with no mail label
// or more than one, numbered from 1 without gaps, out of the index; households with one
// label stay where they are. A household may be of any size.
QList<QByteArray> TakeHouseholdsToClean(QList<QByteArray>& index, int count, qint16& familyMax) {
    QList<QByteArray> kept;
    int start = 1;
    while (start <= count) {
        int end = start;
        while (end < count && SameAt(index[start], index[end + 1], kAddressAt, kHouseholdKeyWidth)) ++end;
        int labels = 0;
        for (int k = start; k <= end; ++k) labels += index[k].size() > kMarkAt && index[k][kMarkAt] == 'M';
        if (labels != 1) {
            ++familyMax;
            const QByteArray number = HouseholdKey(familyMax);
            for (int k = start; k <= end; ++k) {
                QByteArray& e = index[k];
                if (e.size() >= kHouseholdAt + kHouseholdWidth) e.replace(kHouseholdAt, kHouseholdWidth, number);
                kept.append(std::move(e));
            }
        }
        start = end + 1;
    }
    return kept;
}

}  // namespace

QByteArray HouseholdKey(int n) {
    return Right(QByteArray("0000") + Ansi(Str(qint64(n))), kHouseholdWidth);
}

QByteArray HouseholdKeyOf(const QByteArray& entry) {
    return entry.size() >= kHouseholdAt + kHouseholdWidth ? entry.mid(kHouseholdAt, kHouseholdWidth) : QByteArray();
}

int HouseholdNumber(const QByteArray& key) {
    int n = 0;
    for (char c : key)
        if (c >= '0' && c <= '9') n = n * 10 + (c - '0');
    return n;
}

QList<QByteArray> HouseholdEntries(const CurrentView& view, const QByteArray& key) {
    QList<QByteArray> family;
    if (key.isEmpty()) return family;
    const int count = std::min<int>(view.ReportCount, int(view.ReportIndex.size()) - 1);
    for (int i = 1; i <= count; ++i)
        if (HouseholdKeyOf(view.ReportIndex[i]) == key) family.append(view.ReportIndex[i]);
    return family;
}

QByteArray Mark5(const AttendeeRecord& rec) {
    return rec.MailList == 1 ? "M0000" : "N0000";
}

QByteArray CleanUpSortPart(const AttendeeRecord& rec, const QByteArray& household) {
    QByteArray part = JoinKey({ADDRESS(rec), LNAME(rec), FNAME(rec), Team2(rec), Mark5(rec)});
    // The part begins after the four characters of the registration number.
    if (household.size() == kHouseholdWidth) part.replace(kHouseholdAt - 4, kHouseholdWidth, household);
    return part;
}

void IndexMailList(App& app) {
    BuildView(app, {.kind = QStringLiteral("mail"),
                    .rule = PrevRule::R,
                    .test = [](const AttendeeRecord& r) { return r.MailList != 0; },
                    .sortPart =
                        [](const AttendeeRecord& r) {
                            return JoinKey({Zip10(r), LNAME(r), FNAME(r)});
                        }});
}

void IndexZip(App& app) {
    const bool canadian = app.settings.CanadianZip;
    BuildView(app, {.kind = QStringLiteral("zip"),
                    .rule = PrevRule::R,
                    .cutOff = true,
                    .sortPart = [canadian](const AttendeeRecord& r) {
                        return JoinKey({ZipKey10(r, canadian), ADDRESS(r), LNAME(r), FNAME(r)});
                    }});
}

void IndexDuplicateAddresses(App& app, const QString& mode) {
    DupMode m = DupMode::All;
    QString kind = QStringLiteral("DupAddress");
    if (mode == QLatin1String("team error")) {
        m = DupMode::Team;
        kind = QStringLiteral("TDupAddress");
    } else if (mode == QLatin1String("last name")) {
        m = DupMode::LastName;
        kind = QStringLiteral("NDupAddress");
    }
    BuildView(app, {.kind = kind, .rule = PrevRule::R, .test = HasAddress, .sortPart = AddressKey});
    KeepSharedAddresses(app.view, m);
}

void IndexCleanMailList(App& app) {
    CurrentView& v = app.view;
    v.FamilyMax = 0;
    BuildView(app, {.kind = QStringLiteral("CleanMailList"),
                    .rule = PrevRule::R,
                    .test = HasAddress,
                    .sortPart = [](const AttendeeRecord& r) { return CleanUpSortPart(r); }});
    const QList<QByteArray> kept = TakeHouseholdsToClean(v.ReportIndex, v.ReportCount, v.FamilyMax);
    if (!kept.isEmpty()) {
        v.ReportIndex.resize(1);
        v.ReportIndex.append(kept);
        v.ReportCount = qint16(kept.size());
        v.CurIndexPos = 1;
        return;
    }
    // Every household has exactly one label: the view falls back to all addressed names
    // (the first pass as it stands, household numbers 0000) under the kind "mail".
    v.CurIndexPos = 0;
    app.dialogs().msgBox(QStringLiteral("There are no addresses with more than one mail label.  The list is clean."));
    v.ReportKind = QStringLiteral("mail");
}

}  // namespace fennick
