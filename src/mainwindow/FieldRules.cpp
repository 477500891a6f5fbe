#include "mainwindow/FieldRules.h"

#include "data/AttendeeRecord.h"
#include "data/Messages.h"
#include "data/Text.h"
#include "data/Utilities.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber();
}

// Position of the first occurrence of what in w that stands as a whole word: a letter or
// digit at either end of what must not touch another letter or digit. -1 when none.
qsizetype FindWord(const QString& w, const QString& what) {
    for (qsizetype p = w.indexOf(what); p >= 0; p = w.indexOf(what, p + 1)) {
        const qsizetype end = p + what.size();
        const bool startOk = !IsWordChar(what.front()) || p == 0 || !IsWordChar(w[p - 1]);
        const bool endOk = !IsWordChar(what.back()) || end >= w.size() || !IsWordChar(w[end]);
        if (startOk && endOk) return p;
    }
    return -1;
}

void ReplaceWord(QString& w, const QString& what, const QString& with) {
    const qsizetype p = FindWord(w, what);
    if (p >= 0) w.replace(p, what.size(), with);
}

struct Rewrite {
    const char* found;
    const char* becomes;
};

// Street words, in the order they are tried; each replaces its first whole-word match.
constexpr Rewrite kStreetWords[] = {
    {"P O Box", "PO Box"}, {"Po Box", "PO Box"}, {"Pobox", "PO Box"}, {"Highway", "Hwy"}, {"High Way", "Hwy"},
    {"Avenue", "Ave"},     {"Av", "Ave"},        {"Court", "Ct"},     {"Circle", "Cir"},  {"Place", "Pl"},
    {"Street", "St"},      {"Lane", "Ln"},       {"Road", "Rd"},      {"Wy", "Way"},      {"Bvd", "Blvd"},
    {"Apt # ", "#"},       {"Apt# ", "#"},       {"Apt#", "#"},       {"Apt ", "#"},      {"Appartment", "#"},
};

constexpr Rewrite kCompassPoints[] = {{" Ne ", " NE "}, {" Nw ", " NW "}, {" Se ", " SE "}, {" Sw ", " SW "}};

void RemoveBlanksAfterHash(QString& w) {
    while (w.contains(QLatin1String("# "))) w.replace(QLatin1String("# "), QLatin1String("#"));
}

// The apartment part: "#4b" -> "#4B", "#No 5" -> "#5", "##" -> "#".
void NormaliseNumberSign(QString& w) {
    RemoveBlanksAfterHash(w);
    const qsizetype p = w.indexOf(u'#');
    if (p < 0 || p >= w.size() - 1) return;
    w[p + 1] = w[p + 1].toUpper();
    if (w.mid(p + 1, 2) == QLatin1String("No") && (p + 3 >= w.size() || !w[p + 3].isLetter())) {
        w.remove(p + 1, 2);
        RemoveBlanksAfterHash(w);
    }
    qsizetype end = w.indexOf(u' ', p);
    if (end < 0) end = w.size();
    if (end - 1 > p) w[end - 1] = w[end - 1].toUpper();
    const qsizetype doubled = w.indexOf(QLatin1String("##"));
    if (doubled >= 0) w.remove(doubled, 1);
}

bool AllDigits(const QString& t) {
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

QString ProperFirstText(const QString& text) {
    QString t = Trim(text);
    if (t.isEmpty()) return QStringLiteral("Unknown");
    t[0] = FromAnsi(QByteArray(1, AnsiUpper(Ansi(t.left(1)).at(0))))[0];
    return t;
}

QString NormaliseAddress(const QString& text) {
    QString w = text.toLower() + u' ';
    while (w.contains(QLatin1String("  "))) w.replace(QLatin1String("  "), QLatin1String(" "));
    w.remove(u'.');
    for (qsizetype i = 1; i < w.size(); ++i)
        if (w[i - 1] == u' ' && w[i] >= u'a' && w[i] <= u'z') w[i] = w[i].toUpper();
    for (const auto& c : kCompassPoints) ReplaceFirst(w, QLatin1String(c.found), QLatin1String(c.becomes));
    for (const auto& s : kStreetWords) ReplaceWord(w, QLatin1String(s.found), QLatin1String(s.becomes));
    NormaliseNumberSign(w);
    if (w == QLatin1String(" ")) return QStringLiteral("Address Unknown");
    return Trim(w);
}

QString NormalisePhone(const QString& text) {
    QString t = Trim(text);
    if (t.startsWith(u'(')) t.remove(0, 1);
    ReplaceFirst(t, QStringLiteral(")"), QStringLiteral(" "));
    t.remove(u'-');
    t.remove(u' ');
    if (t.isEmpty()) return QStringLiteral("Unknown");
    if (t == QLatin1String("Unknown")) return t;
    if (t.size() == 7) return t.left(3) + u'-' + t.right(4);
    if (t.size() == 10) return t.left(3) + u'-' + t.mid(3, 3) + u'-' + t.right(4);
    return t;
}

ZipText NormaliseZip(const QString& text) {
    const QString t = Trim(text);
    if (t.isEmpty()) return {QStringLiteral("NoZip"), false};
    if (t == QLatin1String("NoZip") || IsNumeric(t)) return {t, false};
    // A US zip with its extension ("12345-6789") is a number with dashes, not a postal code.
    const bool usZip = std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit() || c == u'-' || c == u' '; });
    if (usZip) return {t, false};
    QString u = t.toUpper();
    if (u.size() > 3 && u[3] != u' ') u = u.left(3) + u' ' + u.mid(3, 3);
    if (u.left(3) == QLatin1String("NOZ")) u = QStringLiteral("NoZip");
    return {u, true};
}

