#include "FakePlatform.h"
#include "data/Utilities.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

TEST(Utilities, Justification) {
    EXPECT_EQ(PadRight(QStringLiteral("Ann"), 6), QStringLiteral("Ann   "));
    EXPECT_EQ(PadRight(QStringLiteral("Abcdefghij"), 6), QStringLiteral("Abcdef"));
    EXPECT_EQ(PadRight(QStringLiteral("x"), 60).size(), 58);  // at most 57 blanks
    EXPECT_EQ(PadLeft(QStringLiteral("42"), 5), QStringLiteral("   42"));
    EXPECT_EQ(PadLeft(QStringLiteral("abcdef"), 4), QStringLiteral("cdef"));
    EXPECT_EQ(RightJust4(7), QStringLiteral("   7"));
    EXPECT_EQ(RightJust4(0), QStringLiteral("   0"));
    EXPECT_EQ(RightJust4(-5), QStringLiteral("  -5"));
    EXPECT_EQ(RightJust4(12345), QStringLiteral("2345"));
    EXPECT_EQ(FileTitle(QStringLiteral("/home/a/data/spring.dta")), QStringLiteral("spring.dta"));
    EXPECT_EQ(FileTitle(QStringLiteral("c:\\crusades\\spring.dta")), QStringLiteral("spring.dta"));
    EXPECT_EQ(FileTitle(QStringLiteral("spring.dta")), QStringLiteral("spring.dta"));
}

TEST(Utilities, ProperFirst) {
    TestApp t;
    QString s = QStringLiteral("mary");
    EXPECT_EQ(ProperFirst(t.app, s), QStringLiteral("Mary"));
    EXPECT_EQ(t.app.msg.ScratchVar, QStringLiteral("M"));
    s = QString();
    EXPECT_EQ(ProperFirst(t.app, s), QStringLiteral("Unknown"));
    s = QString::fromUtf8("élodie");
    EXPECT_EQ(ProperFirst(t.app, s), QString::fromUtf8("Élodie"));
}

TEST(Utilities, NamedSounds) {
    TestApp t;
    t.app.settings.SoundOn = false;
    PlaySound(t.app, QStringLiteral("clunk"));
    EXPECT_TRUE(t.sound.played.isEmpty());
    EXPECT_EQ(t.app.msg.ScratchVar, QStringLiteral("\\S02.wav"));

    t.app.settings.SoundOn = true;
    PlaySound(t.app, QStringLiteral("clunk"));
    PlaySound(t.app, QStringLiteral("chimes"));
    ASSERT_EQ(t.sound.played.size(), 2);
    // Not in the program folder: the program's own copy is played.
    EXPECT_EQ(t.sound.played.at(0), QStringLiteral(":/sounds/S02.wav"));
    EXPECT_EQ(t.sound.played.at(1), QStringLiteral(":/sounds/chimes.wav"));

    // A copy in the program folder takes precedence.
    QFile f(t.path(QStringLiteral("S01.wav")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    PlaySound(t.app, QStringLiteral("laser"));
    EXPECT_EQ(t.sound.played.last(), t.path(QStringLiteral("S01.wav")));
}

TEST(Utilities, SoundFailureIsReportedOnce) {
    TestApp t;
    t.app.settings.SoundOn = true;
    t.sound.result = false;
    PlaySound(t.app, QStringLiteral("carbrake"));
    PlaySound(t.app, QStringLiteral("carbrake"));
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().at(0).contains(QStringLiteral("S03.wav")));
}

TEST(Utilities, ManualAndHelpReportFailures) {
    TestApp t;
    t.shell.result = kShellFileNotFound;
    OpenManual(t.app);
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().at(0).startsWith(QStringLiteral("Fennick Manual.html was not found.")));

    t.shell.result = kShellNoAssociation;
    OpenManual(t.app);
    EXPECT_EQ(t.dialogs.messages().size(), 2);

    t.shell.result = kShellOk;
    OpenManual(t.app);
    EXPECT_EQ(t.dialogs.messages().size(), 2);
    EXPECT_EQ(t.shell.opened.last(), t.path(QStringLiteral("Fennick Manual.html")));

    ShowHelpContext(t.app, kHelpShortcuts);
    EXPECT_EQ(t.help.calls.last(), QStringLiteral("context 340"));
    t.help.result = false;
    ShowHelpContents(t.app);
    EXPECT_EQ(t.dialogs.messages().size(), 3);
}
