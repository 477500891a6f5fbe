#include "IncludeDirection.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace fennick::test {

namespace {

// The layer of each subsystem folder; the windows' subsystems share one.
const QHash<QString, int>& Layers() {
    static const QHash<QString, int> layers = {
        {"platform", 0}, {"data", 1},       {"views", 2},  {"mainwindow", 3}, {"attendance", 3}, {"reportwindow", 3},
        {"printing", 3}, {"statistics", 3}, {"tables", 3}, {"filetools", 3},  {"app", 4}};
    return layers;
}

// The start-up wiring: it builds every window.
const QString kWiring = QStringLiteral("app");

QString Subsystem(const QString& path) {
    return path.section(u'/', 0, 0);
}

bool InUi(const QString& path) {
    return path.section(u'/', 1, 1) == QLatin1String("ui");
}

// The header as a path under src/, or empty when it is not one of ours.
QString Resolve(const QDir& src, const QString& file, const QString& spelled) {
    if (Layers().contains(Subsystem(spelled)) && !spelled.startsWith(u'.')) return QDir::cleanPath(spelled);
    const QString beside = QDir::cleanPath(QFileInfo(file).path() + u'/' + spelled);
    if (!beside.startsWith(QLatin1String("..")) && QFileInfo::exists(src.filePath(beside))) return beside;
    return QString();
}

}  // namespace

QList<Include> ReadIncludes(const QString& srcRoot) {
    static const QRegularExpression kInclude(QStringLiteral(R"(^\s*#\s*include\s*["<]([^">]+)[">])"));
    const QDir src(srcRoot);
    QList<Include> out;
    QDirIterator it(srcRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = src.relativeFilePath(it.next());
        QFile f(it.filePath());
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QList<QByteArray> lines = f.readAll().split('\n');
        for (int number = 1; number <= lines.size(); ++number) {
            const QByteArray& line = lines[number - 1];
            if (!line.contains("include")) continue;
            const auto m = kInclude.match(QString::fromUtf8(line));
            if (!m.hasMatch()) continue;
            const QString header = Resolve(src, file, m.captured(1));
            if (!header.isEmpty()) out.append({file, header, number});
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Include& a, const Include& b) { return a.file != b.file ? a.file < b.file : a.line < b.line; });
    return out;
}

QString Breach(const Include& include) {
    const QString from = Subsystem(include.file);
    const QString to = Subsystem(include.header);
    if (Layers().value(to) > Layers().value(from)) return QStringLiteral("goes up from %1 to %2").arg(from, to);
    if (!InUi(include.header) || from == kWiring) return QString();
    if (to != from) return QStringLiteral("reaches the windows of %1").arg(to);
    if (!InUi(include.file)) return QStringLiteral("display-free code includes a window");
    return QString();
}

QStringList CheckIncludeDirection(const QString& srcRoot, const QString& allowListPath) {
    QStringList problems;
    for (const QString& folder : QDir(srcRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!Layers().contains(folder)) problems << QStringLiteral("src/%1 stands on no layer").arg(folder);

    // "file header reason", blank lines and # comments skipped.
    QHash<QString, int> allowed;  // "file header" -> line of the list
    QFile list(allowListPath);
    if (!list.open(QIODevice::ReadOnly)) return problems << QStringLiteral("cannot read %1").arg(allowListPath);
    int number = 0;
    while (!list.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
        if (words.size() < 3) {
            problems << QStringLiteral("allow-list line %1 gives no reason").arg(number);
            continue;
        }
        allowed.insert(words[0] + u' ' + words[1], number);
    }

    QSet<QString> used;
    for (const Include& inc : ReadIncludes(srcRoot)) {
        const QString why = Breach(inc);
        if (why.isEmpty()) continue;
        const QString key = inc.file + u' ' + inc.header;
        if (allowed.contains(key)) {
            used.insert(key);
            continue;
        }
        problems << QStringLiteral("src/%1:%2 includes %3: %4").arg(inc.file).arg(inc.line).arg(inc.header, why);
    }
    for (auto it = allowed.cbegin(); it != allowed.cend(); ++it)
        if (!used.contains(it.key()))
            problems
                << QStringLiteral("allow-list line %1 (%2) allows nothing: remove it").arg(it.value()).arg(it.key());
    return problems;
}

}  // namespace fennick::test
