#pragma once
// Opening a document with the program the desktop associates with it.

#include <QString>

namespace fennick {

// Results keep the classic meaning: above 32 is success; 2 the file was not found;
// 31 no program is associated with the document.
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellNoAssociation = 31;
inline constexpr int kShellOk = 42;

class Shell {
public:
    virtual ~Shell() = default;
    virtual int open(const QString& path, const QString& workingDir) = 0;
};

}  // namespace fennick
