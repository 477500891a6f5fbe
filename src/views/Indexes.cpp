#include "views/Indexes.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "platform/Busy.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace fennick {

namespace {

const QString kAlpha = QStringLiteral("alpha");

// The first n characters of a field (all of it when shorter), optionally upper-cased.
template <int N>
QByteArray LeftOf(const FixedText<N>& f, int n, bool upper) {
    std::array<char, N> raw;
    f.copyTo(raw.data());
    QByteArray out(raw.data(), std::min(n, N));
    if (upper) {
        // The upper-case form of every byte, looked up rather than worked out per character.
        static const std::array<char, 256> kUpper = [] {
            std::array<char, 256> t{};
            for (int b = 0; b < 256; ++b) t[size_t(b)] = AnsiUpper(char(b));
            return t;
        }();
        for (char& c : out) c = kUpper[quint8(c)];
    }
    return out;
}

template <int N>
QByteArray UpperLeft(const FixedText<N>& f, int n) {
    return LeftOf(f, n, true);
}

// Compares the last l characters of two entries by byte code (all of an entry that is
// shorter than l).
int CompareTail(const QByteArray& a, const QByteArray& b, qsizetype l) {
    const qsizetype la = std::min(l, a.size());
    const qsizetype lb = std::min(l, b.size());
    const int r =
        std::memcmp(a.constData() + (a.size() - la), b.constData() + (b.size() - lb), size_t(std::min(la, lb)));
    if (r != 0) return r;
    return la == lb ? 0 : (la < lb ? -1 : 1);
}

// The first 8 * W compared characters of an entry as W numbers (big-endian, zero
// filled): two entries whose heads differ compare as their heads do, so most
// comparisons need no look at the entries themselves.
template <int W>
using SortHead = std::array<quint64, W>;

template <int W>
SortHead<W> Head(const QByteArray& e, qsizetype l) {
    const qsizetype len = std::min(l, e.size());
    const char* p = e.constData() + (e.size() - len);
    SortHead<W> head{};
    for (qsizetype k = 0; k < 8 * W; ++k)
        head[size_t(k / 8)] = (head[size_t(k / 8)] << 8) | (k < len ? quint8(p[k]) : 0u);
    return head;
}

// The comb sort over entries 1 to n, comparing the last l characters of each. The heads
// travel with their entries.
template <int W>
void CombSort(QByteArray* e, int n, qsizetype l, SortOrder order) {
    std::vector<SortHead<W>> head(size_t(n) + 1);
    for (int i = 1; i <= n; ++i) head[size_t(i)] = Head<W>(e[i], l);
    auto compare = [&](int i, int j) {
        if (head[size_t(i)] != head[size_t(j)]) return head[size_t(i)] < head[size_t(j)] ? -1 : 1;
        return CompareTail(e[i], e[j], l);
    };
    const int sign = order == SortOrder::Ascending ? 1 : -1;
    int gap = n;
    bool swapped = false;
    do {
        gap = NextCombGap(gap);
        swapped = false;
        for (int i = 1; i <= n - gap; ++i) {
            if (sign * compare(i, i + gap) > 0) {
                e[i].swap(e[i + gap]);
                std::swap(head[size_t(i)], head[size_t(i + gap)]);
                swapped = true;
            }
        }
    } while (gap > 1 || swapped);
}

// Sorts entries 1 to n with heads just long enough for the compared part (at most 32).
void CombSort(QList<QByteArray>& index, int n, qsizetype l, SortOrder order) {
    if (n <= 1) return;
    QByteArray* e = index.data();  // without a detach check per access
    switch (std::clamp<qsizetype>((l + 7) / 8, 1, 4)) {
        case 1:
            return CombSort<1>(e, n, l, order);
        case 2:
            return CombSort<2>(e, n, l, order);
        case 3:
            return CombSort<3>(e, n, l, order);
        default:
            return CombSort<4>(e, n, l, order);
    }
}

void SortView(App& app, SortOrder order) {
    CurrentView& v = app.view;
    const int n = std::min<int>(v.ReportCount, int(v.ReportIndex.size()) - 1);
    if (n <= 0) return;
    BusyGuard busy(app.platform.busy);
    const bool whole = order == SortOrder::Ascending && v.ReportKind == QLatin1String("byNum");
    const qsizetype l = std::max<qsizetype>(0, v.ReportIndex[1].size() - (whole ? 0 : 4));
    CombSort(v.ReportIndex, n, l, order);
}

}  // namespace

