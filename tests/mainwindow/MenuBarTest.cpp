#include "mainwindow/MenuBar.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace fennick;

namespace {

// The menu bar as the program shows it, one entry a line, two blanks of indent per level:
// name "caption" [shortcut], then "hidden" and "off" (command not built) where they apply;
// a separator is "---" with its name when it has one.
const char* const kMenuBar = R"(mnuFile "&File"
  mnuBackup "&Backup File"
  mnuRestoreCr "&Restore from Backup"
  mnuNewCr "&New Meeting"
  mnuChgCr "C&hange Meeting"
  mnuErase "&Erase Meeting Files"
  mnuMerge "&Merge Files"
  mnuMergeAttendance "Merge &Attendance Updates"
  mnuImportText "Import from Text File" [Ctrl+I]
  mnuExportToAccess "Export to MSAccess" hidden off
  ---
  mnuCompact "&Compact Database"
  mnuFixFile "&Fix  the File" [Ctrl+F]
  mnuInfo "File &Information"
  mnuPref "Fennick &Preferences" [Ctrl+Y]
  mnuCompare "Compare" [Ctrl+C]
  --- mnuRecentFile(0) hidden
  mnuRecentFile(1) "" hidden
  mnuRecentFile(2) "" hidden
  mnuRecentFile(3) "" hidden
  mnuRecentFile(4) "" hidden
  ---
  mnuExit "E&xit" [Ctrl+X]
mnuEdit "&Edit"
  mnuUndo "&Undo Changes" [Ctrl+Z]
  mnuEditMode "&Edit Mode"
  mnuMembers "SDA &Members"
  mnuZipCodes "&Assign ZipCodes" [Ctrl+A]
  mnuEditTeamNames "Edit &Team Names" [Ctrl+T]
  mnuVisits "Enter &Visits"
  ---
  mnuGlobal "&Global Search" [Ctrl+G]
mnuRecords "&Records"
  mnuAddRecords "&Add New Records"
  mnuCopy "&Copy to New Record"
  mnuDeleteRecord "&Delete Record" [Shift+Del]
  munUndeleteRec "&Undelete Records"
  ---
  mnuPreviousRec "&Previous Record" [F7]
  mnuNextRecord "&Next Record" [F8]
mnuTools "&Tools"
  mnuAddLastMeeting "Add &Last Meeting" hidden off
  mnuAttendUpdate "&Attendance Update Form"
  mnuCntWorkers "Count &Team Names"
  mnuTeamAssignments "&Team Assignments"
  ---
  mnuMarkMarkers "Mark all Displayed Records"
  mnuClearMark "Clear Markers"
  ---
  mnuClearIntFlag "Clear Interest Card Flag"
  mnuExcel "Open &Excel Charts"
  mnuMMergeTitle "Mail Merge Files"
    mnuMailMerge "Write &Mail Merge File"
    mnuNamAndNum "Merge Name and Number" [Ctrl+N]
    mnuMMDupIntMemNam "Duplicate Int and Mem Names"
  mnuEmail "Export to E-Mail File" [Ctrl+E]
  mnuExpMap "Export To Street Atlas Maps"
  mnuExportText "Export to Text File"
  ---
  mnuEnterPrayerRequest "Enter &Prayer Request" [Ctrl+P]
  mnuViewPrayerList "&View Prayer List"
mnuPreview "&View Reports"
  mnuPreMasterLists "Master Lists"
    mnuPreAlpha "Master Alphabetical List"
    mnuPreviewFile "Master Attendance List"
    mnuPreZipMaster "Master by Zipcode List"
  mnuPreBap "&Baptism List"
  mnuPreDec "&Decisions"
  mnuPreInt "&Interest Level"
  mnuPreMailList "Preview Mail List"
  mnuPreAddress "Duplicate Addresses" [Ctrl+D]
  mnuStats "&Statistics" [Ctrl+V]
  mnuWkrStats "&Visitation Stats" [Ctrl+W]
mnuPrint "&Print Reports"
  mPrCut "&Meeting Cut Off Point"
  mnuIntMem "Interest and Members Numbers"
  mnuMemIntTickets "Interest and Members Tickets"
  mnunamesbynumber "Interest and Members by Number"
  ---
  mnuPrRptMasters "Master Reports"
    mnuPrRptSubAlpha "Alphabetical Report"
    mnuRptSubAttend "Attendance Report"
    mnuPrRptSelectedMtg "Attending a Selected Meeting"
    mnuPrnTotalAttended "Total Meetings Attended"
    mnuRptSubZip "Names by Zipcode"
  mnuPrRptWorkerCode "Reports by Team"
    mnuPrintAlphaWC "Alphabetical by Team"
    mnuPrintAttendWC "Attendance by Team"
    mnuTeamMaster "Master List by Teams"
    mnuPrnTotalAttendedWC "Total Meetings Attended by Team"
  mnuPrBapt "&Baptisms"
  mnuPrintBaptClass "Baptismal/ Bible Class List"
  mnuPrBaptDate "Baptism Dates"
  mnuSDARpt "Church Pref. SDA"
  mnuPrDecisions "&Decisions"
  mnuICard "&Interest Card Labels" [Ctrl+L]
  mnuPrIntLevel "&Interest Level"
  mnuPrMailLbl "&Mail Labels"
  mnuMapCode "&by Map Code"
  mnuPreCrusade "Pre-Crusade Invitations"
  mnuPrMarked "Special Marked Names"
mnuFilterS "Fi&lters"
  mnuAllAlpha "&All Names by Alpha"
  mnuAlphaCutOffFilter "Alpha Cutoff"
  mnuTeamfilters "Team Code Filters"
    mnuSelTeamCode "Selected Team Code"
    mnuWCAlpha "&Team Code Cutoff Missing"
  ---
  mnuSpecialAttend "Special Attendance Filters"
    mnuAttendFilter "Sorted by &Attendance"
    mnuFilterSelMtg "Attending a Selected Meeting"
    mnuFilterMissedMtgs "Missed Last Meetings"
    mnuTotalAttend "&Total Meetings Attended"
  mnuAdvFilter "Ad&vertising Filter"
  mnuAgeFilter "A&ge"
  mnuBaptisms "&Baptisms"
  mnuBapDate "Baptism Da&tes"
  mnuDecisionsFilter "Decisions"
  mnuAddressFilter "Duplicate Addresses"
  mnuIntLevel "&Interest Level"
  mnuMailList "Mail List Filter"
  mnuNeedInterview "Need Baptism Interview"
  mnuNotes "Notes"
  munPre "&PreCrusade"
  mnuReligion "&Religion"
  mnuZips "&ZipCodes"
  ---
  mnuMarked "Marked Names"
  mnuClearMarks "Clear Selection Marks"
mnuHelp "&Help"
  mnuHelpFiles "&Help Files" [Ctrl+H]
  mnuShortcuts "View Shortcuts" [Ctrl+S]
  mnuPrintManual "Print Fennick Manual"
  mnuUpdate "Update Fennick" [Ctrl+U]
  mnuAbout "&About Fennick")";

