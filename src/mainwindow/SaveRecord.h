#pragma once
// Saving the record shown on the main window: the screen is copied into CurRecord,
// compared with the copy taken when it was shown (OrigRecord), and when anything changed
// it is written back at CurRecNo and its view entry is rebuilt from the edited fields.

#include <QByteArray>
#include <QtGlobal>

namespace fennick {

class App;
class MainScreen;

// The view entry of a copied record that has not been written yet; it is always saved.
inline const QByteArray kNotSavedYet = QByteArrayLiteral("NotSavedYet");

// The box being typed in is left first (MainScreen::leaveFocusedBox). Empty LName and RNum
// boxes get "Unknown" and the next reserved number, then the screen is copied and, when it
// differs from OrigRecord (or the entry is "NotSavedYet"), written and re-keyed.
// PrevRecord becomes the screen's record. With an empty view nothing is written. Returns
// false when the save is refused after a message (the box left refused its text, no
// registration number left to issue, a box that ScreenToRecord refuses, or a number
// another live record holds: the RNum box then gets the record's own number back and
// CurRecord is as before); nothing is written then. A new name of add mode that has no
// slot yet (NewEntryOnScreen) is never saved: false, without a message, and nothing
// changes.
bool SaveCurrentRecord(App& app, MainScreen& form);

// Copies the record controls into CurRecord (CardPrinted has no control and is kept).
// A Last box that does not hold a whole number from 0 to 40, an RNum box that does not
// hold four digits and a WorkerCode box that holds neither "00" to "40" nor the deleted
// mark "##" are refused with a message before anything is copied, the focus back in the
// refused number or team box, and false is returned.
bool ScreenToRecord(App& app, MainScreen& form);

// Position of the view entry that names the record at CurRecNo: the current position
// when it does (or holds the copy marker), otherwise the first entry with that record
// number; 0 when the view holds none.
int EntryOfCurrentRecord(const App& app);

// Whether the main window shows record n: its screen names n, which is CurRecNo, and
// holds no new name of add mode.
bool MainWindowShows(const App& app, qint32 n);

// Undo and Delete: the record shown (CurRecNo) is put back on the main window as the data
// file holds it (as it was shown when it cannot be read), every change made to it
// discarded. A refused write of it goes with them: the crusade's files saved in another
// folder hold the record as the data file does.
void PutBackFileCopy(App& app, MainScreen& form);

// Esc put a box of the main window back as the record shown was read: when no box
// differs from it any more, every change made to it is discarded, and a refused write of
// it goes with them as with PutBackFileCopy.
void LetGoOfDiscardedChanges(App& app, const MainScreen& form);

// Another window is about to write record n on its own. When the main window shows n,
// its screen is saved first as the main window saves it, so that what was typed there is
// kept and its later save cannot write the screen over that window's change. Returns
// false when that save was refused (after the main window's message): n is not to be
// written then. Any other record: true, and nothing happens.
bool SaveScreenBeforeWrite(App& app, qint32 n);

// After such a write: when the main window shows n, it is read again and shown, so that
// the screen holds the change and a later save finds nothing to write.
void ShowRecordAfterWrite(App& app, qint32 n);

// Makes room for a new record: one more record in the file's count and one more view
// entry ("-------" and the record number), which becomes current. Nothing is written.
void AppendRecordSlot(App& app);

}  // namespace fennick
