#pragma once
// The report window's tests: the shared fixture crusade with three baptized or uniting
// people added (for the baptism marks and the decision-9 list), the crusade's default
// vocabularies, and golden files in tests/reportwindow/data.

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "data/InfoFile.h"
#include "data/Text.h"

#include <QFile>

#include <gtest/gtest.h>

#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace fennick::test {

inline QList<AttendeeRecord> PageFixtureRecords() {
    QList<AttendeeRecord> records = FixtureRecords();
    // 22: baptized, baptism decision and unite both marked: no baptism mark.
    records << Rec("0122", "Ruth", "Mann")
                   .nights("111111111111")
                   .team("03")
                   .level("G")
                   .bapt("6/1/26")
                   .decisions("C---B---U")
                   .visits("H03P05M07L09")
                   .address("22 Oak St")
                   .notes("Baptized in June");
    // 23: baptized with the baptism decision marked but not united: "(r)".
    records << Rec("0123", "Paul", "Mann").nights("-11111111111").team("03").level("G").decisions("----B----");
    // 24: unites, interview set, no date.
    records << Rec("0124", "Mark", "Ulrich").nights("1111").team("12").level("C").interview(1).decisions("--------U");
    return records;
}

// A crusade open on the page fixture: meeting 12, cut-off 3, default vocabularies.
struct PreviewFixture {
    explicit PreviewFixture(const QList<AttendeeRecord>& records = PageFixtureRecords(), qint16 lastMeeting = 12)
        : fx(records, lastMeeting, 3), app(fx.app) {
        ResetCrusadeSettings(app);
        SetDefaultInfo(app);
        app.settings.CrusadeName = QStringLiteral("Spring");
        app.settings.LastMeeting = lastMeeting;
        app.settings.PrintCutOff = 3;
        app.settings.TotalAttendNum = 4;
        app.settings.TeamNames[3] = QStringLiteral("Blue Team:555-0103");
        app.settings.TeamNames[7] = QStringLiteral("555-0107");
        app.settings.TeamNames[12] = QStringLiteral(":555-0112");
        app.program.DropFilterOnExit = true;
    }
    ViewFixture fx;
    App& app;
};

inline QString TestData(const QString& name) {
    return QStringLiteral(FENNICK_TEST_DATA "/") + name;
}

// Compares text with the golden file of that name (Windows-1252 lines, LF line ends).
// With FENNICK_WRITE_GOLDEN set the file is written instead and the test fails, so that
// a new golden is looked at before it is trusted.
inline void ExpectGolden(const QString& name, const QByteArray& actual) {
    const QString path = TestData(name);
    if (qEnvironmentVariableIsSet("FENNICK_WRITE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(actual);
        ADD_FAILURE() << "written " << path.toStdString();
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray expected = in.readAll();
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    for (int i = 0; i < std::max(want.size(), got.size()); ++i) {
        const QByteArray w = i < want.size() ? want[i] : QByteArray("<none>");
        const QByteArray g = i < got.size() ? got[i] : QByteArray("<none>");
        EXPECT_EQ(g.toStdString(), w.toStdString()) << name.toStdString() << " line " << i + 1;
    }
}

}  // namespace fennick::test
