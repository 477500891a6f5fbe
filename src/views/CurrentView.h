#pragma once
// The current view: the sort keys of the chosen records, one entry per record. Every
// entry begins with the registration number (4 characters) and ends with the record
// number right-aligned in 4 characters. Entry 0 is not part of the view.

#include <QByteArray>
#include <QList>
#include <QString>

namespace fennick {

struct CurrentView {
    QList<QByteArray> ReportIndex = QList<QByteArray>(1);
    qint16 ReportCount = 0;
    QString ReportKind;
    QString PrevReportKind;
    qint16 CurIndexPos = 0;  // 1-based position of the shown record; 0 when empty

    qint16 MarkedIndexPos = 0;  // position remembered by the Mark button
    qint16 FamilyMax = 0;       // households kept by the mail-list clean-up view
    QString FilterChoice;       // last answer of the attendance filter dialog
    bool IndexBuilt = false;    // a printed report uses the view as it stands
    bool IncludeF = false;      // interest views include level "F"
    bool CutOffApplied = false;  // the builder left out the names not after PrintCutOff
    // Counts the views begun: every builder empties the view first, so a window that shows
    // the view can tell when another command has replaced it.
    quint32 Generation = 0;

    // Record number held in the last four characters of entry i.
    qint32 recordNumberAt(int i) const;
    // Empties the view (entry 0 only, empty) for a new one.
    void clear();
};

}  // namespace fennick
