#pragma once
// A crusade open on a data file of the given records, with the alphabetical view built
// and a fresh in-memory main window showing the last name of the view.

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "data/DataStore.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

#include <memory>

namespace fennick::test {

inline QString S(const char* text) { return QString::fromLatin1(text); }

struct WindowFixture : ::testing::Test {
    std::unique_ptr<ViewFixture> fx;
    App* app = nullptr;
    FakeScreen screen;

    void open(const QList<AttendeeRecord>& records) {
        screen = FakeScreen();
        fx = std::make_unique<ViewFixture>(records, 5, 0);
        app = &fx->app;
        app->settings.CrusadeName = S("Spring   ");
        app->settings.ReservedNumber = 100;
        app->settings.ReservedDirection = S("UP");
        app->settings.SoundOn = true;
        app->hooks.editForm = &screen;
        app->crusade.FileIsOpen = true;
        IndexAlpha(*app);
        if (app->view.ReportCount > 0) showAt(app->view.ReportCount);
    }
    void showAt(int pos) {
        app->view.CurIndexPos = qint16(pos);
        ASSERT_TRUE(ShowCurrentRecord(*app, screen));
    }
    FakeDialogs& dialogs() { return fx->t.dialogs; }
    QString text(const char* control) const { return screen.text(S(control)); }
    void type(const char* control, const char* value) { screen.setText(S(control), S(value)); }
    QByteArray fileBytes() const { return ReadFileBytes(app->program.DataFile); }
    qint32 recordsOnDisk() const { return qint32(fileBytes().size() / Crusade::RecLen); }
    AttendeeRecord onDisk(qint32 n) const {
        return AttendeeRecord::decode(fileBytes().mid((n - 1) * Crusade::RecLen, Crusade::RecLen));
    }
    // How often the named sound's wave file was played ("S03.wav" is "carbrake").
    int played(const char* wave) const {
        int n = 0;
        for (const QString& p : fx->t.sound.played) n += p.endsWith(S(wave)) ? 1 : 0;
        return n;
    }
};

}  // namespace fennick::test
