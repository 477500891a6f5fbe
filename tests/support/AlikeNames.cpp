#include "AlikeNames.h"

#include "DocumentDump.h"
#include "ViewFixture.h"
#include "data/SideFiles.h"
#include "data/Text.h"

#include <QRegularExpression>

#include <algorithm>

namespace fennick::test {

Vocabulary AlikeNames() {
    Vocabulary v;
    QStringList teams{"Riverside Visitation Team North", "Riverside Visitation Team South",
                      "Pathfinder Outreach and Community Services Volunteers"};
    for (int i = 4; i <= 40; ++i) teams << QStringLiteral("Westfield Wide Visitation Team %1").arg(i);
    v["team"] = teams;
    QStringList churches;
    for (int i = 1; i <= 12; ++i) churches << QStringLiteral("MWMWMWMWMWMWMWMWMW%1").arg(i, 2, 10, QChar(u'0'));
    churches << "Calvary Baptist Church of Central Lakeview North"
             << "Calvary Baptist Church of Central Lakeview South"
             << "Lighthouse Fellowship of the Nazarene";
    v["church"] = churches;
    v["decision"] = QStringList{"Rededication to the Lord at the Crusade Meetings, First Week",
                                "Rededication to the Lord at the Crusade Meetings, Second Week",
                                "Rededication to the Lord at the Crusade Meetings, Week 3",
                                "Rededication to the Lord at the Crusade Meetings, Week 4",
                                "Observe the Seventh-day Sabbath as a Family, Each Friday Evening",
                                "Observe the Seventh-day Sabbath as a Family, Each Saturday Morning",
                                "Immersion Baptism at the Close of the Series",
                                "Immersion Baptism at the Close of the Meetings",
                                "Tithing and Systematic Benevolence in Every Household"};
    v["age group"] = QStringList{"Young Adults of Ages 18 to 25",
                                 "Young Adults of Ages 26 to 35",
                                 "Middle-aged Adults of Ages 36 to 45",
                                 "Middle-aged Adults of Ages 46 to 55",
                                 "Retired Grandparents Sixty-five and Older",
                                 "Children and Teenagers Younger than 18",
                                 "Unknown",
                                 "Adults Whose Age Was Not Given at Registration"};
    QStringList sermons;
    for (int i = 1; i <= 40; ++i) sermons << QStringLiteral("Prophecies Unsealed and Explained, Night %1").arg(i);
    v["sermon"] = sermons;
    v["crusade"] = QStringList{"Greater Peoria Evangelistic Meetings with Pastor Johnson in the Spring of 2026"};
    QStringList media;
    for (int i = 1; i <= 5; ++i) media << QStringLiteral("NMRTPOI-WMWMWMWMWM%1").arg(i, 2, 10, QChar(u'0'));
    v["media"] = media;
    return v;
}

QList<AttendeeRecord> AlikePeople(const Vocabulary& v) {
    QList<AttendeeRecord> out;
    const QStringList& churches = v.at("church");
    const QStringList& media = v.at("media");
    static const char* const last[] = {"Baker", "Carter", "Davis", "Evans", "Foster", "Garcia", "Hughes", "Irwin"};
    static const char* const levels[] = {"G", "A", "B"};
    for (int i = 1; i <= 40; ++i) {
        const QByteArray rnum = QByteArray::number(300 + i).rightJustified(4, '0');
        QByteArray nights(40, '1');
        for (int k = 41 - (i % 12); k < 40; ++k) nights[k] = '-';
        const QByteArray team = QByteArray::number(i).rightJustified(2, '0');
        Rec r(rnum.constData(), "Pat", last[i % 8]);
        r.nights(nights.constData())
            .team(team.constData())
            .level(levels[i % 3])
            .zip(QByteArray::number(62700 + i % 4).constData())
            .address(QByteArray::number(100 + i).append(" Main St").constData())
            .religion(i % 10 == 0 ? "SDA" : Ansi(churches[i % 12]).constData())
            .mark(i % 2)
            .advertising(Ansi(media[i % media.size()]).constData())
            .decisions("CSKPBTADU");
        if (i % 4 == 0) r.interview(1).bapt("12/25/26");
        out.append(r);
    }
    return out;
}

void UseAlikeNames(App& app, const Vocabulary& v) {
    CrusadeSettings& s = app.settings;
    s.CrusadeName = v.at("crusade").front();
    const QStringList& teams = v.at("team");
    for (int i = 1; i <= 40; ++i) s.TeamNames[size_t(i)] = teams[i - 1] + QStringLiteral(":217-555-%1").arg(100 + i);
    for (int i = 1; i <= 15; ++i) s.ReligionNames[size_t(i)] = v.at("church")[i - 1];
    for (int d = 1; d <= 9; ++d) s.DecisionNames[size_t(d)] = v.at("decision")[d - 1];
    for (int g = 0; g < 8; ++g) s.AgeGroupNames[size_t(g)] = v.at("age group")[g];
    for (int n = 1; n <= 40; ++n) s.SermonTitles[size_t(n)] = v.at("sermon")[n - 1];
    Crusade& c = app.crusade;
    for (int i = 1; i <= 40; ++i)
        c.ZipTable[i] = QByteArray::number(62700 + i) + "     IL" + QByteArray::number(i).rightJustified(2, '0') +
                        "Springfield    " + "0004";
    c.ZipCount = 40;
    c.MemberNames = {QByteArray()};
    for (int i = 1; i <= 20; ++i) c.MemberNames << MemberEntry(QByteArray::number(2000 + i), "Stone", "Sam");
    c.MemberCount = qint16(c.MemberNames.size() - 1);
}

namespace {

const QString kMark(QChar(0x2026));

QStringList NumbersOf(const QString& text) {
    QStringList out;
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    for (auto m = digits.globalMatch(text); m.hasNext();) out << m.next().captured();
    return out;
}

bool IsWordCharacter(QChar c) {
    return c.isLetterOrNumber();
}

// Where a name of the kind begins in text, the longest stretch that can be read as one of
// its names, and every name that stretch can be read as (none: a name cut without the
// mark, or run into what follows it).
struct Reading {
    QString printed;
    QStringList names;
};

QList<Reading> ReadingsOf(const QString& text, const QStringList& names) {
    // A name begins with its first word, or with its first letters and the mark.
    QStringList words;
    for (const QString& n : names) words << n.section(u' ', 0, 0);
    words.removeDuplicates();
    if (!std::any_of(words.begin(), words.end(), [&text](const QString& w) { return text.contains(w.left(3)); }))
        return {};
    const auto begins = [&text, &words](qsizetype s) {
        const QStringView at = QStringView(text).mid(s);
        for (const QString& word : words) {
            if (at.startsWith(word) && (at.size() == word.size() || !IsWordCharacter(at[word.size()]))) return true;
            for (qsizetype k = 3; k < word.size(); ++k)
                if (at.startsWith(word.left(k) + kMark)) return true;
        }
        return false;
    };
    QList<Reading> out;
    for (qsizetype s = 0; s < text.size(); ++s) {
        if (s > 0 && IsWordCharacter(text.at(s - 1))) continue;
        if (!begins(s)) continue;
        qsizetype longest = -1;
        QStringList readAs;
        for (const QString& n : names) {
            // A cut is no longer than its name: each mark leaves a character out at least.
            if (n.at(0) != text.at(s)) continue;
            for (qsizetype e = std::min(text.size(), s + n.size()); e > s && e >= longest; --e) {
                if (e < text.size() && IsWordCharacter(text.at(e)) && IsWordCharacter(text.at(e - 1))) continue;
                if (!CanBeCutOf(text.mid(s, e - s), n)) continue;
                if (e > longest) readAs.clear();
                longest = e;
                readAs << n;
                break;
            }
        }
        if (longest < 0) {
            out.append({text.mid(s), {}});
            break;
        }
        out.append({text.mid(s, longest - s), readAs});
        s = longest - 1;
    }
    return out;
}

}  // namespace

QStringList MisprintedNames(const QList<PrintedDocument>& docs, const Vocabulary& v, NamesRead& count) {
    QStringList faults;
    for (const PrintedDocument& doc : docs) {
        for (const PrintedItem& it : doc.items) {
            if (it.kind != PrintedItem::Kind::Text) continue;
            for (const auto& [kind, names] : v) {
                for (const Reading& r : ReadingsOf(it.text, names)) {
                    const QString where = kind + QStringLiteral(" |") + r.printed + QStringLiteral("| in |") + it.text +
                                          QStringLiteral("|: ");
                    if (r.names.size() != 1) {
                        faults << where + (r.names.isEmpty() ? QStringLiteral("cut without the mark")
                                                             : QStringLiteral("reads as ") + r.names.join(" or "));
                        continue;
                    }
                    ++count.read[kind];
                    if (r.printed.contains(kMark)) ++count.cut[kind];
                    if (NumbersOf(r.printed) != NumbersOf(r.names.front()))
                        faults << where + QStringLiteral("numbers not whole in ") + r.names.front();
                }
            }
        }
    }
    return faults;
}

}  // namespace fennick::test
