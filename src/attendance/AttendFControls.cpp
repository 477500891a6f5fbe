#include "attendance/AttendFControls.h"

namespace fennick {

namespace {

QStringList Indexed(const char* name, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i) out << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
    return out;
}

}  // namespace

const QStringList& AttendFControlNames() {
    static const QStringList names = [] {
        QStringList n = {
            // Menu.
            "mnuAtTools", "mnuAtPrayerReq",
            // The nightly entry.
            "SearchBox", "lblSearchBox", "EntInd", "SDAIdent", "MtgNum", "lblMtgNum", "btnVscrollUp",
            "btnVScrollDn", "LiveTV", "lblTotalAttending", "RecordCounter", "lblDecInAtt", "lblDecInstruct",
            "frmDecisionsMade", "frmEnterDecisions",
            // The record.
            "RNum", "lblRNum", "FName", "lblFName", "LName", "lblLName", "Address", "lblAddress", "City", "lblCity",
            "State", "lblState", "Zip", "lblZip", "Phone", "lblPhone", "txtEmail", "lbltxtEmail", "IntLevel",
            "lblIntLevel", "WorkerCode", "lblWorkerCode", "Visits", "lblVisits", "BaptDate", "lblBaptDate",
            "Birthdate", "lblBirthdate", "Baptized", "Class", "Notes", "lblNotes", "Attendance", "lblAttendance",
            // Commands.
            "FirstRecordButton", "PreviousRecord", "NextRecord_Button", "LastRecordButton", "Undo", "btnGlobal",
            "MoveToSDA", "btnPrayerRequest", "Exit",
            // Variables.
            "Attend", "Decisions", "Last"};
        n << Indexed("optVid", 2) << Indexed("Dec", 9) << Indexed("ED", 9) << Indexed("DecA", 9);
        return n;
    }();
    return names;
}

const QStringList& MainWindowOnlyControls() {
    static const QStringList names = {"MailList", "Age",       "RelPref",  "Advertising", "MapCode",
                                      "chkMarkToVisit", "RecordPos", "EditLabel", "FndNameBx"};
    return names;
}

}  // namespace fennick
