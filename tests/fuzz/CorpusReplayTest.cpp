// Every input of the seed corpora (and every input that once made a reader fail) run
// through the same entry points as the fuzzers, in the ordinary sanitizer build.

#include "FuzzTargets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>

using namespace fennick::test;

namespace {

QDir Corpus(const char* target) { return QDir(QStringLiteral(FENNICK_FUZZ_CORPUS "/") + QLatin1String(target)); }

TEST(CorpusReplay, EveryCorpusFolderBelongsToATargetAndHoldsItsSeeds) {
    const QStringList folders = QDir(QStringLiteral(FENNICK_FUZZ_CORPUS)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList targets;
    for (const FuzzTarget& t : FuzzTargets()) targets << QLatin1String(t.name);
    targets.sort();
    EXPECT_EQ(folders, targets);
    for (const FuzzTarget& t : FuzzTargets())
        EXPECT_GE(Corpus(t.name).entryList(QDir::Files).size(), 5) << t.name << ": too few seeds";
}

TEST(CorpusReplay, EveryInputIsReadOrRefusedWithoutAFault) {
    for (const FuzzTarget& t : FuzzTargets()) {
        const QDir dir = Corpus(t.name);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            SCOPED_TRACE(std::string(t.name) + "/" + name.toStdString());
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            // A fault aborts with the sanitizer's or the target's report after this line.
            std::fprintf(stderr, "replaying %s/%s\n", t.name, qPrintable(name));
            t.run(f.readAll());
        }
    }
}

}  // namespace
