#pragma once
// Small shared operations: column justification, text helpers, the named sounds, the
// help window and the user manual.

#include <QByteArray>
#include <QString>

namespace fennick {

class App;

// Left-aligned in n characters: cut when longer, padded with at most 57 blanks.
QString PadRight(const QString& text, int n);
QByteArray PadRight(const QByteArray& text, int n);
// Right-aligned in n characters: the last n characters of 57 blanks and the text.
QString PadLeft(const QString& text, int n);
QByteArray PadLeft(const QByteArray& text, int n);
// The number with its sign position, right-aligned in 4 characters (7 -> "   7").
QString RightJust4(qint64 n);
// The file-name part of a path (after the last '/' or '\'); the whole text without one.
QString FileTitle(const QString& path);
// Empty -> "Unknown"; otherwise the first character upper-cased. Leaves the first
// character in ScratchVar.
QString ProperFirst(App& app, QString& text);
void SwapStrings(QString& a, QString& b);
void SwapStrings(QByteArray& a, QByteArray& b);

// The named sounds: "clunk", "laser", "carbrake", "filedone", "welcome", "goodbye",
// "chimes". Played only while the crusade's sound setting is on.
void PlaySound(App& app, const QString& name);
// Plays a wave file of the program folder whatever the sound setting (the start screen's
// greeting, the attendance screen's ring). Returns whether it started.
bool PlayWave(App& app, const QString& fileName);
// Where a wave file is found: the program folder first, then the program's own copy.
QString SoundPath(const QString& programDir, const QString& fileName);

// Opens the user manual with the desktop's program for it.
void OpenManual(App& app);

// Context number of the keyboard shortcuts page.
inline constexpr int kHelpShortcuts = 340;
void InitHelp(App& app);
void QuitHelp(App& app);
void ShowHelpContext(App& app, int context);
void ShowHelpContents(App& app);

// File name of the manual in the program folder.
inline const QString kManualFileName = QStringLiteral("Fennick Manual.html");

}  // namespace fennick
