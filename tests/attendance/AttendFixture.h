#pragma once
// The attendance screen held in memory over a crusade open on the shared fixture records:
// the main window and the screen are fake screens, the screen's variables Attend,
// Decisions and Last live in its state object as on the real window.

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "attendance/AttendFState.h"
#include "attendance/AttendOpening.h"
#include "attendance/NightlyEntry.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/InfoFile.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <ostream>
#include <string>

// Test failures show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace fennick::test {

// A case's words run together as a test name: "the count stays" gives "TheCountStays".
inline std::string CaseName(const char* words) {
    std::string name;
    bool upper = true;
    for (const char* p = words; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (!std::isalnum(c)) {
            upper = true;
            continue;
        }
        name += upper ? char(std::toupper(c)) : char(c);
        upper = false;
    }
    return name;
}

// The attendance screen: the record display's controls that only the main window has are
// missing, and the screen's variables are served from its state.
class FakeAttendF : public FakeScreen {
public:
    explicit FakeAttendF(AttendFState& st)
        : FakeScreen(QStringLiteral("AttendF"),
                     {QStringLiteral("MailList"), QStringLiteral("Age"), QStringLiteral("RelPref"),
                      QStringLiteral("Advertising"), QStringLiteral("MapCode"), QStringLiteral("chkMarkToVisit"),
                      QStringLiteral("RecordPos"), QStringLiteral("EditLabel"), QStringLiteral("FndNameBx")}),
          st_(st) {}
    QString text(const QString& c) const override {
        return AttendFState::isVariable(c) ? st_.variable(c) : FakeScreen::text(c);
    }
    void setText(const QString& c, const QString& t) override {
        if (AttendFState::isVariable(c))
            st_.setVariable(c, t);
        else
            FakeScreen::setText(c, t);
    }

private:
    AttendFState& st_;
};

struct AttendFixture : ::testing::Test {
    std::unique_ptr<ViewFixture> fx;
    App* app = nullptr;
    FakeScreen main;
    AttendFState st;
    FakeAttendF screen{st};
    bool screenShown = false;

    // Opens the crusade of records (LastMeeting 12) with the given member entries, the main
    // window on the first name, then the attendance screen for night through the menu.
    void open(const QList<AttendeeRecord>& records = FixtureRecords(), const QList<QByteArray>& members = {},
              const char* night = "13") {
        fx = std::make_unique<ViewFixture>(records, 12, 0);
        screenShown = false;
        main.windowVisible = true;
        app = &fx->app;
        SetDefaultInfo(*app);
        app->settings.CrusadeName = QStringLiteral("Spring");
        app->settings.SoundOn = true;
        app->settings.ReservedNumber = 500;
        app->settings.ReservedDirection = QStringLiteral("UP");
        app->crusade.FileIsOpen = true;
        app->crusade.MemberNames = QList<QByteArray>(1);
        for (const QByteArray& m : members) app->crusade.MemberNames.append(m);
        app->crusade.MemberCount = qint16(members.size());
        app->hooks.editForm = &main;
        app->hooks.showAttendanceScreen = [this] { screenShown = true; };
        IndexAlpha(*app);
        if (app->view.ReportCount > 0) {
            ASSERT_TRUE(ShowCurrentRecord(*app, main));
        }
        if (night == nullptr) return;
        dialogs().type(QString::fromLatin1(night));
        mnuAttendUpdate_Click(*app, main);
        ASSERT_TRUE(screenShown);
        attendf::Form_Load(*app, st, screen);
        attendf::Form_Activate(*app, st, screen);
        ASSERT_FALSE(dialogs().pending());
        dialogs().clear();
    }
    FakeDialogs& dialogs() { return fx->t.dialogs; }
    QString text(const char* control) const { return screen.text(QString::fromLatin1(control)); }
    void type(const char* control, const char* value) { screen.setText(QString::fromLatin1(control), QString::fromLatin1(value)); }
    // Types into the search box and presses Enter.
    void enter(const char* typed) {
        type("SearchBox", typed);
        EXPECT_TRUE(attendf::SearchBox_KeyPress(*app, st, screen, 13));
    }
    // The entry's outcome as the screen tells it: EntInd, SDAIdent and the count.
    QString outcome() const {
        return screen.text(QStringLiteral("EntInd")) + u'|' + screen.text(QStringLiteral("SDAIdent")) + u'|' +
               QString::number(st.TotalAttending);
    }
    AttendeeRecord onDisk(qint32 n) { return ReadRecord(*app, n); }
    int played(const char* wave) const {
        int n = 0;
        for (const QString& p : fx->t.sound.played) n += p.endsWith(QLatin1String(wave)) ? 1 : 0;
        return n;
    }
};

}  // namespace fennick::test
