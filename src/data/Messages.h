#pragma once
// The shared message buffer: the text being built, its title, the last answer, and the
// scratch value that a few procedures leave for others.

#include <QString>

namespace fennick {

inline const QString NewLine = QStringLiteral("\r\n");

struct Messages {
    QString MsgText;
    QString MsgTitle;
    QString MsgAnswer;
    QString ScratchVar;
};

}  // namespace fennick
