#pragma once
// The entry rules of the main window's field boxes as plain functions over text: what a
// box's text becomes when it is left, which texts a box refuses, and the small pieces of
// the zip table and the advertising field that the boxes edit. Nothing here touches a
// window or the application object; FieldEntry applies these rules to the screen.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace fennick {

// --- Names, address, telephone -----------------------------------------------------------

// The one rule of the first-name, last-name and city boxes when they are left: blanks
// around the text are dropped, so a box of blanks is empty and becomes "Unknown";
// otherwise the first letter is upper-cased and the rest kept as typed.
QString ProperFirstText(const QString& text);

// Street address: lower case, single blanks, no periods, capitals after blanks, compass
// points and street words abbreviated (whole words only), "Apt" forms turned into "#",
// apartment letters upper-cased; an empty address becomes "Address Unknown".
QString NormaliseAddress(const QString& text);

// Telephone: brackets, dashes and blanks dropped, then 7 digits written 555-1234 and 10
// written 555-123-4567; other lengths are kept. An empty text becomes "Unknown".
QString NormalisePhone(const QString& text);

// --- Zip codes and the zip table ----------------------------------------------------------

struct ZipText {
    QString text;   // what the box shows
    bool canadian;  // the text was taken for a Canadian postal code
};
// An empty box becomes "NoZip"; a number (or a US zip with its "-" extension) is kept; any
// other text is a Canadian postal code, written "K1A 0B1" ("NOZ..." is "NoZip").
ZipText NormaliseZip(const QString& text);

// The zip-table key of a zip box: the zip in 10 characters, or with Canadian codes the
// first three characters of the postal code in 10 characters ("NoZip" stays whole).
QByteArray ZipLookupKey(const QString& zip, bool canadianZip);

// Index (1..count) of the entry whose zip key equals key; -1 when there is none.
int FindZipEntry(const QList<QByteArray>& table, int count, const QByteArray& key);

// Fields of a zip-table entry (state 11-12, team 13-14, city 15-29, count 30-33).
QByteArray ZipEntryState(const QByteArray& entry);
QByteArray ZipEntryTeam(const QByteArray& entry);
QByteArray ZipEntryCity(const QByteArray& entry);
// A new entry: key, state (2), team "00", city (15), count "   1".
QByteArray NewZipEntry(const QByteArray& key, const QString& state, const QString& city);
// The entry with its city replaced (15 characters).
QByteArray WithZipCity(const QByteArray& entry, const QString& city);
// The entry with its address count raised by one (at most 9999).
QByteArray WithZipCountRaised(const QByteArray& entry);

// --- Number, team, categories ---------------------------------------------------------

// A registration number of one to four decimal digits, written in four ("12" -> "0012");
// nullopt for anything else ("-5", "1.5", "1e3", "12345", "12a").
std::optional<QString> ParseRegNumber(const QString& text);
// The message that refuses a typed registration number.
QString RegNumberRefusal(const QString& typed);

// A team code 00..40 in two digits ("7" -> "07", empty -> "00"); nullopt otherwise.
std::optional<QString> ParseTeamCode(const QString& text);
// The message that refuses a team code.
QString TeamCodeRefusal();

// An interest level: one letter A..G (upper-cased) or blank (kept as it is); nullopt
// otherwise.
std::optional<QString> ParseInterestLevel(const QString& text);

// Index of the first church name that begins with typed (case ignored); -1 when none.
int FindChurch(const QStringList& names, const QString& typed);
// Church names typed in common forms rewritten to the words the views count.
QString RewriteChurch(const QString& text);

// The age group of a one-key entry: empty is 0, a digit is rounded and held to 0..7 and
// gives names[n]; nullopt for anything else. A text of two characters or more is a group
// name already and comes back unchanged.
std::optional<QString> AgeGroupFromKey(const QString& text, const std::array<QString, 8>& names);

// The first " at " becomes "@".
QString EmailAt(const QString& text);

// --- Dates, visits, notes -----------------------------------------------------------------

// "5/3/09" -> "05/03/09": a one-digit month and day get a leading zero.
QString WidenDate(const QString& text);
// The date of a box (m/d/yy or m/d/yyyy) moved by days, written mm/dd/yy; the year follows
// across the year's ends and February has 29 days in leap years. nullopt when the text
// is not a valid date.
std::optional<QString> StepDate(const QString& text, int days);

// A visit code of the visit frame: lower case, "h5" -> "h05"; empty when it is then not
// three characters long.
QString VisitFrameCode(const QString& text);

inline constexpr int kNotesWidth = 150;
struct NotesKeyCheck {
    QStringList messages;  // shown in order, OK only
    bool cut = false;      // the text is cut to 150 characters
    bool refuse = false;   // the key is not entered
};
// What a key does in the notes box that holds length characters before it.
NotesKeyCheck CheckNotesKey(int length, int keyCode);

// --- Advertising ---------------------------------------------------------------------------

// One answer of the advertising question: the medium letters (in capitals, as given) and
// the inviter's name after the first "-" (trimmed; empty without a dash).
struct AdvertisingAnswer {
    QString letters;
    QString name;
};

// The advertising field: seven flags in the order "NMRTPOI" (the medium's letter when
// marked, "." when not) and, with "I", the inviter as "-" and the last name.
class AdvertisingFlags {
public:
    static constexpr int kFlagCount = 7;
    // The dash and the name together have this many characters of room.
    static constexpr int kNameRoom = 13;

    // An empty field is ".......". A position that does not hold its own letter counts
    // as not marked.
    explicit AdvertisingFlags(const QString& stored);

    static AdvertisingAnswer parseAnswer(const QString& answer);
    static bool nameFits(const QString& name) { return name.size() < kNameRoom; }

    // Whether applying the answer marks "I" (so an inviter's name is wanted).
    bool marksInviter(const AdvertisingAnswer& answer) const;
    // Toggles every medium letter of the answer against the field as it was before the
    // answer. Marking "I" stores inviterName (none when empty) and, when the person came
    // on night 1, marks "P"; clearing "I" drops the name and clears "P".
    void apply(const AdvertisingAnswer& answer, const QString& inviterName, bool attendedNightOne);

    QString text() const;  // flags and inviter, at most 20 characters
    const QString& flags() const { return flags_; }
    const QString& inviter() const { return inviter_; }

private:
    QString flags_;
    QString inviter_;  // "-Name" or empty
};

}  // namespace fennick
