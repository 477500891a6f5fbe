#pragma once
// A crusade on disk for the tests of the commands that work on crusades as wholes:
// spring (three live records and one deleted, a member list, a zip table and a prayer
// journal) loaded in its data folder, with its files written once so that a command that
// changes nothing leaves them byte for byte as they are; and the files of a folder as a
// map of name to bytes.

#include "FakePlatform.h"
#include "FakeScreen.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace fennick::test {

struct SpringParts {
    bool members = true;
    bool zips = true;
    bool prayer = true;
};

class CrusadeToolsWorld {
public:
    explicit CrusadeToolsWorld(SpringParts parts = {});

    // A path in the data folder, and one in the backup folder (made).
    QString data(const QString& name) const;
    QString backup(const QString& name) const;

    // Loads the crusade of file as the program does, written back once.
    void load(const QString& file);

    TestApp t;
    App& app;
    FakeScreen screen;
    QString spring;  // data/spring.dta
    // How often the table windows and then the crusade's windows were closed, in order
    // ("tables windows tables windows ...").
    QStringList closings;
};

using FolderFiles = QMap<QString, QByteArray>;
// Every file of the folder, by name.
FolderFiles FilesIn(const QString& folder);

}  // namespace fennick::test