QString Line(const MenuEntry& e, int depth) {
    QString s = QString(depth * 2, u' ');
    if (e.separator) {
        s += QStringLiteral("---");
        if (!e.name.isEmpty()) s += u' ' + e.name;
    } else {
        s += e.name + QStringLiteral(" \"") + e.caption + u'"';
    }
    if (!e.shortcut.isEmpty()) s += QStringLiteral(" [") + e.shortcut + u']';
    if (e.hidden) s += QStringLiteral(" hidden");
    if (!e.built) s += QStringLiteral(" off");
    return s;
}

void Render(const QString& parent, int depth, QStringList& out) {
    for (const MenuEntry& e : MenuChildren(parent)) {
        out << Line(e, depth);
        if (IsSubmenu(e.name)) Render(e.name, depth + 1, out);
    }
}

}  // namespace

TEST(MenuBarTest, TheMenuTreeIsTheProgramsMenuBar) {
    QStringList shown;
    Render(QString(), 0, shown);
    const QStringList expected = QString::fromUtf8(kMenuBar).split(u'\n');
    ASSERT_EQ(shown.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(shown[i], expected[i]) << "line " << i + 1;

    // Depth first: every entry is listed once, after its parent.
    QStringList seen;
    for (const MenuEntry& e : MenuBarEntries()) {
        if (!e.parent.isEmpty()) {
            EXPECT_TRUE(seen.contains(e.parent)) << e.name.toStdString();
        }
        if (e.name.isEmpty()) continue;
        EXPECT_FALSE(seen.contains(e.name)) << e.name.toStdString();
        seen << e.name;
    }
}

TEST(MenuBarTest, CommandsNotBuiltCannotBeUsed) {
    struct Case {
        const char* name;
        bool unbuilt;
    };
    const Case cases[] = {
        {"mnuExit", false},          {"mnuRecentFile(3)", false}, {"mnuNextRecord", false}, {"mnuAbout", false},
        {"mnuCopy", false},          {"mnuUpdate", false},        {"mnuWkrStats", false},    {"mnuFilterS", false},
        {"mnuSpecialAttend", false}, {"mnuMMergeTitle", false},   {"ChgRec(0)", false},     {"ChgRec(3)", false},
        {"btnGlobal", false},        {"btnSaveNew", false},       {"ShowAll", false},       {"RNum", false},
        {"nothing", false},          {"btnAttend", false},        {"btnPrayer", false},     {"mnuInfo", false},
        {"mnuVisits", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsUnbuiltCommand(QLatin1String(c.name)), c.unbuilt) << c.name;
}

TEST(MenuBarTest, ToolbarCaptionsFollowTheCaptionLine) {
    // The caption line names the buttons in their order, the marked name after "GoTo".
    QStringList fromButtons;
    for (const ToolbarButton& b : ToolbarButtons()) {
        if (b.name == QStringLiteral("btnPrayer")) continue;
        fromButtons << b.caption;
        if (b.name == QStringLiteral("btnGoTo")) fromButtons << QStringLiteral("Name");
    }
    QStringList fromLine = kButtonLabelsCaption.split(u' ', Qt::SkipEmptyParts);
    EXPECT_EQ(fromButtons, fromLine);
    for (const ToolbarButton& b : ToolbarButtons()) EXPECT_FALSE(b.toolTip.isEmpty()) << b.name.toStdString();
}
