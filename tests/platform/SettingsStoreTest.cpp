#include "RecordBuilder.h"
#include "FileSizeLimit.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
            store.save(QStringLiteral("MDINote"), QStringLiteral("Recent Files"), QStringLiteral("File3"), longPath);
            return store.get(QStringLiteral("MDINote"), QStringLiteral("Recent Files"), QStringLiteral("File1")).toUtf8();
        });
        ASSERT_TRUE(said.has_value());
        EXPECT_EQ(*said, "/home/office/spring.dta");
        const QSettings after(file, QSettings::IniFormat);
        EXPECT_EQ(after.value("Recent Files/File2").toString(), "/home/office/autumn.dta");
        if (limit == 200) {
            EXPECT_EQ(test::ReadFileBytes(file).toStdString(), old.toStdString());
        } else {
            EXPECT_EQ(after.value("Recent Files/File3").toString(), longPath);
        }
        EXPECT_FALSE(QFile::exists(file + ".fennick-new"));
    }
}

}  // namespace