void UpdatePrevReportKind(CurrentView& view, PrevRule rule) {
    switch (rule) {
        case PrevRule::Always:
            view.PrevReportKind = view.ReportKind;
            break;
        case PrevRule::R:
            if (view.ReportKind != kAlpha) view.PrevReportKind = view.ReportKind;
            break;
        case PrevRule::P:
            if (view.PrevReportKind != kAlpha) view.PrevReportKind = view.ReportKind;
            break;
        case PrevRule::None:
            break;
    }
}

void EmptyView(CurrentView& view) {
    view.clear();
}

namespace {

// Appends the record number right-aligned in four characters.
void AppendNumber4(QByteArray& out, qint32 r) {
    if (r < 0 || r > 9999) {
        out.append(QByteArray::number(r).right(4));
        return;
    }
    char digits[4] = {' ', ' ', ' ', ' '};
    int i = 3;
    do {
        digits[i--] = char('0' + r % 10);
        r /= 10;
    } while (r > 0);
    out.append(digits, 4);
}

}  // namespace

QByteArray RecordNumber4(qint32 r) {
    QByteArray out;
    AppendNumber4(out, r);
    return out;
}

void AppendEntry(CurrentView& view, const AttendeeRecord& rec, const QByteArray& sortPart, qint32 r) {
    if (view.ReportIndex.size() > kMaxViewEntries) return;
    char rnum[4];
    rec.RNum.copyTo(rnum);
    QByteArray entry;
    entry.reserve(8 + sortPart.size());
    entry.append(rnum, 4).append(sortPart);
    AppendNumber4(entry, r);
    view.ReportIndex.append(std::move(entry));
}

void FinishView(CurrentView& view) {
    view.ReportCount = qint16(std::min<qsizetype>(view.ReportIndex.size() - 1, kMaxViewEntries));
    view.CurIndexPos = view.ReportCount > 0 ? 1 : 0;
}

void ScanRecords(App& app, const RecordVisitor& visit) {
    Crusade& c = app.crusade;
    if (c.RecCount <= 0) return;
    const QByteArray all = c.file.readAll();
    const qint32 n = std::min({c.RecCount, qint32(all.size() / Crusade::RecLen), kMaxRecords});
    if (n <= 0) return;
    AttendeeRecord rec;
    for (qint32 r = 1; r <= n; ++r) {
        rec = AttendeeRecord::decode(all.constData() + qsizetype(r - 1) * Crusade::RecLen);
        visit(rec, r);
    }
}

void ScanLiveRecords(App& app, const RecordVisitor& visit) {
    ScanRecords(app, [&](const AttendeeRecord& rec, qint32 r) {
        if (!rec.isDeleted()) visit(rec, r);
    });
}

bool AfterCutOff(const App& app, const AttendeeRecord& rec) {
    return rec.Last > app.settings.PrintCutOff;
}

int AttendCount(const AttendeeRecord& rec) {
    const char a = rec.Attend.at(1);
    const char b = rec.Attend.at(2);
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (digit(a) && digit(b)) return (a - '0') * 10 + (b - '0');
    if (digit(a) && b == ' ') return a - '0';
    if (a == ' ' && digit(b)) return b - '0';
    return int(Val(rec.Attend.bytes()));
}

// --- Key pieces ---------------------------------------------------------------------------

QByteArray LName5(const AttendeeRecord& r) {
    return UpperLeft(r.LName, 5);
}
QByteArray FName2(const AttendeeRecord& r) {
    return UpperLeft(r.FName, 2);
}
QByteArray LNAME(const AttendeeRecord& r) {
    return UpperLeft(r.LName, 20);
}
QByteArray LName20(const AttendeeRecord& r) {
    return r.LName.bytes();
}
QByteArray FName3(const AttendeeRecord& r) {
    return LeftOf(r.FName, 3, false);
}
QByteArray FNAME3(const AttendeeRecord& r) {
    return UpperLeft(r.FName, 3);
}
QByteArray FNAME(const AttendeeRecord& r) {
    return UpperLeft(r.FName, 20);
}

QByteArray Latest3(const AttendeeRecord& r) {
    // Last is clamped so that a damaged value still gives three digits.
    const int last = std::clamp<int>(r.Last, 0, 9999);
    const int v = (9999 - last) % 1000;
    const char digits[3] = {char('0' + v / 100), char('0' + v / 10 % 10), char('0' + v % 10)};
    return QByteArray(digits, 3);
}

