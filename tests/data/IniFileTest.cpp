#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/IniFile.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    const QString ini = t.path("Fennick.ini");
};

TEST_F(IniFileTest, WritesFiveLinesAndReadsThemBack) {
    const QString data = t.path("my, \"best\" crusade.dta");  // a comma and quotes in the path
    WriteFileBytes(data, QByteArray());
    SetDataFile(app, data);
    app.program.ShowButtonLabels = -1;
    app.program.LabelOffsetDown = 1.5f;
    app.program.LabelOffsetRight = -0.1f;
    SaveIniFile(app);
    EXPECT_EQ(ReadFileBytes(ini), data.toUtf8() + "\r\nAvailable\r\n-1 \r\n 1.5 \r\n-0.1 \r\n");

    app.program = ProgramSettings();
    app.program.ProgramDir = t.dir.path();
    LoadIniFile(app);
    EXPECT_EQ(app.program.DataFile, data);
    EXPECT_EQ(app.program.DataDir, t.dir.path() + "/");
    EXPECT_EQ(app.program.ShowButtonLabels, -1);
    EXPECT_FLOAT_EQ(app.program.LabelOffsetDown, 1.5f);
    EXPECT_FLOAT_EQ(app.program.LabelOffsetRight, -0.1f);
}

TEST_F(IniFileTest, MissingShortOrStaleIniLeavesNoDataFile) {
    const QString data = t.path("spring.dta");
    WriteFileBytes(data, QByteArray());
    struct Case {
        const char* what;
        QByteArray ini;  // null: no ini file
        bool dataFileKept;
        qint16 labels;
    };
    const Case cases[] = {
        {"complete", data.toUtf8() + "\r\nAvailable\r\n-1 \r\n 0 \r\n 0 \r\n", true, -1},
        {"missing", QByteArray(), false, 0},
        {"names a deleted file", t.path("gone.dta").toUtf8() + "\r\nAvailable\r\n-1 \r\n 0 \r\n 0 \r\n", false, -1},
        {"three lines", data.toUtf8() + "\r\nAvailable\r\n-1 \r\n", false, -1},
        {"not a number", data.toUtf8() + "\r\nAvailable\r\nyes\r\n 0 \r\n 0 \r\n", true, 0},
    };
    for (const Case& c : cases) {
        TestApp local;
        if (!c.ini.isNull()) WriteFileBytes(local.path("Fennick.ini"), c.ini);
        LoadIniFile(local.app);
        EXPECT_EQ(local.app.program.DataFile, c.dataFileKept ? data : QString()) << c.what;
        EXPECT_EQ(local.app.program.DataDir, c.dataFileKept ? t.dir.path() + "/" : QString()) << c.what;
        EXPECT_EQ(local.app.program.ShowButtonLabels, c.labels) << c.what;
    }
}

TEST_F(IniFileTest, DataDirFollowsDataFile) {
    SetDataFile(app, "/home/ann/crusades/spring.dta");
    EXPECT_EQ(app.program.DataDir, "/home/ann/crusades/");
    SetDataFile(app, QString());
    EXPECT_EQ(app.program.DataDir, QString());
}

}  // namespace
