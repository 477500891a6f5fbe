#include "platform/ui/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace fennick {

int QtShell::open(const QString& path, const QString&) {
    if (!QFileInfo::exists(path)) return kShellFileNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? kShellOk : kShellNoAssociation;
}

}  // namespace fennick
