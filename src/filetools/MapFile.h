#pragma once
// The map file for a street-map program: one comma-separated line per name of the current
// view, no header: number and full name, address, city, state, zip and telephone.

#include <QByteArray>
#include <QString>

namespace fennick {

class App;

// The question asked before the file is written; it names the view's kind.
QString MapExportQuestion(const QString& reportKind);

// The whole file, from the current view: every name, or with mailListOnly only those on
// the mail list (one address per household). An empty selection gives an empty file.
QByteArray MapFile(App& app, bool mailListOnly);

}  // namespace fennick
