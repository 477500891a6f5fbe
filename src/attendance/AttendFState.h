#pragma once
// The attendance screen's own variables. Attend, Decisions and Last carry the names of the
// record fields the screen has no box for: the screen serves them by those names, so that
// the record display fills them as it fills a box (ShowRecord, SetDecision) and the
// dialogs opened over the screen read and write them the same way.

#include <QSet>
#include <QString>

namespace fennick {

struct AttendFState {
    qint16 NN = 0;              // the meeting number the screen was opened for
    qint16 TotalAttending = 0;  // names this opening marked present
    QString DecAtt = QStringLiteral("-");  // the decision code chosen with DecA, "-" for none
    QString Attend;             // count of nights attended of the shown record
    QString Decisions;          // decision string of the shown record
    qint16 Last = 0;            // last night attended of the shown record
    qint16 OrigLastMtg = 0;     // LastMeeting when the screen was opened
    bool Nt = false;            // the notes caution is still to be shown
    qint16 LastPrayerMeeting = 0;  // the meeting whose prayer heading the screen wrote last

    // The meeting number the MtgNum box last held as a valid night (1..40): a refused
    // number gives it back.
    qint16 Night = 0;
    // The nights this opening marked on a person who was absent that night, as record
    // number and night: only such a mark lowers TotalAttending when it is undone.
    QSet<qint64> MarkedHere;

    static qint64 markKey(qint32 record, int night) { return qint64(record) * 64 + night; }

    // The variables reached by name ("Attend", "Decisions", "Last").
    static bool isVariable(const QString& name);
    QString variable(const QString& name) const;
    void setVariable(const QString& name, const QString& text);
};

}  // namespace fennick
