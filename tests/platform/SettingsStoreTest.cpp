#include "RecordBuilder.h"
#include "FileSizeLimit.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace fennick;

namespace {

// The recent-file list written where the disk refuses the new file part way keeps what
// it held; written where there is room, it holds the new value beside the others.
TEST(QtSettingsStore, ASaveTheDiskRefusesLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Fennick"));
    const QString file = dir.filePath("Fennick/MDINote.ini");
    const QString longPath = QStringLiteral("/home/office/crusades/") + QString(120, u'x') + QStringLiteral(".dta");
    for (const qint64 limit : {qint64(200), qint64(1 << 20)}) {
        SCOPED_TRACE(limit);
        const QByteArray old = "[Recent%20Files]\nFile1=/home/office/spring.dta\nFile2=/home/office/autumn.dta\n";
        test::WriteFileBytes(file, old);
        const std::optional<QByteArray> said = test::InChildWithFileSizeLimit(limit, [&] {
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
            QtSettingsStore store;
            const FileResult r = store.save(QStringLiteral("MDINote"), QStringLiteral("Recent Files"),
                                            QStringLiteral("File3"), longPath);
            return QByteArray::number(r.error) + ' ' + r.description.toUtf8() + '|' +
                   store.get(QStringLiteral("MDINote"), QStringLiteral("Recent Files"), QStringLiteral("File1"))
                       .toUtf8();
        });
        ASSERT_TRUE(said.has_value());
        // A refused save says so, naming the file, as every failed save does.
        const QByteArray told = limit == 200 ? "61 Could not write " + file.toUtf8() + ": " : QByteArray("0 |");
        EXPECT_TRUE(said->startsWith(told) && said->endsWith("|/home/office/spring.dta") &&
                    !said->contains("Unknown error"))
            << said->constData();
        const QSettings after(file, QSettings::IniFormat);
        EXPECT_EQ(after.value("Recent Files/File2").toString(), "/home/office/autumn.dta");
        if (limit == 200) {
            EXPECT_EQ(test::ReadFileBytes(file).toStdString(), old.toStdString());
        } else {
            EXPECT_EQ(after.value("Recent Files/File3").toString(), longPath);
        }
        EXPECT_EQ(QDir(dir.filePath("Fennick")).entryList(QDir::Files | QDir::Hidden), QStringList{"MDINote.ini"});
    }
}

// Copies a program stopped in the middle of a save left beside the settings are removed
// when the program next starts; those of a program still running are its own.
TEST(QtSettingsStore, CopiesLeftByAProgramThatStoppedAreRemovedAtStart) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("Fennick");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString running = "MDINote.ini.fennick-" + QString::number(::getppid()) + "-new";
    const QStringList kept = {"MDINote.ini", running, "other.txt.fennick-new"};
    for (const QString& name : kept + QStringList{"MDINote.ini.fennick-99999999-new", "MDINote.ini.fennick-new",
                                                  "MDINote.ini.fennick-99999999-0123456789abcdef0123456789abcdef",
                                                  "MDINote.ini.fennick-0123456789abcdef0123456789abcdef"})
        test::WriteFileBytes(QDir(folder).filePath(name), "x");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    const QtSettingsStore store;
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
}

}  // namespace
