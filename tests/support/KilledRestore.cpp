#include "KilledRestore.h"

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "FileSizeLimit.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/FileUtil.h"
#include "filetools/BackupRestore.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace fennick::test {

KilledRestore KillRestore(TestApp& t, const QString& name) {
    CrusadeSpec s;
    s.records = {Person("0012", "Mary", "Smith")};
    KilledRestore k;
    k.dataFile = WriteCrusade(t, t.path("data"), name, s);
    s.records << Person("0013", "John", "Adams");
    k.backup = WriteCrusade(t, t.path("backup"), name, s);
    k.before = ReadFileBytes(k.dataFile);
    k.told = "The restore from " + FolderOf(k.backup) +
             " was not finished; the crusade is as it was before it.\r\nPut back as they were: " + k.dataFile + ".";
    const auto left = InChildWithFileSizeLimit(qint64(1) << 40, [&] {
        if (!OpenCrusade(t.app, k.dataFile)) return QByteArray("not opened");
        t.app.settings.BackupPath = k.backup;
        t.files.afterCall = [&](const QString& call) {
            if (call.startsWith("rename " + k.dataFile + " > ")) ::_exit(0);
        };
        t.dialogs.choose(k.backup).answer(AnsYes).answer(AnsYes);  // this backup; restore it
        FakeScreen form;
        RestoreCrusade(t.app, form);
        return QByteArray("not killed");
    });
    EXPECT_EQ(left.value_or("crashed"), QByteArray());
    EXPECT_TRUE(!QFileInfo::exists(k.dataFile) && QFileInfo::exists(k.dataFile + kOldFileSuffix));
    return k;
}

}  // namespace fennick::test
