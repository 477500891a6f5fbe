#pragma once
// A zip-code table for the tests of the editor, the team assignment and the printout.

#include "FakePlatform.h"
#include "data/App.h"

#include <QByteArray>
#include <QList>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_BEGIN_NAMESPACE
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toStdString() << '"';
}
QT_END_NAMESPACE

namespace fennick::test {

// An entry as the table holds it: zip (10), state, team, city (15), count right-aligned in 4.
inline QByteArray Z(const char* zip, const char* state, const char* team, const char* city, int count) {
    return QByteArray(zip).leftJustified(10, ' ', true) + state + team +
           QByteArray(city).leftJustified(15, ' ', true) + QByteArray::number(count).rightJustified(4);
}

// Entries 1.. of the table, ZipCount set.
inline void SetZips(App& app, const QList<QByteArray>& entries) {
    for (int i = 0; i < entries.size(); ++i) app.crusade.ZipTable[i + 1] = entries[i];
    app.crusade.ZipCount = qint16(entries.size());
}

inline QList<QByteArray> Zips(const App& app) {
    return app.crusade.ZipTable.mid(1, app.crusade.ZipCount);
}

}  // namespace fennick::test
