#pragma once
// The crusade every export test writes from: ten records (one deleted) and a member list,
// chosen for the cases that break text files: blanks around fields, an "&" in a name, a
// blank e-mail address, a note with commas, line breaks and a tab, commas in an address
// and in the crusade's name, names longer than 15 characters, one name twice, one name on
// both lists and a run of three equal names at the end of the name order.

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"

#include <QByteArray>
#include <QString>

namespace fennick::test {

// The crusade open on its records, the alphabetical view built and its first name shown on
// a main window held in memory.
struct ExportFixture {
    ExportFixture();

    // The golden file of that name in the test data folder.
    static QByteArray golden(const char* name);

    ViewFixture view;
    App& app;
    FakeScreen screen;
};

}  // namespace fennick::test
