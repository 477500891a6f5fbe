#include "data/IniFile.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"
#include "data/Text.h"

#include <QDir>

#include <cmath>

namespace fennick {

namespace {

// A label offset in print form: the shortest text that reads back as the same value.
double PrintableSingle(float value) {
    return QString::number(value, 'g', 7).toDouble();
}

// A single-precision offset read from its line; non-numbers and absurd values are refused.
bool ReadOffset(const QString& item, float& out) {
    if (!IsNumeric(item)) return false;
    const double v = Val(item);
    if (!std::isfinite(v) || std::fabs(v) > 1000.0) return false;
    out = float(v);
    return true;
}

}  // namespace

void SetDataFile(App& app, const QString& path) {
    app.program.DataFile = path;
    app.program.DataDir = FolderOf(path);
}

QString IniFilePath(const App& app) {
    return QDir(app.program.ProgramDir).filePath(kIniFileName);
}

void LoadIniFile(App& app) {
    ProgramSettings& p = app.program;
    try {
        SequentialTextReader in = SequentialTextReader::fromFile(IniFilePath(app));
        if (in.lineCount() < 5) SetDataFile(app, QString());
        if (!in.atEnd()) p.DataFile = in.readItem();
        if (!in.atEnd()) in.readItem();  // "Available"
        if (!in.atEnd()) {
            const QString labels = in.readItem();
            if (IsNumeric(labels)) p.ShowButtonLabels = Val(labels) != 0 ? -1 : 0;
        }
        if (!in.atEnd()) ReadOffset(in.readItem(), p.LabelOffsetDown);
        if (!in.atEnd()) ReadOffset(in.readItem(), p.LabelOffsetRight);
        if (in.lineCount() < 5) p.DataFile.clear();
    } catch (const VbError&) {
        // A missing or unreadable ini file leaves the settings as they were.
    }
    // A crusade whose data file a replacement cut off moved aside is still there: the
    // start screen's opening puts it back.
    SetDataFile(app, !p.DataFile.isEmpty() && CrusadeIsOnDisk(p.DataFile) ? p.DataFile : QString());
}

void SaveIniFile(App& app) {
    const ProgramSettings& p = app.program;
    SequentialTextWriter out;
    WriteValue(out, p.DataFile);
    out.text(QStringLiteral("Available"));
    out.number(qint64(p.ShowButtonLabels));
    out.number(PrintableSingle(p.LabelOffsetDown));
    out.number(PrintableSingle(p.LabelOffsetRight));
    try {
        const GuardedFiles::OwnSave own(app, {OwnFile::IniFile});
        out.save(app.files(), IniFilePath(app));
    } catch (const VbError& e) {
        throw IniFileNotWritten(e.number(), e.description());
    }
}

}  // namespace fennick