QByteArray ZipLookupKey(const QString& zip, bool canadianZip) {
    const QByteArray z = Ansi(zip);
    if (canadianZip && zip != QLatin1String("NoZip")) return Fixed(Left(z, 3), 10);
    return Fixed(z, 10);
}

int FindZipEntry(const QList<QByteArray>& table, int count, const QByteArray& key) {
    const int last = std::min<int>(count, int(table.size()) - 1);
    for (int i = 1; i <= last; ++i)
        if (table[i].startsWith(key)) return i;
    return -1;
}

QByteArray ZipEntryState(const QByteArray& entry) {
    return Mid(entry, 11, 2);
}
QByteArray ZipEntryTeam(const QByteArray& entry) {
    return Mid(entry, 13, 2);
}
QByteArray ZipEntryCity(const QByteArray& entry) {
    return Mid(entry, 15, 15);
}

QByteArray NewZipEntry(const QByteArray& key, const QString& state, const QString& city) {
    return Fixed(key, 10) + Fixed(Ansi(state), 2) + "00" + Fixed(Ansi(city), 15) + "   1";
}

QByteArray WithZipCity(const QByteArray& entry, const QString& city) {
    return Fixed(Left(entry, 14), 14) + Fixed(Ansi(city), 15) + Mid(entry, 30);
}

QByteArray WithZipCountRaised(const QByteArray& entry) {
    const double count = std::min(Val(Mid(entry, 30)) + 1, 9999.0);
    return Fixed(Left(entry, 29), 29) + Ansi(RightJust4(qint64(count)));
}

std::optional<QString> ParseRegNumber(const QString& text) {
    const QString t = Trim(text);
    if (t.size() > 4 || !AllDigits(t)) return std::nullopt;
    return QString(4 - t.size(), u'0') + t;
}

QString RegNumberRefusal(const QString& typed) {
    return QStringLiteral("You entered << ") + typed + QStringLiteral(" >> for the Registration Number.") + NewLine +
           QStringLiteral("The Registration Number cannot have any letters in it, it must be all numbers.");
}

std::optional<QString> ParseTeamCode(const QString& text) {
    const QString t = Trim(text);
    if (t.isEmpty()) return QStringLiteral("00");
    if (t.size() > 2 || !AllDigits(t) || t.toInt() > kTeams) return std::nullopt;
    return ZeroPad(t.toInt(), 2);
}

QString TeamCodeRefusal() {
    return QStringLiteral("You have entered an invalid Team code.  ") + NewLine +
           QStringLiteral("It must be a number between 00 and 40");
}

std::optional<QString> ParseInterestLevel(const QString& text) {
    const QString t = Trim(text.toUpper());
    if (t.isEmpty()) return text;
    if (t.size() == 1 && t[0] >= u'A' && t[0] <= u'G') return t;
    return std::nullopt;
}

int FindChurch(const QStringList& names, const QString& typed) {
    for (int i = 0; i < names.size(); ++i)
        if (names[i].size() >= typed.size() && EqualsNoCase(names[i].left(typed.size()), typed)) return i;
    return -1;
}

QString RewriteChurch(const QString& text) {
    static const Rewrite kChurches[] = {
        {"SDA", "SDA"},
        {"ADVENTIST", "SDA"},
        {"CHURCH OF CHRIST", "ChChrist"},
        {"CHURCH OF GOD", "ChGod"},
        {"CHURCH OF GOD 7TH DAY", "CG7th Day"},
        {"SEVENTH DAY CHURCH OF GOD", "CG7th Day"},
        {"", "UnSpecified"},
        {"NONE SPECIFIED", "UnSpecified"},
        {"NONE", "NoChurch"},
        {"NON DENOMINATIONAL", "NoDenomination"},
        {"NO DENOMINATION", "NoDenomination"},
        {"ASSEMBLIES OF GOD", "Pentecostal"},
        {"ASSEMBLIES", "Pentecostal"},
        {"ASSEMBLY OF GOD", "Pentecostal"},
        {"ASSEMBLY", "Pentecostal"},
        {"FOUR SQUARE", "Pentacostal"},
        {"MORMON", "LDS"},
    };
    const QString u = Trim(text).toUpper();
    for (const auto& c : kChurches)
        if (u == QLatin1String(c.found)) return QLatin1String(c.becomes);
    if (u.contains(QLatin1String("APOSTOLIC"))) return QStringLiteral("Pentecostal");
    return text;
}

