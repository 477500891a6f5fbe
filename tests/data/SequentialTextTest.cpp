// The four sequential files of a crusade (settings, program ini, member and zip files)
// read back every line whatever line ends they carry and wherever a Ctrl+Z stands, and
// are written back whole.

#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"

#include <QElapsedTimer>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

// One kind of file: the lines a save writes, where it lies, and its load and save.
struct FileKind {
    const char* name;
    QString path;
    QList<QByteArray> lines;
    std::function<void()> load;
    std::function<void()> save;
};

// A settings file as the program writes it: every line is read into a setting and written
// back unchanged (the forced decision titles and today's date included).
QList<QByteArray> SettingsFileLines() {
    QList<QByteArray> l = {"Spring", "March 3, 2026", " 12", " 42 ", "UP", "/backup", " 5 ", " 3 ", "version 2.5.86"};
    for (int i = 1; i <= 40; ++i) l << "Team " + QByteArray::number(i) + ":" + QByteArray::number(100 + i);
    l << " 7 " << " 14 " << " 21 " << " 28 ";
    l << "Accept Christ" << "Accept Sabbath";
    for (int i = 3; i <= 8; ++i) l << "Decision " + QByteArray::number(i);
    for (int i = 1; i <= 15; ++i) l << "Church " + QByteArray::number(i);
    for (int i = 0; i < 7; ++i) l << "Blank";
    l << "CSKPBTADU";
    for (int i = 0; i < 7; ++i) l << "Blank";
    for (int i = 1; i <= 40; ++i) l << "Sermon " + QByteArray::number(i);
    l << "True" << "3/9/2026";
    return l;
}

QByteArray Joined(const QList<QByteArray>& lines, const QByteArray& end) {
    QByteArray b;
    for (const QByteArray& l : lines) b += l + end;
    return b;
}

}  // namespace

TEST(SequentialTextTest, EveryLineSurvivesALoadAndSaveWhateverItsEndsAndCtrlZ) {
    struct Variant {
        const char* what;
        QByteArray end;    // the line end used throughout
        bool ctrlZInside;  // a Ctrl+Z inside a line of the file
        QByteArray after;  // bytes after the last line end
    };
    const Variant variants[] = {
        {"CR LF", "\r\n", false, ""},
        {"LF", "\n", false, ""},
        {"lone CR", "\r", false, ""},
        {"Ctrl+Z inside a line", "\r\n", true, ""},
        {"Ctrl+Z inside a line, lone CR ends", "\r", true, ""},
        {"Ctrl+Z as the last byte", "\r\n", false, "\x1A"},
        {"Ctrl+Z as the last byte after lone CRs", "\r", false, "\x1A"},
    };
    for (const Variant& v : variants) {
        TestApp t;
        App& app = t.app;
        const QString dataFile = t.path("spring.dta");
        WriteDataFile(dataFile, {Person("0001", "Ann", "Able")});
        SetDataFile(app, dataFile);

        QList<QByteArray> members;
        for (int i = 1; i <= 8; ++i)
            members << MemberEntry("000" + QByteArray::number(i), "Last" + QByteArray::number(i), "First");
        QList<QByteArray> zips;
        for (int i = 1; i <= 9; ++i)
            zips << ZipEntry("1000" + QByteArray::number(i), "NY", "0" + QByteArray::number(i), "Town", i);
        // The ini file names a data file that exists; its Ctrl+Z goes into that name.
        QByteArray named = dataFile.toUtf8();
        if (v.ctrlZInside) {
            named = t.path("aut\x1Aumn.dta").toUtf8();
            WriteDataFile(QString::fromUtf8(named), {});
        }
        // The ini file comes last: loading it makes its data file the open one.
        std::vector<FileKind> kinds = {
            {"settings", t.path("spring.inf"), SettingsFileLines(), [&] { LoadInfoFile(app); },
             [&] { SaveInfoFile(app); }},
            {"member", t.path("spring.mem"), members, [&] { LoadMembers(app); }, [&] { SaveMembers(app); }},
            {"zip", t.path("spring.zps"), zips, [&] { LoadZips(app); }, [&] { SaveZips(app); }},
            {"ini", t.path("Fennick.ini"), {named, "Available", "-1 ", " 1.5 ", "-0.25 "}, [&] { LoadIniFile(app); },
             [&] { SaveIniFile(app); }},
        };
        for (FileKind& k : kinds) {
            SCOPED_TRACE(std::string(v.what) + ", " + k.name);
            // Early in the file, so that a read cut short there loses most of it (the ini
            // file has it in the name of its data file).
            if (v.ctrlZInside && k.name != std::string("ini")) k.lines[1].insert(2, '\x1A');
            WriteFileBytes(k.path, Joined(k.lines, v.end) + v.after);
            t.dialogs.clear();
            k.load();
            EXPECT_TRUE(t.dialogs.shown().empty());
            QFile::remove(k.path);
            k.save();
            EXPECT_EQ(ReadFileBytes(k.path).toStdString(), Joined(k.lines, "\r\n").toStdString());
        }
    }
}

// Blanks and tabs before a value are passed over in any mix, and a run of a hundred
// thousand of them is read at once (passing over one at a time took half a minute).
TEST(SequentialTextTest, BlanksAndTabsBeforeAValueArePassedOverAtOnce) {
    const QByteArray run = QByteArray(" \t\t").repeated(35000);
    const struct {
        QByteArray line;
        QByteArray value;
    } cases[] = {
        {"\t \t Spring  ", "Spring  "},
        {" \t\"  Spring, North\" ", "  Spring, North"},
        {"Team\t 1 ", "Team\t 1 "},
        {" \t \t", ""},
        {run, ""},
        {run + "Sermon 1", "Sermon 1"},
        {QByteArray(100000, '\t') + "\"\tquoted\"", "\tquoted"},
    };
    QElapsedTimer timer;
    timer.start();
    for (const auto& c : cases) EXPECT_EQ(LineValue(c.line), c.value) << c.line.left(40).constData();
    EXPECT_LT(timer.elapsed(), 2000);
}
