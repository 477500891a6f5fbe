// The printed statistics page for real: through the Qt printer to a PDF file, read back
// with pdfinfo and pdftotext.

#include "../StatsFixture.h"
#include "data/DataStore.h"
#include "platform/ui/QtPrinter.h"
#include "statistics/Stats.h"
#include "statistics/TeamStats.h"

#include <QProcess>
#include <QRegularExpression>

namespace fennick::test {
namespace {

QString RunTool(const QString& program, const QStringList& args) {
    QProcess proc;
    proc.start(program, args);
    EXPECT_TRUE(proc.waitForFinished(30000)) << program.toStdString() << " did not finish";
    return QString::fromUtf8(proc.readAllStandardOutput());
}

TEST(StatsPrintoutPdf, TheStatisticsPagePrintsToAPdfFile) {
    QtPrinter printer;
    TestApp t(&printer);
    App& app = t.app;
    app.program.DataFile = t.path(QStringLiteral("stats.dta"));
    WriteDataFile(app.program.DataFile, StatsRecords());
    OpenDataFile(app);
    SetStatsVocabulary(app, 12);
    PrinterChoice pdf;
    pdf.toPdf = true;
    pdf.pdfPath = t.path(QStringLiteral("stats.pdf"));
    pdf.copies = 2;  // the report prints one copy whatever the dialog says
    t.dialogs.print(pdf);

    Stats(app, kStatsPrinted);

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf.pdfPath});
    const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(info);
    ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
    EXPECT_EQ(pages.captured(1).toInt(), 1);
    QString text = RunTool(QStringLiteral("pdftotext"), {pdf.pdfPath, QStringLiteral("-")});
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    for (const char* expected : {"Spring Statistical Report", "Monday, March 9, 2026", "Total Names: 15",
                                 "Religious Preference", "Advertising Information", "Avg Baptism Age:",
                                 "NOTES: Active Names are those who have attended 4 or more meetings."})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << " not in " << text.toStdString();
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST(StatsPrintoutPdf, TheVisitationPagePrintsToAPdfFile) {
    QtPrinter printer;
    TestApp t(&printer);
    App& app = t.app;
    app.program.DataFile = t.path(QStringLiteral("teams.dta"));
    WriteDataFile(app.program.DataFile, TeamRecords());
    OpenDataFile(app);
    SetStatsVocabulary(app, 5);
    SetTeamVocabulary(app);
    // A title condensed to end before the date; two long names cut alike but for their end.
    app.settings.CrusadeName = QStringLiteral("Springfield Seventh-day Adventist Spring Crusade");
    app.settings.TeamNames[20] = QStringLiteral("Springfield Seventh-day Adventist Church Team 20:555-0120");
    app.settings.TeamNames[21] = QStringLiteral("Springfield Seventh-day Adventist Church Team 21:555-0121");
    PrinterChoice pdf;
    pdf.toPdf = true;
    pdf.pdfPath = t.path(QStringLiteral("teams.pdf"));
    t.dialogs.print(pdf);

    TeamStats(app, kStatsPrinted);

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf.pdfPath});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption)))
        << info.toStdString();
    QString text = RunTool(QStringLiteral("pdftotext"), {pdf.pdfPath, QStringLiteral("-")});
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    for (const char* expected : {"Springfield Seventh-day Adventist Spring Crusade Visitation Report", "Smith Team",
                                 "\u2026Team 20", "\u2026Team 21", "Total Names: 10", "Total visits: 7/ 70%",
                                 "Current Names are those who have attended one of the last 3 meetings."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " not in " << text.toStdString();
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

}  // namespace
}  // namespace fennick::test
