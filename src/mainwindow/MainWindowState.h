#pragma once
// Variables of the main window that several of its procedures share.

#include <QString>

namespace fennick {

struct MainWindowState {
    // The registration number as it stood when the RNum box got the focus, or after the
    // last display or save of a record.
    QString EnteredRNum;
    // The view position shown before the last navigation click or search hit.
    qint16 PrevIndexPos = 1;
    // The notes caution is still to be shown once since the window was activated.
    bool NotesCautionPending = false;
    // Slots appended for new names since add mode began.
    qint16 AddAnother = 0;
    // Caret position in the RelPref box before the key being typed.
    qint16 RelPrefCaret = 0;
    // ZipTable index of the entry the last successful zip lookup found.
    qint16 ZipHitIndex = 0;
    // A new name of add mode is on screen and has no record yet: CurRecNo still belongs to
    // the record shown before, so the screen must not be saved; OrigRecord holds the new
    // name's own values, which Esc puts back. Set by AddNewRecord; cleared when the add-mode
    // buttons append the entry's slot and when a record is shown on the main window.
    bool NewEntryOnScreen = false;
    // The meeting whose heading the window last wrote into the prayer-request journal.
    qint16 LastPrayerMeeting = 0;
    // The window edits a name opened from a line of the report window, which stays open:
    // closing the window then saves the name and goes back to the report window.
    bool EditFromPreview = false;
    // The window shows that no crusade is loaded, its record boxes and the crusade's
    // commands out of use (ShowNoCrusade).
    bool NoCrusadeShown = false;
};

}  // namespace fennick
