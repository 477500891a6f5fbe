#pragma once
// The include direction of the sources: every subsystem folder of src/ stands on a layer,
// platform < data < views < the windows' subsystems < app, and a file includes only
// headers of its own layer or below. The windows of a subsystem (its ui/ folder) are
// included only by that subsystem's windows and by the start-up wiring (app); display-free
// code includes no window. Known exceptions are read from an allow-list, one line each with
// its reason; a line whose include has gone is reported too, so the list only shrinks.

#include <QList>
#include <QString>
#include <QStringList>

namespace fennick::test {

struct Include {
    QString file;    // as under src/: "data/App.h"
    QString header;  // as under src/: "mainwindow/MainWindowState.h"
    int line = 0;
};

// The #include lines of every source file under srcRoot that name a header of src/
// (quoted or bracketed, as a path from src/ or relative to the including file).
QList<Include> ReadIncludes(const QString& srcRoot);

// Why the include goes against the layers; empty when it does not.
QString Breach(const Include& include);

// Every include that breaks the layers and is not on the allow-list, every allow-list line
// that matches no include or gives no reason, and every folder of src/ that has no layer.
QStringList CheckIncludeDirection(const QString& srcRoot, const QString& allowListPath);

}  // namespace fennick::test
