#pragma once
// The rules of the preferences dialog "Fennick Preferences" (frmTab) over a typed form.
// The window copies its boxes into a PreferencesForm, calls one procedure and shows the
// form again: boxes, the tab in front, the print button, and the focus asked for. The
// tests drive the same procedures without a window.
//
// Loading copies the crusade's settings into the boxes and keeps a copy of them (loaded);
// a change of a box marks the dialog changed (PrefsChanged) when it differs from its copy.
// Save checks every number box first, then copies the boxes into the settings, asks about
// a change of the last meeting, writes the settings file and only then erases the later
// attendance when the last meeting was lowered. A settings file that cannot be written
// puts the settings back as they were. The dialog saves only into the crusade it was
// loaded from.

#include <QString>

#include <array>

namespace fennick {

class App;
class MainScreen;

// The boxes of the six tabs, as shown or typed. Arrays are indexed as the controls are
// (prefDec(1)..prefDec(9), Team(1)..Team(40)); index 0 is unused.
struct PreferenceBoxes {
    // General
    QString CrNameM_Box;
    QString CrDateM_Box;
    QString LastMeetingBox;
    QString PrintCutOffBox;
    std::array<QString, 5> bxSabAM;  // bxSabAM1..bxSabAM4
    QString ResNumMM;
    int ResDirMM = -1;  // the option chosen: 0 "Up", 1 "Down", -1 neither
    bool ckSoundOff = false;
    bool ckCanada = false;
    bool boxShowButtonLabels = false;
    QString bxLabelTop;
    QString bxLabelRight;
    // Decisions, churches, sermons, teams
    std::array<QString, 10> prefDec;
    std::array<QString, 10> prefDecCode;
    std::array<QString, 15> prefReligion;
    std::array<QString, 41> prefSerm;
    std::array<QString, 41> Team;
    std::array<QString, 41> TmPhone;

    // The text box of that control name ("CrNameM_Box", "bxSabAM2", "prefSerm(7)"); null
    // for any other name.
    QString* text(const QString& name);
    const QString* text(const QString& name) const;
};

struct PreferencesForm : PreferenceBoxes {
    PreferenceBoxes loaded;      // the boxes as loading filled them
    bool PrefsChanged = false;
    int Tab = 1;                 // the tab (and frame) in front, 1..6
    bool btnPrintTeams = false;  // the team list's print button stands
    QString DataFile;            // the crusade the dialog was loaded from

    // Asked of the window by the last procedure; the window meets and clears them.
    QString Focus;            // the control to receive the focus
    bool SelectFocus = false;  // the whole text of that box selected
};

// Every text box of the dialog by control name, in tab order.
const QStringList& PreferenceTextBoxes();

// File > "Fennick Preferences": the shown record is saved, then the dialog opens
// (modeless) on the General tab.
void mnuPref_Click(App& app, MainScreen& form);
// Edit > "Edit Team Names": the dialog opens on the team tab (MsgText "team").
void mnuEditTeamNames_Click(App& app, MainScreen& form);

// Fills the form from the settings. The tab is 5, with the print button, when MsgText
// holds "team", else 1; MsgText is emptied.
void frmTab_Load(App& app, PreferencesForm& form);
// The dialog, already open, asked for again: the team tab when MsgText holds "team", the
// boxes as they are; MsgText is emptied.
void ShowPreferencesAgain(App& app, PreferencesForm& form);
// A tab chosen: its frame in front; the sermon tab puts the focus in the first sermon box,
// the team tab shows the print button.
void tabPref_Click(PreferencesForm& form, int tab);

// A change of the control of that name (a typed text, a check box or option clicked)
// marks the dialog changed when the control differs from its loaded copy. The team
// boxes mark it on any edit; the sound box on any click.
void MarkChange(PreferencesForm& form, const QString& name);
// An option of the registration direction: the setting follows at once (even when the
// dialog is cancelled afterwards), then the change is marked.
void ResDirMM_Click(App& app, PreferencesForm& form, int index);

// A click into title or code box i: decisions 1, 2 and 9 are refused with a message and
// the focus goes to the help button. True when refused.
bool prefDec_Click(App& app, PreferencesForm& form, int i);
bool prefDecCode_Click(App& app, PreferencesForm& form, int i);
// Enter in sermon box i: the focus goes to the next box (after box 40 to box 1).
void prefSerm_KeyDown(PreferencesForm& form, int i);
// A double click in team box i fills the default name "Team #" and i.
void Team_DblClick(PreferencesForm& form, int i);
// The help message (the form is the dialog's, to tell this help button from others).
void HelpButton_Click(App& app, PreferencesForm& form);

// Cancel: asks before dropping changes. True when the dialog is to close.
bool btnCancel_Click(App& app, PreferencesForm& form);
// Save: SavePreferences, then the dialog closes unless a box was refused or the change of
// the last meeting was refused. True when the dialog is to close.
bool btnSave_Click(App& app, PreferencesForm& form);
// Copies the boxes into the settings and writes the settings file; nothing when nothing
// changed. False when a number box was refused (after its message, before anything was
// copied) or the user refused the change of the last meeting (the other settings are
// saved); the focus is on that box. When the file cannot be written, VbError passes to the
// caller with the settings as they were before and the dialog still marked changed.
bool SavePreferences(App& app, PreferencesForm& form);

}  // namespace fennick
