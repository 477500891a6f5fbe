#pragma once
// The interest-level picker without its display: seven options A to G ("Baptized" for G),
// "Clear Int" and "Cancel", and the letter keys a to g typed while Cancel has the focus.
// It works on a level of its own, given at opening and read back by the caller when the
// picker has closed; a cancel and a pick of the level it had look alike.

#include "data/AttendeeRecord.h"

#include <QChar>
#include <QString>

namespace fennick {

class App;

// btnInt(1..7).
inline constexpr int kIntLevelButtons = 7;

struct SelIntForm {
    QString IntLevel = QStringLiteral(" ");  // one character: "A".."G" or a blank
    int selected = 0;                        // the option selected: 1..7, 0 for none
    QString lblName;
    bool unloaded = false;                   // the picker is to close
};

// The caption of btnInt(k): "A".."F", "Baptized" for the seventh.
QString btnIntCaption(int k);

// Opening on a record: its level, the option of that level selected (none for a blank or
// any level outside A to G), and the name.
void SelIntFm_Load(SelIntForm& f, const AttendeeRecord& rec);
// A click on btnInt(k): another level is taken and the picker closes; the same level
// leaves it open.
void btnInt_Click(SelIntForm& f, int k);
// "Clear Int": the level becomes blank and the picker closes.
void OKBut_Click(SelIntForm& f);
// "Cancel": the picker closes, the level unchanged.
void CancelBut_Click(SelIntForm& f);
// A key typed on Cancel: "a".."g" takes that level (upper case) and closes; any other
// character is refused with a message and the picker stays.
void CancelBut_KeyPress(App& app, SelIntForm& f, QChar key);

inline const QString kIntLevelKeyRefusal = QStringLiteral("you must enter a letter between 'a' and 'g'.");

}  // namespace fennick
