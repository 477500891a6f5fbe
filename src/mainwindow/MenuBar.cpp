#include "mainwindow/MenuBar.h"

#include <QHash>

namespace fennick {

namespace {

// Builds the table depth first while remembering which menu is being filled.
class MenuTable {
public:
    // A menu of the bar; the items that follow belong to it.
    MenuTable& menu(const char* name, const char* caption) {
        add({QLatin1String(name), QString::fromUtf8(caption), {}, {}, false, false, true});
        menu_ = current_ = QLatin1String(name);
        return *this;
    }
    // A submenu item; the items that follow belong to it until end().
    MenuTable& sub(const char* name, const char* caption) {
        add({QLatin1String(name), QString::fromUtf8(caption), {}, current_, false, false, true});
        current_ = QLatin1String(name);
        return *this;
    }
    MenuTable& end() {
        current_ = menu_;
        return *this;
    }
    // An item whose command is not built yet.
    MenuTable& item(const char* name, const char* caption, const char* shortcut = "") {
        add({QLatin1String(name), QString::fromUtf8(caption), QLatin1String(shortcut), current_, false, false, false});
        return *this;
    }
    // An item whose command is built.
    MenuTable& built(const char* name, const char* caption, const char* shortcut = "") {
        add({QLatin1String(name), QString::fromUtf8(caption), QLatin1String(shortcut), current_, false, false, true});
        return *this;
    }
    // An item that is never shown and has no command.
    MenuTable& hidden(const char* name, const char* caption) {
        add({QLatin1String(name), QString::fromUtf8(caption), {}, current_, false, true, false});
        return *this;
    }
    MenuTable& separator(const char* name = "", bool hiddenAtStart = false) {
        add({QLatin1String(name), {}, {}, current_, true, hiddenAtStart, true});
        return *this;
    }
    // Items shown only once the program fills them in.
    MenuTable& builtHidden(const QString& name) {
        add({name, {}, {}, current_, false, true, true});
        return *this;
    }
    QList<MenuEntry> entries;

private:
    void add(MenuEntry e) { entries.append(std::move(e)); }
    QString menu_;
    QString current_;
};

// A submenu whose items are none of them built is out of use as a whole.
void MarkSubmenusOfUnbuiltItems(QList<MenuEntry>& entries) {
    for (MenuEntry& sub : entries) {
        if (sub.parent.isEmpty() || sub.separator) continue;
        bool holdsItems = false;
        bool anyBuilt = false;
        for (const MenuEntry& e : std::as_const(entries)) {
            if (e.parent != sub.name || e.separator) continue;
            holdsItems = true;
            anyBuilt = anyBuilt || e.built;
        }
        if (holdsItems) sub.built = anyBuilt;
    }
}

QList<MenuEntry> BuildMenuBar() {
    MenuTable t;
    t.menu("mnuFile", "&File")
        .built("mnuBackup", "&Backup File")
        .built("mnuRestoreCr", "&Restore from Backup")
        .built("mnuNewCr", "&New Meeting")
        .built("mnuChgCr", "C&hange Meeting")
        .built("mnuErase", "&Erase Meeting Files")
        .built("mnuMerge", "&Merge Files")
        .built("mnuMergeAttendance", "Merge &Attendance Updates")
        .built("mnuImportText", "Import from Text File", "Ctrl+I")
        .hidden("mnuExportToAccess", "Export to MSAccess")
        .separator()
        .built("mnuCompact", "&Compact Database")
        .built("mnuFixFile", "&Fix  the File", "Ctrl+F")
        .built("mnuInfo", "File &Information")
        .built("mnuPref", "Fennick &Preferences", "Ctrl+Y")
        .built("mnuCompare", "Compare", "Ctrl+C")
        .separator("mnuRecentFile(0)", true);
    for (int i = 1; i <= 4; ++i) t.builtHidden(QStringLiteral("mnuRecentFile(%1)").arg(i));
    t.separator().built("mnuExit", "E&xit", "Ctrl+X");

    t.menu("mnuEdit", "&Edit")
        .built("mnuUndo", "&Undo Changes", "Ctrl+Z")
        .built("mnuEditMode", "&Edit Mode")
        .built("mnuMembers", "SDA &Members")
        .built("mnuZipCodes", "&Assign ZipCodes", "Ctrl+A")
        .built("mnuEditTeamNames", "Edit &Team Names", "Ctrl+T")
        .built("mnuVisits", "Enter &Visits")
        .separator()
        .built("mnuGlobal", "&Global Search", "Ctrl+G");

    t.menu("mnuRecords", "&Records")
        .built("mnuAddRecords", "&Add New Records")
        .built("mnuCopy", "&Copy to New Record")
        .built("mnuDeleteRecord", "&Delete Record", "Shift+Del")
        .built("munUndeleteRec", "&Undelete Records")
        .separator()
        .built("mnuPreviousRec", "&Previous Record", "F7")
        .built("mnuNextRecord", "&Next Record", "F8");

    t.menu("mnuTools", "&Tools")
        .hidden("mnuAddLastMeeting", "Add &Last Meeting")
        .built("mnuAttendUpdate", "&Attendance Update Form")
        .built("mnuCntWorkers", "Count &Team Names")
        .built("mnuTeamAssignments", "&Team Assignments")
        .separator()
        .built("mnuMarkMarkers", "Mark all Displayed Records")
        .built("mnuClearMark", "Clear Markers")
        .separator()
        .built("mnuClearIntFlag", "Clear Interest Card Flag")
        .built("mnuExcel", "Open &Excel Charts")
        .sub("mnuMMergeTitle", "Mail Merge Files")
        .built("mnuMailMerge", "Write &Mail Merge File")
        .built("mnuNamAndNum", "Merge Name and Number", "Ctrl+N")
        .built("mnuMMDupIntMemNam", "Duplicate Int and Mem Names")
        .end()
        .built("mnuEmail", "Export to E-Mail File", "Ctrl+E")
        .built("mnuExpMap", "Export To Street Atlas Maps")
        .built("mnuExportText", "Export to Text File")
        .separator()
        .built("mnuEnterPrayerRequest", "Enter &Prayer Request", "Ctrl+P")
        .built("mnuViewPrayerList", "&View Prayer List");

    t.menu("mnuPreview", "&View Reports")
        .sub("mnuPreMasterLists", "Master Lists")
        .built("mnuPreAlpha", "Master Alphabetical List")
        .built("mnuPreviewFile", "Master Attendance List")
        .built("mnuPreZipMaster", "Master by Zipcode List")
        .end()
        .built("mnuPreBap", "&Baptism List")
        .built("mnuPreDec", "&Decisions")
        .built("mnuPreInt", "&Interest Level")
        .built("mnuPreMailList", "Preview Mail List")
        .built("mnuPreAddress", "Duplicate Addresses", "Ctrl+D")
        .built("mnuStats", "&Statistics", "Ctrl+V")
        .built("mnuWkrStats", "&Visitation Stats", "Ctrl+W");

    t.menu("mnuPrint", "&Print Reports")
        .built("mPrCut", "&Meeting Cut Off Point")
        .built("mnuIntMem", "Interest and Members Numbers")
        .built("mnuMemIntTickets", "Interest and Members Tickets")
        .built("mnunamesbynumber", "Interest and Members by Number")
        .separator()
        .sub("mnuPrRptMasters", "Master Reports")
        .built("mnuPrRptSubAlpha", "Alphabetical Report")
        .built("mnuRptSubAttend", "Attendance Report")
        .built("mnuPrRptSelectedMtg", "Attending a Selected Meeting")
        .built("mnuPrnTotalAttended", "Total Meetings Attended")
        .built("mnuRptSubZip", "Names by Zipcode")
        .end()
        .sub("mnuPrRptWorkerCode", "Reports by Team")
        .built("mnuPrintAlphaWC", "Alphabetical by Team")
        .built("mnuPrintAttendWC", "Attendance by Team")
        .built("mnuTeamMaster", "Master List by Teams")
        .built("mnuPrnTotalAttendedWC", "Total Meetings Attended by Team")
        .end()
        .built("mnuPrBapt", "&Baptisms")
        .built("mnuPrintBaptClass", "Baptismal/ Bible Class List")
        .built("mnuPrBaptDate", "Baptism Dates")
        .built("mnuSDARpt", "Church Pref. SDA")
        .built("mnuPrDecisions", "&Decisions")
        .built("mnuICard", "&Interest Card Labels", "Ctrl+L")
        .built("mnuPrIntLevel", "&Interest Level")
        .built("mnuPrMailLbl", "&Mail Labels")
        .built("mnuMapCode", "&by Map Code")
        .built("mnuPreCrusade", "Pre-Crusade Invitations")
        .built("mnuPrMarked", "Special Marked Names");

    t.menu("mnuFilterS", "Fi&lters")
        .built("mnuAllAlpha", "&All Names by Alpha")
        .built("mnuAlphaCutOffFilter", "Alpha Cutoff")
        .sub("mnuTeamfilters", "Team Code Filters")
        .built("mnuSelTeamCode", "Selected Team Code")
        .built("mnuWCAlpha", "&Team Code Cutoff Missing")
        .end()
        .separator()
        .sub("mnuSpecialAttend", "Special Attendance Filters")
        .built("mnuAttendFilter", "Sorted by &Attendance")
        .built("mnuFilterSelMtg", "Attending a Selected Meeting")
        .built("mnuFilterMissedMtgs", "Missed Last Meetings")
        .built("mnuTotalAttend", "&Total Meetings Attended")
        .end()
        .built("mnuAdvFilter", "Ad&vertising Filter")
        .built("mnuAgeFilter", "A&ge")
        .built("mnuBaptisms", "&Baptisms")
        .built("mnuBapDate", "Baptism Da&tes")
        .built("mnuDecisionsFilter", "Decisions")
        .built("mnuAddressFilter", "Duplicate Addresses")
        .built("mnuIntLevel", "&Interest Level")
        .built("mnuMailList", "Mail List Filter")
        .built("mnuNeedInterview", "Need Baptism Interview")
        .built("mnuNotes", "Notes")
        .built("munPre", "&PreCrusade")
        .built("mnuReligion", "&Religion")
        .built("mnuZips", "&ZipCodes")
        .separator()
        .built("mnuMarked", "Marked Names")
        .built("mnuClearMarks", "Clear Selection Marks");

    t.menu("mnuHelp", "&Help")
        .built("mnuHelpFiles", "&Help Files", "Ctrl+H")
        .built("mnuShortcuts", "View Shortcuts", "Ctrl+S")
        .built("mnuPrintManual", "Print Fennick Manual")
        .built("mnuUpdate", "Update Fennick", "Ctrl+U")
        .built("mnuAbout", "&About Fennick");
    MarkSubmenusOfUnbuiltItems(t.entries);
    return t.entries;
}

ToolbarButton Button(const char* name, const char* caption, const char* tip, bool built = false) {
    return {QLatin1String(name), QString::fromUtf8(caption), QString::fromUtf8(tip), built};
}

}  // namespace

const QList<MenuEntry>& MenuBarEntries() {
    static const QList<MenuEntry> entries = BuildMenuBar();
    return entries;
}

QList<MenuEntry> MenuChildren(const QString& parent) {
    QList<MenuEntry> out;
    for (const MenuEntry& e : MenuBarEntries())
        if (e.parent == parent) out.append(e);
    return out;
}

const MenuEntry* FindMenuEntry(const QString& name) {
    if (name.isEmpty()) return nullptr;
    for (const MenuEntry& e : MenuBarEntries())
        if (e.name == name) return &e;
    return nullptr;
}

bool IsSubmenu(const QString& name) {
    if (name.isEmpty()) return false;
    for (const MenuEntry& e : MenuBarEntries())
        if (e.parent == name) return true;
    return false;
}

const QList<ToolbarButton>& ToolbarButtons() {
    static const QList<ToolbarButton> buttons = {
        Button("btnGlobal", "Global", "Global Search", true),
        Button("btnAddName", "New", "Add new names", true),
        Button("btnSDA", "SDA", "Move to SDA Member File or Right Click to Edit Member File", true),
        Button("btnDelete", "Del/", "Remove name from the file", true),
        Button("btnUndelete", "Restore", "Restore Deleted Name", true),
        Button("btnMark", "Mark", "Mark displayed name to return to later", true),
        Button("btnGoTo", "GoTo", "Return to marked name", true),
        Button("btnUndo", "Undo", "Undo Changes made to this record", true),
        Button("btnAttend", "Attend", "Mark attendance at a meeting", true),
        Button("btnViewFile", "PreV", "Preview the names as a report", true),
        Button("btnExcel", "Chart", "Open the statistics charts", true),
        Button("btnStats", "Stats", "Crusade statistics", true),
        Button("btnPrayer", "Prayer", "Use this instead of Notes  for all pertinant Comments or Prayer Requests [Ctrl-P]",
               true),
    };
    return buttons;
}

const QList<ToolbarButton>& OtherButtons() {
    static const QList<ToolbarButton> buttons = {
        Button("btnSaveNew", "Save and New", "Save this name and begin the next", true),
        Button("btnSaveExit", "Save and Exit", "Save this name and leave adding names", true),
        Button("btnCancelNew", "Cancel and Exit", "Drop this name and leave adding names", true),
        Button("ShowAll", "All Names", "Display all names ", true),
        Button("ChgRec(0)", "|<", "First name of the list", true),
        Button("ChgRec(1)", "<", "Right Click for next church, alphabet, worker code, etc.", true),
        Button("ChgRec(2)", ">", "Right Click for next  alphabet, worker code, etc.", true),
        Button("ChgRec(3)", ">|", "Last name of the list", true),
        Button("btnVisitUpdate", "Update", "Copy the interest level and visit into the record", true),
    };
    return buttons;
}

bool IsUnbuiltCommand(const QString& name) {
    static const QHash<QString, bool> unbuilt = [] {
        QHash<QString, bool> h;
        for (const MenuEntry& e : MenuBarEntries())
            if (!e.name.isEmpty() && !e.built) h.insert(e.name, true);
        for (const auto* list : {&ToolbarButtons(), &OtherButtons()})
            for (const ToolbarButton& b : *list)
                if (!b.built) h.insert(b.name, true);
        return h;
    }();
    return unbuilt.contains(name);
}

}  // namespace fennick
