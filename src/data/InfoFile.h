#pragma once
// The crusade settings file beside the data file ("inf"): 133 lines of settings and
// vocabularies, one value per line (113 lines in a file of version 2.4 or older, which
// has 20 team lines instead of 40).

#include <QByteArray>
#include <QString>

namespace fennick {

class App;
class SequentialTextReader;

// "version 2.5.86": the version line this program writes.
QString InfoVersionLine();
// The version value of a version line: the leading number of its characters 9 to 11
// ("version 2.5.86" gives 2.5); 0 for a shorter line or one without a number there.
double InfoVersionValue(const QString& versionLine);
// Team lines in a settings file of that version value: 40 above 2.4, else 20.
int InfoTeamLines(double version);

// The settings file of DataFile ("unknown" in the program folder when there is none).
QString InfoFileName(const App& app);

// Every crusade setting back to its fresh value, before another crusade is opened or
// created, so that nothing of the crusade loaded before reaches it: empty texts, zero
// numbers but meeting 1 as the last meeting, sounds off, no teams but team 0
// ("Unassigned:"), and the fixed appointment tables.
void ResetCrusadeSettings(App& app);

// Fills the default tables: church names, age groups, decision titles and codes, sermon
// titles. Nothing else is set.
void SetDefaultInfo(App& app);

// Opens a crusade settings file to be read. Throws VbError when it cannot be opened, and
// when it is empty ("The file is empty."): what a write cut off by a full disk may leave,
// whose settings are lost, not absent.
SequentialTextReader ReadSettingsFile(const QString& path);

// Reads the settings file of DataFile. A missing file gives fresh settings and a
// message; an empty file, one that cannot be opened or a header that cannot be read is
// reported, naming the file and where it is kept aside at the next save (an empty or
// unopened file gives the fresh header of a missing one). When the file gives no
// registration number and direction (missing, empty, cut short, or unreadable before
// line 5) they are taken from the data file's numbers: UP from the highest or DOWN from
// the lowest, whichever leaves more to issue, so that no number in use is issued again.
// When the version line and the data file show an older data file, the data file is
// converted (asking first; a refusal throws ProgramEnd). Returns false when that
// conversion failed: the user has been told and the crusade must not be opened.
// When unreadable is given, a file that cannot be read (empty, not opened, or its header
// unreadable) is not reported and the crusade must not be opened either: false, with the
// reader's description in *unreadable.
bool LoadInfoFile(App& app, QString* unreadable = nullptr);

// Reads the settings after the header (team lines on) from in; teamLines is 20 or 40.
// A missing or unreadable line leaves its setting as it was; the values the program
// relies on (team 0, decision titles 1, 2 and 9, codes 1, 2 and 9, age groups) are set
// afterwards whatever the file holds.
void ReadInfoBody(App& app, SequentialTextReader& in, int teamLines);

// Writes the whole settings file of DataFile from the current settings, always with 40
// team lines and the current version line. Throws VbError when it cannot be written.
void SaveInfoFile(App& app);
// The bytes SaveInfoFile writes.
QByteArray InfoFileBytes(App& app);

}  // namespace fennick
