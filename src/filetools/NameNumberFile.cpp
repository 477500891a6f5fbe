#include "filetools/NameNumberFile.h"

#include "data/App.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "filetools/ExportWriter.h"
#include "views/Indexes.h"

#include <algorithm>
#include <cstring>

namespace fennick {

namespace {

constexpr int kNumberWidth = 4;
constexpr int kNameWidth = 15;
constexpr int kEntryWidth = kNumberWidth + 2 * kNameWidth;

QByteArray NumberOf(const QByteArray& entry) {
    return Trim(entry.left(kNumberWidth));
}
QByteArray LastNameOf(const QByteArray& entry) {
    return Trim(entry.mid(kNumberWidth, kNameWidth));
}
QByteArray FirstNameOf(const QByteArray& entry) {
    return Trim(entry.mid(kNumberWidth + kNameWidth, kNameWidth));
}

// Two entries name the same person when first and last name are both equal; the names
// are compared apart, so that "Ann" "Lee" and "An" "nLee" differ.
bool SameName(const QByteArray& a, const QByteArray& b) {
    return FirstNameOf(a) == FirstNameOf(b) && LastNameOf(a) == LastNameOf(b);
}

// Name order: the entry less its number, by byte code (last name, then first name).
bool NameBefore(const QByteArray& a, const QByteArray& b) {
    return std::memcmp(a.constData() + kNumberWidth, b.constData() + kNumberWidth, kEntryWidth - kNumberWidth) < 0;
}

}  // namespace

QByteArray NameNumberEntry(const QByteArray& rnum, const QByteArray& lastName, const QByteArray& firstName) {
    return PadLeft(Trim(rnum), kNumberWidth) + PadRight(Trim(lastName), kNameWidth) +
           PadRight(Trim(firstName), kNameWidth);
}

QList<QByteArray> NameNumberList(App& app, bool withMembers) {
    QList<QByteArray> list;
    const Crusade& c = app.crusade;
    if (withMembers) {
        for (int i = 1; i <= c.MemberCount && i < c.MemberNames.size(); ++i) {
            const QByteArray member = Fixed(c.MemberNames[i], kEntryWidth);
            list.append(NameNumberEntry(member.left(kNumberWidth), member.mid(kNumberWidth, kNameWidth),
                                        member.mid(kNumberWidth + kNameWidth, kNameWidth)));
        }
    }
    ScanLiveRecords(app, [&](const AttendeeRecord& r, qint32) {
        list.append(NameNumberEntry(r.RNum.bytes(), r.LName.bytes(), r.FName.bytes()));
    });
    // memcmp over the fixed width compares unsigned bytes, the byte-code order of the views.
    std::stable_sort(list.begin(), list.end(), NameBefore);
    return list;
}

QList<QByteArray> RepeatedNames(const QList<QByteArray>& sorted) {
    QList<QByteArray> out;
    const qsizetype n = sorted.size();
    for (qsizetype i = 0; i < n; ++i) {
        const bool asBefore = i > 0 && SameName(sorted[i], sorted[i - 1]);
        const bool asAfter = i + 1 < n && SameName(sorted[i], sorted[i + 1]);
        if (asBefore || asAfter) out.append(sorted[i]);
    }
    return out;
}

QByteArray NameNumberFile(const QList<QByteArray>& entries) {
    ExportWriter file(ExportWriter::Separator::Tab);
    file.field("Reg Number").field("FName").field("LName").endLine();
    for (const QByteArray& e : entries) file.field(NumberOf(e)).field(FirstNameOf(e)).field(LastNameOf(e)).endLine();
    return file.take();
}

}  // namespace fennick
