#pragma once
// Opens documents with the desktop's program for them.

#include "platform/Shell.h"

namespace fennick {

class QtShell : public Shell {
public:
    // kShellFileNotFound when the file does not exist, kShellNoAssociation when the desktop
    // could not open it, kShellOk otherwise. The desktop opens the file in its own folder, so
    // workingDir is not needed.
    int open(const QString& path, const QString& workingDir) override;
};

}  // namespace fennick