QByteArray Count2(const AttendeeRecord& r) {
    if (r.Attend.at(2) == ' ') return QByteArray(1, '0') + r.Attend.at(1);
    return r.Attend.bytes();
}

QByteArray Team2(const AttendeeRecord& r) {
    return r.WorkerCode.bytes();
}
QByteArray Level1(const AttendeeRecord& r) {
    return r.IntLevel.bytes();
}
QByteArray Zip10(const AttendeeRecord& r) {
    return r.Zip.bytes();
}
QByteArray Age10(const AttendeeRecord& r) {
    return r.Age.bytes();
}
QByteArray Rel20(const AttendeeRecord& r) {
    return r.RelPref.bytes();
}
QByteArray Map8(const AttendeeRecord& r) {
    return r.MapCode.bytes();
}
QByteArray Bapt8(const AttendeeRecord& r) {
    return r.BaptDate.bytes();
}
QByteArray ADDRESS(const AttendeeRecord& r) {
    return UpperLeft(r.Address, 30);
}

QByteArray JoinKey(std::initializer_list<QByteArray> pieces) {
    qsizetype size = 0;
    for (const QByteArray& p : pieces) size += p.size();
    QByteArray key;
    key.reserve(size);
    for (const QByteArray& p : pieces) key.append(p);
    return key;
}

// --- Building ---------------------------------------------------------------------------------

void BuildView(App& app, const ViewSpec& spec) {
    CurrentView& v = app.view;
    auto setKind = [&] {
        UpdatePrevReportKind(v, spec.rule);
        v.ReportKind = spec.kind;
    };
    if (!spec.kindAfterSort) setKind();
    EmptyView(v);
    v.CutOffApplied = spec.cutOff;
    v.ReportIndex.reserve(std::min(app.crusade.RecCount, kMaxRecords) + 1);
    ScanRecords(app, [&](const AttendeeRecord& rec, qint32 r) {
        if (rec.isDeleted() != spec.deletedRecords) return;
        if (spec.cutOff && !AfterCutOff(app, rec)) return;
        if (spec.test && !spec.test(rec)) return;
        AppendEntry(v, rec, spec.sortPart(rec), r);
    });
    FinishView(v);
    if (spec.order == SortOrder::Ascending)
        SortIndex(app);
    else
        SortIndexDescending(app);
    if (spec.kindAfterSort) setKind();
    if (spec.kindInEntry0) v.ReportIndex[0] = Ansi(spec.kind);
}

namespace {

QByteArray AlphaKey(const AttendeeRecord& r) {
    return LName5(r) + FName2(r);
}

}  // namespace

void IndexAlpha(App& app) {
    BuildView(app, {.kind = kAlpha, .rule = PrevRule::Always, .sortPart = AlphaKey, .kindInEntry0 = true});
}

void IndexAlphaCutoff(App& app) {
    BuildView(app, {.kind = QStringLiteral("alphafilter"), .cutOff = true, .sortPart = AlphaKey, .kindInEntry0 = true});
}

void IndexDeleted(App& app) {
    BuildView(app, {.kind = QStringLiteral("undelete"),
                    .deletedRecords = true,
                    .test = [](const AttendeeRecord& r) { return r.RNum.bytes() != "skip"; },
                    .sortPart = AlphaKey,
                    .kindInEntry0 = true});
}

// --- Sorting ------------------------------------------------------------------------------------

int NextCombGap(int gap) {
    int next = int(gap / 1.3);
    if (next == 0) next = 1;
    if (next == 9 || next == 10) next = 11;
    return next;
}

void SortEntries(QList<QByteArray>& entries, int n, bool wholeEntries) {
    n = std::min<int>(n, int(entries.size()) - 1);
    if (n <= 0) return;
    const qsizetype l = std::max<qsizetype>(0, entries[1].size() - (wholeEntries ? 0 : 4));
    CombSort(entries, n, l, SortOrder::Ascending);
}

void SortIndex(App& app) {
    SortView(app, SortOrder::Ascending);
}
void SortIndexDescending(App& app) {
    SortView(app, SortOrder::Descending);
}

void ClearMarks(App& app, BulkWrite& writes) {
    const QList<AttendeeRecord> records = ReadAllRecords(app);
    for (qint32 i = 0; i < records.size(); ++i) {
        AttendeeRecord rec = records[i];
        if (rec.MarkToVisit != 0) {
            rec.MarkToVisit = 0;
            writes.write(i + 1, rec);
        }
    }
    app.view.CurIndexPos = app.view.ReportCount > 0 ? 1 : 0;
}

}  // namespace fennick
