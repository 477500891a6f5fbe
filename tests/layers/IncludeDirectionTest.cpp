#include "IncludeDirection.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fennick::test;

namespace {

const QString kSrc = QDir::cleanPath(QStringLiteral(FENNICK_TEST_DATA "/../../../src"));
const QString kAllowList = QStringLiteral(FENNICK_TEST_DATA "/AllowedIncludes.txt");

std::string Lines(const QStringList& problems) {
    return problems.join(u'\n').toStdString();
}

// A copy of the sources to change.
class SourceCopy {
public:
    SourceCopy() {
        QDirIterator it(kSrc, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(kSrc).relativeFilePath(it.next());
            QDir().mkpath(QFileInfo(path(rel)).path());
            QFile::copy(it.filePath(), path(rel));
        }
    }
    QString root() const { return dir_.path(); }
    QString path(const QString& rel) const { return dir_.filePath(rel); }
    // Adds a line after the file's first line.
    void addLine(const QString& rel, const QString& line) {
        QByteArray text = read(rel);
        text.insert(text.indexOf('\n') + 1, line.toUtf8() + '\n');
        write(rel, text);
    }
    void removeLine(const QString& rel, const QString& line) {
        QByteArray text = read(rel);
        const qsizetype at = text.indexOf(line.toUtf8() + '\n');
        ASSERT_GE(at, 0) << line.toStdString();
        write(rel, text.remove(at, line.size() + 1));
    }
    // Puts back the file as it is in the sources.
    void restore(const QString& rel) {
        QFile f(kSrc + u'/' + rel);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        write(rel, f.readAll());
    }

private:
    QByteArray read(const QString& rel) const {
        QFile f(path(rel));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << rel.toStdString();
        return f.readAll();
    }
    void write(const QString& rel, const QByteArray& text) {
        QFile f(path(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << rel.toStdString();
        f.write(text);
    }
    QTemporaryDir dir_;
};

TEST(IncludeDirection, TheSourcesKeepTheLayers) {
    ASSERT_GT(ReadIncludes(kSrc).size(), 500);
    const QStringList problems = CheckIncludeDirection(kSrc, kAllowList);
    EXPECT_TRUE(problems.isEmpty()) << Lines(problems);
}

TEST(IncludeDirection, AnAddedIncludeAgainstTheLayersFails) {
    struct Case {
        const char* file;
        const char* include;
        const char* breach;  // empty when the include keeps the layers
    };
    const Case cases[] = {
        {"platform/Clock.cpp", "#include \"data/App.h\"", "goes up from platform to data"},
        {"data/Text.cpp", "#include \"views/Indexes.h\"", "goes up from data to views"},
        {"data/App.h", "#  include <mainwindow/Navigation.h>", "goes up from data to mainwindow"},
        {"views/Indexes.cpp", "#include \"printing/PrintCommons.h\"", "goes up from views to printing"},
        {"tables/ZipTable.cpp", "#include \"app/ui/CrusadeWindows.h\"", "goes up from tables to app"},
        {"mainwindow/ui/EditForm.cpp", "#include \"attendance/ui/AttendF.h\"", "reaches the windows of attendance"},
        {"attendance/ui/AttendF.cpp", "#include \"../../data/ui/frmSplash.h\"", "reaches the windows of data"},
        {"attendance/AttendRecord.cpp", "#include \"ui/AttendF.h\"", "display-free code includes a window"},
        // Within a layer, and the start-up wiring, anything goes.
        {"printing/TeamReports.cpp", "#include \"attendance/VisitCodes.h\"", ""},
        {"statistics/ui/BlankFrm.cpp", "#include \"statistics/StatsReport.h\"", ""},
        {"app/main.cpp", "#include \"attendance/ui/AttendF.h\"", ""},
    };
    SourceCopy copy;
    ASSERT_TRUE(CheckIncludeDirection(copy.root(), kAllowList).isEmpty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        copy.addLine(QLatin1String(c.file), QLatin1String(c.include));
        const QStringList problems = CheckIncludeDirection(copy.root(), kAllowList);
        if (*c.breach == 0) {
            EXPECT_TRUE(problems.isEmpty()) << Lines(problems);
        } else {
            ASSERT_EQ(problems.size(), 1) << Lines(problems);
            EXPECT_TRUE(problems[0].startsWith(QStringLiteral("src/%1:2 ").arg(QLatin1String(c.file))))
                << Lines(problems);
            EXPECT_TRUE(problems[0].endsWith(QLatin1String(c.breach))) << Lines(problems);
        }
        copy.restore(QLatin1String(c.file));
    }
}

// The allow-list only shrinks: a line whose include is gone fails until it is removed.
TEST(IncludeDirection, AnAllowedIncludeThatIsGoneFailsUntilItsLineGoes) {
    SourceCopy copy;
    copy.removeLine(QStringLiteral("views/VisitationViews.cpp"),
                    QStringLiteral("#include \"attendance/VisitCodes.h\""));
    const QStringList problems = CheckIncludeDirection(copy.root(), kAllowList);
    ASSERT_EQ(problems.size(), 1) << Lines(problems);
    EXPECT_TRUE(
        problems[0].contains(QLatin1String("(views/VisitationViews.cpp attendance/VisitCodes.h) allows nothing")));

    // A new folder of src/ has to be given its layer.
    QDir(copy.root()).mkdir(QStringLiteral("reports"));
    EXPECT_TRUE(
        CheckIncludeDirection(copy.root(), kAllowList).contains(QLatin1String("src/reports stands on no layer")));
}

}  // namespace
