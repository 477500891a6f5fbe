#include "filetools/CrusadeFileCommands.h"

#include "attendance/AttendanceMerge.h"
#include "data/LostCrusade.h"
#include "filetools/BackupCompare.h"
#include "filetools/BackupRestore.h"
#include "filetools/Compaction.h"
#include "filetools/CrusadeMerge.h"
#include "filetools/ExportCommands.h"
#include "filetools/TextImport.h"
#include "mainwindow/MenuBar.h"
#include "mainwindow/Navigation.h"
#include "reportwindow/ReportMenus.h"

namespace fennick {

const QList<CrusadeFileCommand>& CrusadeFileCommands() {
    static const QList<CrusadeFileCommand> commands = {
        {"mnuBackup", mnuBackup_Click},
        {"mnuRestoreCr", mnuRestoreCr_Click},
        {"mnuMerge", mnuMerge_Click, RecordSource::OtherCrusade},
        {"mnuMergeAttendance", mnuMergeAttendance_Click, RecordSource::OtherComputer},
        {"mnuImportText", mnuImportText_Click, RecordSource::TextFile},
        {"mnuCompact", mnuCompact_Click},
        {"mnuFixFile", mnuFixFile_Click},
        {"mnuCompare", mnuCompare_Click, RecordSource::Backup},
        {"mnuClearIntFlag", mnuClearIntFlag_Click},
        {"mnuMailMerge", mnuMailMerge_Click},
        {"mnuNamAndNum", mnuNamAndNum_Click},
        {"mnuMMDupIntMemNam", mnuMMDupIntMemNam_Click},
        {"mnuEmail", mnuEmail_Click},
        {"mnuExpMap", mnuExpMap_Click},
        {"mnuExportText", mnuExportText_Click},
    };
    return commands;
}

QString CommandCaption(const CrusadeFileCommand& command) {
    const MenuEntry* entry = FindMenuEntry(QLatin1String(command.item));
    return entry ? QString(entry->caption).remove(u'&').simplified() : QString::fromLatin1(command.item);
}

void RunCrusadeFileCommand(App& app, MainScreen& form, const CrusadeFileCommand& command) {
    if (RefuseWhileFilesLost(app, CommandCaption(command))) return;
    command.run(app, form);
}

}  // namespace fennick
