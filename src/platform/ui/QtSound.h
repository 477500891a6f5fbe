#pragma once
// Wave files played with QSoundEffect. A path beginning ":/" names one of the program's
// embedded sounds.

#include "platform/Sound.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

namespace fennick {

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    bool play(const QString& path) override;

private:
    QObject owner_;  // parent of the loaded effects
    // One effect per file, loaded once and reused.
    QHash<QString, QSoundEffect*> effects_;
};

}  // namespace fennick
