// Every golden printout of every subsystem (the recorded documents in tests/*/data): no
// two texts of a line stand closer than one blank in the first one's font, measured as the
// recording printer measures them; the blanks a text begins with count as room before it.
// Window drawings (*.window.txt) are not printouts.

#include "data/Text.h"
#include "platform/Printer.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

struct Text {
    double x;
    QString text;
    PrinterFont font;
};

// The texts of one dump, by page and line ("document N" / "page N" / y).
QMap<QString, QList<Text>> LinesOf(const QString& path) {
    static const QRegularExpression item(
        QStringLiteral(R"(^text  (\S+) (\S+)  (.+?) ([\d.]+)((?: bold| underline| italic)*)(?: stretch (\d+))?  \|(.*)\|$)"));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QMap<QString, QList<Text>> lines;
    QString document, page;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("document "))) document = line;
        if (line.startsWith(QLatin1String("page ")) || line.startsWith(QLatin1String("copy "))) page = line;
        const QRegularExpressionMatch m = item.match(line);
        if (!m.hasMatch()) continue;
        const QString attributes = m.captured(5);
        const PrinterFont font{m.captured(3), m.captured(4).toDouble(), attributes.contains(QLatin1String("bold")),
                               attributes.contains(QLatin1String("underline")),
                               attributes.contains(QLatin1String("italic")),
                               m.captured(6).isEmpty() ? 100 : m.captured(6).toInt()};
        lines[document + u'/' + page + u'/' + m.captured(2)].append({m.captured(1).toDouble(), m.captured(7), font});
    }
    return lines;
}

TEST(GoldenPrintouts, KeepABlankBetweenTheTextsOfALine) {
    constexpr double kRounding = 0.01;  // positions are dumped to two decimals
    QStringList dumps;
    const QDir tests(QStringLiteral(FENNICK_TEST_DATA "/../.."));
    for (const QString& sub : tests.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& name : QDir(tests.filePath(sub + QStringLiteral("/data"))).entryList({"*.txt"}))
            if (!name.endsWith(QLatin1String(".window.txt"))) dumps << tests.filePath(sub + "/data/" + name);
    int lines = 0;
    for (const QString& path : dumps) {
        const QMap<QString, QList<Text>> all = LinesOf(path);
        for (auto line = all.begin(); line != all.end(); ++line) {
            ++lines;
            QList<Text> texts = line.value();
            std::sort(texts.begin(), texts.end(), [](const Text& a, const Text& b) { return a.x < b.x; });
            for (qsizetype i = 0; i + 1 < texts.size(); ++i) {
                const Text &a = texts[i], &b = texts[i + 1];
                // A heading split after "/" ("Names/" and "Vis") is one word in two parts.
                if (Trim(a.text).isEmpty() || a.text.endsWith(u'/')) continue;
                const double end = a.x + TableTextWidth(RTrim(a.text), a.font);
                const double next = b.x + TableTextWidth(b.text.left(b.text.size() - LTrim(b.text).size()), b.font);
                if (end + TableTextWidth(QStringLiteral(" "), a.font) > next + kRounding)
                    ADD_FAILURE() << path.toStdString() << " " << line.key().toStdString() << ": |"
                                  << a.text.toStdString() << "| runs up to |" << b.text.toStdString() << "|";
            }
        }
    }
    EXPECT_GT(lines, 1000) << "the goldens were not found";
}

}  // namespace
}  // namespace fennick::test
