#include "platform/ui/QtSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace fennick {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

bool QtSound::play(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect(&owner_);
        effect->setSource(path.startsWith(QLatin1String(":/")) ? QUrl(QStringLiteral("qrc") + path)
                                                               : QUrl::fromLocalFile(path));
    }
    if (effect->status() == QSoundEffect::Error) return false;
    // Plays at once when loaded, otherwise as soon as loading has finished.
    effect->play();
    return true;
}

}  // namespace fennick
