// The program's own resources: every sound it names is a playable wave file, and the
// manual is embedded.

#include "FakePlatform.h"
#include "data/Utilities.h"
#include "platform/ErrorNumbers.h"
#include "platform/ui/QtSound.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

namespace fennick {
namespace {

struct WaveFormat {
    bool riff = false;
    int format = 0;  // 1 = PCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    double seconds = 0;
};

WaveFormat ReadWave(const QString& path) {
    QFile f(path);
    WaveFormat w;
    if (!f.open(QIODevice::ReadOnly)) return w;
    const QByteArray b = f.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt ") return w;
    const auto u16 = [&](int at) { return int(qFromLittleEndian<quint16>(b.constData() + at)); };
    const auto u32 = [&](int at) { return qint64(qFromLittleEndian<quint32>(b.constData() + at)); };
    w.riff = true;
    w.format = u16(20);
    w.channels = u16(22);
    w.rate = int(u32(24));
    w.bits = u16(34);
    if (b.mid(36, 4) == "data" && w.rate > 0 && w.bits > 0)
        w.seconds = double(u32(40)) / (w.rate * w.channels * (w.bits / 8));
    return w;
}

TEST(Resources, EverySoundIsAShortMonoWave) {
    struct Case {
        const char* file;
        double maxSeconds;
    } const cases[] = {
        {"S01.wav", 1},  {"S02.wav", 1},  {"S03.wav", 1},
        {"S04.wav", 1},  {"S05.wav", 1},  {"S06.wav", 2},  // the start screen's greeting
        {"amen.wav", 1}, {"ring.wav", 1}, {"chimes.wav", 1},
    };
    for (const Case& c : cases) {
        // The program folder holds no copy, so the embedded sound is the one played.
        const QString path = SoundPath(QStringLiteral("/nonexistent-program-folder"), QLatin1String(c.file));
        EXPECT_EQ(path, QStringLiteral(":/sounds/") + QLatin1String(c.file));
        const WaveFormat w = ReadWave(path);
        ASSERT_TRUE(w.riff) << c.file;
        EXPECT_EQ(w.format, 1) << c.file;
        EXPECT_EQ(w.channels, 1) << c.file;
        EXPECT_EQ(w.rate, 22050) << c.file;
        EXPECT_TRUE(w.bits == 8 || w.bits == 16) << c.file;
        EXPECT_GT(w.seconds, 0.1) << c.file;
        EXPECT_LT(w.seconds, c.maxSeconds) << c.file;
    }
}

TEST(QtSound, PlaysEmbeddedSoundsAndRefusesMissingFiles) {
    QtSound sound;
    EXPECT_TRUE(sound.play(QStringLiteral(":/sounds/S02.wav")));
    EXPECT_FALSE(sound.play(QStringLiteral(":/sounds/none.wav")));
    EXPECT_FALSE(sound.play(QStringLiteral("/nonexistent-program-folder/S02.wav")));
}

TEST(Resources, TheManualIsEmbeddedAndOpenedFromTheProgramFolder) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/manual/") + kManualFileName));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/fennick.svg")));
    test::TestApp t;
    // The copy is saved whole: one that fails leaves no file for the desktop to open.
    t.files.failAt(1, err::DiskFull, test::FakeFiles::Op::Save);
    OpenManual(t.app);
    EXPECT_FALSE(QFileInfo::exists(t.path(kManualFileName)));
    OpenManual(t.app);
    ASSERT_EQ(t.shell.opened.size(), 2);
    EXPECT_EQ(t.files.calls.size(), 2);
    QFile copy(t.shell.opened.front());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copy.readAll().contains("<h1>Fennick Manual</h1>"));
    EXPECT_TRUE(t.dialogs.shown().empty());
}

}  // namespace
}  // namespace fennick
