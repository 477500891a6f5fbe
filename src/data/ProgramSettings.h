#pragma once
// Settings of the program itself (its ini file) and of this run.

#include <QString>

namespace fennick {

struct ProgramSettings {
    QString ProgramDir;  // where Fennick.ini, the data folder and the sounds live
    QString DataFile;    // full path of the open (or last) data file
    QString DataDir;     // its folder, ending in '/'
    qint16 ShowButtonLabels = 0;
    float LabelOffsetDown = 0;
    float LabelOffsetRight = 0;
    bool DropFilterOnExit = false;
    bool AskCanada = false;
    QString ScreenMode;  // "edit", "attend", "attendupdate", "Appointment", "backup"
};

}  // namespace fennick
