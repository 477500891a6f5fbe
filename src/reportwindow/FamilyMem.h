#pragma once
// The household mail-list editor without its display. It shows one household of the
// clean-mail-list view at a time, a box per member ticked where the member is on the mail
// list; moving to another household first writes the ticks of the one left (SaveFamily),
// and closing marks each entry of the household shown "$" (ticked) or "-" for the caller,
// which writes those. Members are read into records of the editor's own, never into the
// working record, and a household may be of any size.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace fennick {

class App;

// The values of a ckFamily box.
inline constexpr int kBoxClear = 0;
inline constexpr int kBoxTicked = 1;
inline constexpr int kBoxGreyed = 2;

struct FamilyMemForm {
    // The view entries of the household shown (FamilyList, FamilyCount = its size).
    QList<QByteArray> FamilyList;
    // One per member, in FamilyList order: ckFamily(i) with its caption, and MLAge(i).
    QList<int> ckFamily;
    QStringList ckFamilyCaption;
    QStringList MLAge;
    QString caption;        // the window's title
    QString RecordCounter;  // "12 of 40"
    QString txtEditFamily;  // address and city
    bool unloaded = false;  // the editor is to close
};

// Draws the household of FamilyList from its records: the counter, the address and a box
// per member.
void FamilyMem_Load(App& app, FamilyMemForm& f);
// Collects household m of the current view into FamilyList, leaves its key in key and
// draws it.
void ChangeFamily(App& app, FamilyMemForm& f, QByteArray& key, int m);
// Writes the ticks of the household shown: MailList 1 for a ticked or greyed box, else 0.
// False, after one message naming the members not written, when a record was not written.
bool SaveFamily(App& app, FamilyMemForm& f);

// The moves: each writes the household left, then draws the other one; a household not
// written stays shown. Previous on the first household and Next on the last only say so.
void FirstFmy_Click(App& app, FamilyMemForm& f);
void btnPrevFmy_Click(App& app, FamilyMemForm& f);
void btnNextFmy_Click(App& app, FamilyMemForm& f);
void LastFamily_Click(App& app, FamilyMemForm& f);
// "Close".
void SelMlLClose_Click(FamilyMemForm& f);
// However the editor closes: the first character of each entry becomes "$" for a box not
// clear, "-" otherwise.
void FamilyMem_Unload(FamilyMemForm& f);

inline const QString kFamilyBeginning = QStringLiteral("You have reached the begining of the list!");
inline const QString kFamilyEnd = QStringLiteral("You have reached the end of the list!");

}  // namespace fennick
