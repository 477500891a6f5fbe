#pragma once
// Plays wave files asynchronously.

#include <QString>

namespace fennick {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing the wave file at path and returns at once; false when it could not
    // be started (missing or unreadable file).
    virtual bool play(const QString& path) = 0;
};

}  // namespace fennick
