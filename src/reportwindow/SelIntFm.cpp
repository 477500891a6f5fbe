#include "reportwindow/SelIntFm.h"

#include "data/App.h"
#include "data/Messages.h"
#include "data/Text.h"
#include "platform/Dialogs.h"

namespace fennick {

namespace {

void SaveNQuit(SelIntForm& f) {
    f.unloaded = true;
}

QChar LevelLetter(int k) {
    return QChar(u'A' + (k - 1));
}

}  // namespace

QString btnIntCaption(int k) {
    return k == kIntLevelButtons ? QStringLiteral("Baptized") : QString(LevelLetter(k));
}

void SelIntFm_Load(SelIntForm& f, const AttendeeRecord& rec) {
    f = SelIntForm();
    f.IntLevel = FromAnsi(rec.IntLevel.bytes());
    const QChar c = f.IntLevel.at(0);
    // A level outside A to G (a lower-case letter, a digit) has no option to select.
    f.selected = c >= u'A' && c <= u'G' ? c.unicode() - u'A' + 1 : 0;
    f.lblName = QStringLiteral("Select Interest level for: ") + NewLine +
                FromAnsi(rec.FName.trimmed() + " " + rec.LName.bytes());
}

void btnInt_Click(SelIntForm& f, int k) {
    if (k < 1 || k > kIntLevelButtons) return;
    f.selected = k;
    const QString letter(LevelLetter(k));
    if (letter == f.IntLevel) return;
    f.IntLevel = letter;
    SaveNQuit(f);
}

void OKBut_Click(SelIntForm& f) {
    f.IntLevel = QStringLiteral(" ");
    SaveNQuit(f);
}

void CancelBut_Click(SelIntForm& f) {
    f.unloaded = true;
}

void CancelBut_KeyPress(App& app, SelIntForm& f, QChar key) {
    if (key < u'a' || key > u'g') {
        app.dialogs().msgBox(kIntLevelKeyRefusal);
        return;
    }
    f.IntLevel = QString(key.toUpper());
    SaveNQuit(f);
}

}  // namespace fennick
