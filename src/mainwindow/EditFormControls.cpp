#include "mainwindow/EditFormControls.h"

#include "mainwindow/MenuBar.h"

namespace fennick {

const QStringList& EditFormControlNames() {
    static const QStringList names = [] {
        QStringList n;
        for (const MenuEntry& e : MenuBarEntries())
            if (!e.name.isEmpty()) n << e.name;
        for (const auto* buttons : {&ToolbarButtons(), &OtherButtons()})
            for (const ToolbarButton& b : *buttons) n << b.name;
        n << QStringList{
            // Toolbar row and header.
            "lblShowButtonLabels", "FndNameBx", "Line1", "Line2", "EditLabel", "ReturnToPreviewMsg", "AddNameLabel",
            "MtgNumLabel", "MtgNum", "lblRecordPos", "RecordPos",
            // The record, group by group.
            "grpPerson", "lblRNum", "RNum", "lblFName", "FName", "lblLName", "LName", "grpAddress", "lblAddress",
            "Address", "lblZip", "Zip", "lblState", "State", "lblCity", "City", "MailList", "Label_MailListFocus",
            "grpContact", "lblPhone", "Phone", "lbltxtEmail", "txtEmail", "grpChurch", "lblRelPref", "RelPref",
            "lblAge", "Age", "lblAdvertising", "Advertising", "MapCodeLbl", "MapCode", "grpVisitation", "lblWorkerCode",
            "WorkerCode", "IntLabel", "IntLevel", "VisitsLabel", "Visits", "BaptDateLbl", "BaptDate", "lblBapDate",
            "ClassLbl", "Class", "lBaptized", "Baptized", "lBDate", "BirthDate", "chkMarkToVisit", "grpDecisions",
            "Decisions", "lblDecisions", "grpAttendance", "Attendance", "lblAttend", "Attend", "lblLast", "Last",
            "grpNotes", "Label17", "Notes", "frameVisit", "lblVisitInt", "boxVisitInterest", "lblVisitVisit",
            "boxVisitVisits", "AutoUpdateVisits",
            // Navigation and search row.
            "RecordCounter", "lblNextFieldBtn", "SearchBoxLabel", "SearchBox", "EntInd", "SDAIdent"};
        for (int i = 0; i <= 8; ++i) n << QStringLiteral("Dec(%1)").arg(i);
        return n;
    }();
    return names;
}

}  // namespace fennick