std::optional<QString> AgeGroupFromKey(const QString& text, const std::array<QString, 8>& names) {
    if (text.size() >= 2) return text;
    QString t = Trim(text);
    if (t.isEmpty()) t = QStringLiteral("0");
    if (!IsNumeric(t)) return std::nullopt;
    const double n = std::clamp(std::nearbyint(Val(t)), 0.0, 7.0);
    return names[size_t(n)];
}

QString EmailAt(const QString& text) {
    QString t = text;
    ReplaceFirst(t, QStringLiteral(" at "), QStringLiteral("@"));
    return t;
}

QString WidenDate(const QString& text) {
    QString d = Trim(text);
    if (InStr(d, QStringLiteral("/")) == 2) d.prepend(u'0');
    if (InStr(d, QStringLiteral("/"), 4) == 5) d.insert(3, u'0');
    return d;
}

std::optional<QString> StepDate(const QString& text, int days) {
    const QStringList parts = WidenDate(text).split(u'/');
    if (parts.size() != 3 || parts[0].size() != 2 || parts[1].size() != 2 || !AllDigits(parts[0]) ||
        !AllDigits(parts[1]) || !AllDigits(parts[2]))
        return std::nullopt;
    const int yearDigits = int(parts[2].size());
    if (yearDigits != 2 && yearDigits != 4) return std::nullopt;
    const int year = parts[2].toInt() + (yearDigits == 2 ? 2000 : 0);
    const QDate date(year, parts[0].toInt(), parts[1].toInt());
    if (!date.isValid()) return std::nullopt;
    const QDate next = date.addDays(days);
    return ZeroPad(next.month(), 2) + u'/' + ZeroPad(next.day(), 2) + u'/' + ZeroPad(next.year() % 100, 2);
}

QString VisitFrameCode(const QString& text) {
    QString t = Trim(text).toLower();
    if (t.size() == 2) t.insert(1, u'0');
    return t.size() == 3 ? t : QString();
}

NotesKeyCheck CheckNotesKey(int length, int keyCode) {
    constexpr int kEnter = 13, kComma = 188;
    NotesKeyCheck r;
    if (length >= kNotesWidth) {
        r.messages << QStringLiteral("You have reached the limit for Notes.") + NewLine +
                          QStringLiteral("The maximum length allowed for notes is 150 characters.");
        r.cut = true;
    } else if (length == kNotesWidth - 10) {
        r.messages << QStringLiteral("You only have space for 10 more characters in this box.");
    }
    if (keyCode == kEnter) {
        r.messages << QStringLiteral("You cannot enter multiple lines in this box.");
        r.refuse = true;
    } else if (keyCode == kComma) {
        r.messages << QStringLiteral("You cannot enter a comma in this box.");
        r.refuse = true;
    }
    return r;
}

// --- Advertising ---------------------------------------------------------------------------

namespace {
const QString kMedia = QStringLiteral("NMRTPOI");
constexpr int kPreMeeting = 4;  // index of "P"
constexpr int kInvitation = 6;  // index of "I"
}  // namespace

AdvertisingFlags::AdvertisingFlags(const QString& stored) {
    const QString f = stored.left(kFlagCount);
    flags_ = QString(kFlagCount, u'.');
    for (int k = 0; k < f.size(); ++k)
        if (f[k] == kMedia[k]) flags_[k] = kMedia[k];
    inviter_ = RTrim(stored.mid(kFlagCount));
}

AdvertisingAnswer AdvertisingFlags::parseAnswer(const QString& answer) {
    const qsizetype dash = answer.indexOf(u'-');
    if (dash < 0) return {answer.toUpper(), QString()};
    return {answer.left(dash).toUpper(), Trim(answer.mid(dash + 1))};
}

bool AdvertisingFlags::marksInviter(const AdvertisingAnswer& answer) const {
    return answer.letters.contains(u'I') && flags_[kInvitation] != u'I';
}

void AdvertisingFlags::apply(const AdvertisingAnswer& answer, const QString& inviterName, bool attendedNightOne) {
    const QString before = flags_;
    for (QChar letter : answer.letters) {
        const qsizetype k = kMedia.indexOf(letter);
        if (k < 0) continue;
        const bool clearing = before[k] == letter;
        flags_[k] = clearing ? u'.' : letter;
        if (k != kInvitation) continue;
        if (clearing) {
            inviter_.clear();
            flags_[kPreMeeting] = u'.';
        } else {
            inviter_ = inviterName.isEmpty() ? QString() : u'-' + inviterName;
            if (attendedNightOne) flags_[kPreMeeting] = kMedia[kPreMeeting];
        }
    }
}

QString AdvertisingFlags::text() const {
    return (flags_ + inviter_).left(20);
}

}  // namespace fennick
