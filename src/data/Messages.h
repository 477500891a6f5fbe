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
    // Set while a command runs the repair pass whose one closing message tells how the
    // pass failed: the pass then leaves its failure in MsgText without a box of its own.
    bool KeepRepairFailure = false;
};

}  // namespace fennick
