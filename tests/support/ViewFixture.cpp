#include "ViewFixture.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/IniFile.h"

#include <gtest/gtest.h>

namespace fennick::test {

Rec::Rec(const char* rnum, const char* first, const char* last) : rec(Person(rnum, first, last)) {}

Rec& Rec::nights(const char* marks) {
    QByteArray a(marks);
    a.append(QByteArray(40 - a.size(), '-'));
    rec.Attendance = a;
    RecountAttendance(rec);
    return *this;
}

Rec& Rec::team(const char* code) {
    return with([&](AttendeeRecord& r) { r.WorkerCode = code; });
}
Rec& Rec::level(const char* intLevel) {
    return with([&](AttendeeRecord& r) { r.IntLevel = intLevel; });
}
Rec& Rec::interview(qint16 classValue) {
    return with([&](AttendeeRecord& r) { r.Class = classValue; });
}
Rec& Rec::bapt(const char* date) {
    return with([&](AttendeeRecord& r) { r.BaptDate = date; });
}
Rec& Rec::visits(const char* codes) {
    return with([&](AttendeeRecord& r) { r.Visits = codes; });
}
Rec& Rec::address(const char* text) {
    return with([&](AttendeeRecord& r) { r.Address = text; });
}
Rec& Rec::zip(const char* text) {
    return with([&](AttendeeRecord& r) { r.Zip = text; });
}
Rec& Rec::mail(qint16 value) {
    return with([&](AttendeeRecord& r) { r.MailList = value; });
}
Rec& Rec::notes(const char* text) {
    return with([&](AttendeeRecord& r) { r.Notes = text; });
}
Rec& Rec::religion(const char* text) {
    return with([&](AttendeeRecord& r) { r.RelPref = text; });
}
Rec& Rec::age(const char* text) {
    return with([&](AttendeeRecord& r) { r.Age = text; });
}
Rec& Rec::advertising(const char* flags) {
    return with([&](AttendeeRecord& r) { r.Advertising = flags; });
}
Rec& Rec::map(const char* code) {
    return with([&](AttendeeRecord& r) { r.MapCode = code; });
}
Rec& Rec::mark(qint16 value) {
    return with([&](AttendeeRecord& r) { r.MarkToVisit = value; });
}
Rec& Rec::card(qint16 value) {
    return with([&](AttendeeRecord& r) { r.CardPrinted = value; });
}
Rec& Rec::decisions(const char* text) {
    return with([&](AttendeeRecord& r) { r.Decisions = text; });
}
Rec& Rec::attend(const char* raw) {
    return with([&](AttendeeRecord& r) { r.Attend = raw; });
}
Rec& Rec::last(qint16 night) {
    return with([&](AttendeeRecord& r) { r.Last = night; });
}
Rec& Rec::deleted() {
    return team("##");
}

Rec& Rec::with(const std::function<void(AttendeeRecord&)>& change) {
    change(rec);
    return *this;
}

QList<AttendeeRecord> FixtureRecords() {
    return {
        // 1..5
        Rec("0101", "John", "Smith")
            .nights("111111111111")
            .team("03")
            .level("A")
            .address("12 Oak St")
            .zip("62701")
            .notes("Asked for prayer")
            .map("M1"),
        Rec("0102", "Mary", "Johnson")
            .nights("11111")
            .team("03")
            .level("B")
            .visits("H02")
            .address("40 Elm St")
            .zip("62702")
            .advertising("N......"),
        Rec("0103", "Maria", "Johnsonville")
            .nights("-1-1-1")
            .team("07")
            .level("C")
            .interview(1)
            .visits("A3b")
            .address("40 Elm St")
            .zip("62702")
            .mail(0),
        Rec("0104", "ana", "de la Cruz")
            .nights("1")
            .team("00")
            .level(" ")
            .interview(1)
            .visits("H05P07")
            .address("7 Pine Rd")
            .zip("62703")
            .advertising("....P.."),
        Rec("0105", "Jos\xE9", "\xC1lvarez")
            .nights("---------111")
            .team("07")
            .level("G")
            .bapt("12/25/03")
            .address("7 PINE RD")
            .zip("62703")
            .religion("Catholic"),
        // 6, 7: deleted
        Rec("0106", "Peter", "Gone").nights("111111111111").level("A").mark(1).deleted(),
        Rec("skip", "Old", "Skip").nights("1").deleted(),
        // 8..12
        Rec("0108", "Zoe", "Adams").nights("").team("00").level("E").mail(0).age("NIF").address("Address Unknown"),
        Rec("0109", "Tom", "Brown").nights("111").team("12").level("A").bapt("12:00AM").mark(1).address("5 Ash Ln"),
        Rec("0110", "Tim", "Brown")
            .nights("---1")
            .team("12")
            .level("A")
            .interview(1)
            .visits("A6d")
            .mark(-1)
            .card(-1)
            .address("6 Ash Ln"),
        Rec("0111", "Sue", "Green")
            .nights("1111111111")
            .team("03")
            .level("D")
            .decisions("1-3------")
            .religion("SDA")
            .notes("   ")
            .address("8 Bay Rd"),
        Rec("0112", "Sam", "Green")
            .nights("11111111111")
            .team("03")
            .level("B")
            .interview(1)
            .bapt("3/1/26")
            .visits("A10")
            .address("8 Bay Rd"),
        // 13..17
        Rec("0113", "Bob", "Hill")
            .nights("-----------1")
            .team("40")
            .level("A")
            .address("9 Hill Ct")
            .zip("62704")
            .map("M2"),
        Rec("0114", "Ann", "Hill")
            .nights("1-1-1-1-1-1")
            .team("40")
            .level("C")
            .bapt("1/15/51")
            .address("9 Hill Ct")
            .zip("62704")
            .religion(" SDA "),
        Rec("0115", "Lee", "Ng")
            .nights("--11")
            .team("05")
            .level("B")
            .interview(1)
            .visits("A1a")
            .address("3 Bay Ave Apt 1")
            .zip("62705"),
        Rec("0116", "Kim", "Ng")
            .nights("----1111")
            .team("05")
            .level("F")
            .address("3 Bay Ave Apt 2")
            .zip("62705")
            .advertising("NM.T..IJoe"),
        Rec("0117", "Ray", "Ortiz")
            .nights("11")
            .team("00")
            .level("A")
            .bapt("0/0/00")
            .advertising("")
            .address("1 Elm Ct"),
        // 18..21
        Rec("0118", "Eve", "Price").nights("111111111").team("07").level("E").address("").age("18-29"),
        Rec("0119", "Dan", "Quinn").nights("----------11").team("07").level("A").visits("A40").address("2 Elm Ct"),
        Rec("0120", "Liz", "Young").nights("--1").team("00").level("B").bapt("5/4/26").address("4 Elm Ct"),
        Rec("0121", "Ed", "van Dyke")
            .nights("1111111111")
            .team("12")
            .level("C")
            .interview(1)
            .bapt("12:00AM")
            .address("10 Elm Ct"),
    };
}

ViewFixture::ViewFixture(const QList<AttendeeRecord>& records, qint16 lastMeeting, qint16 cutOff, Printer* printer)
    : t(printer), app(t.app) {
    SetDataFile(app, t.path(QStringLiteral("views.dta")));
    WriteDataFile(app.program.DataFile, records);
    app.settings.LastMeeting = lastMeeting;
    app.settings.PrintCutOff = cutOff;
    OpenDataFile(app);
    app.view.ReportKind = QStringLiteral("unsorted");
}

QList<QByteArray> ViewFixture::entries() const {
    const CurrentView& v = app.view;
    return v.ReportIndex.mid(1, v.ReportCount);
}

QList<QByteArray> ViewFixture::rnums() const {
    QList<QByteArray> out;
    for (const QByteArray& e : entries()) out.append(e.left(4));
    return out;
}

void ExpectView(const ViewFixture& f, const QString& kind, const QList<QByteArray>& expected, int keyLength) {
    const CurrentView& v = f.app.view;
    EXPECT_EQ(v.ReportKind, kind);
    EXPECT_EQ(f.entries(), expected);
    EXPECT_EQ(v.ReportCount, expected.size());
    ASSERT_EQ(v.ReportIndex.size(), expected.size() + 1);
    EXPECT_EQ(v.CurIndexPos, expected.isEmpty() ? 0 : 1);
    EXPECT_TRUE(v.ReportIndex[0].isEmpty());
    for (const QByteArray& e : f.entries()) EXPECT_EQ(e.size(), keyLength) << e.constData();
}

void CheckBuilderRow(const BuilderRow& row) {
    ViewFixture f(FixtureRecords(), 12, row.cutOff);
    f.app.crusade.CurRecord = ReadRecord(f.app, 2);
    const AttendeeRecord shown = f.app.crusade.CurRecord;
    row.build(f);
    ExpectView(f, QString::fromLatin1(row.kind), row.expected, row.keyLength);
    EXPECT_FALSE(f.t.dialogs.pending());
    EXPECT_TRUE(f.app.crusade.CurRecord == shown);
}

PrevRule ObservedPrevRule(const std::function<void(ViewFixture&)>& build) {
    // From ("zip", "alpha") and ("alpha", "mail") the four rules leave four different pairs.
    auto prevAfter = [&](const char* kind, const char* prev) {
        ViewFixture f;
        f.app.view.ReportKind = QString::fromLatin1(kind);
        f.app.view.PrevReportKind = QString::fromLatin1(prev);
        build(f);
        return f.app.view.PrevReportKind;
    };
    const QString a = prevAfter("zip", "alpha");
    const QString b = prevAfter("alpha", "mail");
    if (a == "zip" && b == "alpha") return PrevRule::Always;
    if (a == "zip" && b == "mail") return PrevRule::R;
    if (a == "alpha" && b == "alpha") return PrevRule::P;
    EXPECT_TRUE(a == "alpha" && b == "mail") << a.toStdString() << " " << b.toStdString();
    return PrevRule::None;
}

QByteArray Pad(const char* text, int width) {
    QByteArray s(text);
    if (s.size() >= width) return s.left(width);
    return s + QByteArray(width - s.size(), ' ');
}

QByteArray Entry(const char* rnum, std::initializer_list<QByteArray> parts, int recordNumber) {
    QByteArray e(rnum);
    for (const QByteArray& p : parts) e.append(p);
    const QByteArray n = QByteArray::number(recordNumber);
    return e + QByteArray(4 - n.size(), ' ') + n;
}

}  // namespace fennick::test
