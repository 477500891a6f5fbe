// Every printout over a crusade whose names of one kind share their first twenty letters
// or more: wherever a team, church, decision, age group, media, sermon title or the
// crusade's name is printed, it reads as that name and no other of its kind. A cut shows
// the mark where text is left out, and the numbers of a name print whole.

#include "ReportFixture.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "printing/MailLabels.h"
#include "reportwindow/PrintDispatch.h"
#include "reportwindow/ReportMenus.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatsPrintout.h"
#include "statistics/TeamPrintout.h"
#include "statistics/TeamTallies.h"
#include "tables/MemberPrintout.h"
#include "tables/TeamListPrintout.h"
#include "tables/ZipPrintout.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace fennick::test {
namespace {

const QString kMark(QChar(0x2026));

// The names of each kind. Within a kind they come in families alike in their first
// twenty letters and more, told apart by a word or a number near their ends, beside a
// long name alike to none; each family begins with a word no other kind and no caption
// of the program begins a word with.
struct Vocabulary {
    std::map<QString, QStringList> kinds;
};

Vocabulary Names() {
    Vocabulary v;
    QStringList teams{"Riverside Visitation Team North", "Riverside Visitation Team South",
                      "Pathfinder Outreach and Community Services Volunteers"};
    for (int i = 4; i <= 40; ++i) teams << QStringLiteral("Westfield Wide Visitation Team %1").arg(i);
    v.kinds["team"] = teams;
    QStringList churches;
    for (int i = 1; i <= 12; ++i) churches << QStringLiteral("MWMWMWMWMWMWMWMWMW%1").arg(i, 2, 10, QChar(u'0'));
    churches << "Calvary Baptist Church of Central Lakeview North"
             << "Calvary Baptist Church of Central Lakeview South"
             << "Lighthouse Fellowship of the Nazarene";
    v.kinds["church"] = churches;
    v.kinds["decision"] = QStringList{"Rededication to the Lord at the Crusade Meetings, First Week",
                                      "Rededication to the Lord at the Crusade Meetings, Second Week",
                                      "Rededication to the Lord at the Crusade Meetings, Week 3",
                                      "Rededication to the Lord at the Crusade Meetings, Week 4",
                                      "Observe the Seventh-day Sabbath as a Family, Each Friday Evening",
                                      "Observe the Seventh-day Sabbath as a Family, Each Saturday Morning",
                                      "Immersion Baptism at the Close of the Series",
                                      "Immersion Baptism at the Close of the Meetings",
                                      "Tithing and Systematic Benevolence in Every Household"};
    v.kinds["age group"] = QStringList{"Young Adults of Ages 18 to 25",
                                       "Young Adults of Ages 26 to 35",
                                       "Middle-aged Adults of Ages 36 to 45",
                                       "Middle-aged Adults of Ages 46 to 55",
                                       "Retired Grandparents Sixty-five and Older",
                                       "Children and Teenagers Younger than 18",
                                       "Unknown",
                                       "Adults Whose Age Was Not Given at Registration"};
    QStringList sermons;
    for (int i = 1; i <= 40; ++i) sermons << QStringLiteral("Prophecies Unsealed and Explained, Night %1").arg(i);
    v.kinds["sermon"] = sermons;
    v.kinds["crusade"] = QStringList{"Greater Peoria Evangelistic Meetings with Pastor Johnson in the Spring of 2026"};
    QStringList media;
    for (int i = 1; i <= 5; ++i) media << QStringLiteral("NMRTPOI-WMWMWMWMWM%1").arg(i, 2, 10, QChar(u'0'));
    v.kinds["media"] = media;
    return v;
}

// One person in each team, each with a church (of the twelve that fit the record) and media
// of the lists and every decision, an interview and a baptism date for some, marked or not,
// the last night attended going back from night 40; the crusade's settings hold the names.
QList<AttendeeRecord> People(const Vocabulary& v) {
    QList<AttendeeRecord> out;
    const QStringList& churches = v.kinds.at("church");
    const QStringList& media = v.kinds.at("media");
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

void SetNames(App& app, const Vocabulary& v) {
    CrusadeSettings& s = app.settings;
    s.CrusadeName = v.kinds.at("crusade").front();
    const QStringList& teams = v.kinds.at("team");
    for (int i = 1; i <= 40; ++i) s.TeamNames[size_t(i)] = teams[i - 1] + QStringLiteral(":217-555-%1").arg(100 + i);
    for (int i = 1; i <= 15; ++i) s.ReligionNames[size_t(i)] = v.kinds.at("church")[i - 1];
    for (int d = 1; d <= 9; ++d) s.DecisionNames[size_t(d)] = v.kinds.at("decision")[d - 1];
    for (int g = 0; g < 8; ++g) s.AgeGroupNames[size_t(g)] = v.kinds.at("age group")[g];
    for (int n = 1; n <= 40; ++n) s.SermonTitles[size_t(n)] = v.kinds.at("sermon")[n - 1];
    Crusade& c = app.crusade;
    for (int i = 1; i <= 40; ++i)
        c.ZipTable[i] = QByteArray::number(62700 + i) + "     IL" + QByteArray::number(i).rightJustified(2, '0') +
                        "Springfield    " + "0004";
    c.ZipCount = 40;
    c.MemberNames = {QByteArray()};
    for (int i = 1; i <= 20; ++i) c.MemberNames << MemberEntry(QByteArray::number(2000 + i), "Stone", "Sam");
    c.MemberCount = qint16(c.MemberNames.size() - 1);
}

// A printout and how it is run on a crusade whose dialogs answer Yes, give the text
// offered (or night 36) and print on the printer.
struct Printout {
    QString name;
    std::function<void(App&)> print;
};

// Every printout the program has: the print commands of the main window's Print Reports
// menu (the decision report for each decision the picker offers), the reports of the
// report window's Print button by the view's kind, with and without Teams, and the Print
// buttons of the other windows, which have no table.
QList<Printout> EveryPrintout() {
    QList<Printout> out;
    for (const PrintCommand& c : PrintCommands()) {
        if (!c.generator) continue;
        const QString item = QString::fromLatin1(c.item);
        if (c.first != PrintFirst::SaveAndPickDecision) {
            out.append({item, [c](App& app) {
                            int type = c.reportType;
                            c.generator(app, type);
                        }});
            continue;
        }
        for (int d = 1; d <= kDecisionCount; ++d)
            out.append({item + QStringLiteral(" %1").arg(d), [c, d](App& app) {
                            app.hooks.showDecisionPicker = [&app, d](int) {
                                app.view.ReportKind = QStringLiteral("decision %1").arg(d);
                                return true;
                            };
                            if (!IndexDecisions(app, true)) return;
                            int type = d;
                            c.generator(app, type);
                        }});
    }
    const PrintGenerators& g = TheGenerators();
    for (const PrintLayout& l : PrintLayouts()) {
        for (const bool teams : {false, true}) {
            if (teams && l.teamsReportType == 0) continue;
            const int type = teams ? l.teamsReportType : l.reportType;
            const Generator generator = teams ? Generator::Team : l.generator;
            const QString name = QStringLiteral("Print button, %1%2").arg(l.kind, teams ? " by team" : "");
            out.append({name, [&g, type, generator](App& app) {
                            int t = type;
                            switch (generator) {
                                case Generator::OneLine:
                                    return g.oneLine(app, t);
                                case Generator::Team:
                                    return g.team(app, t);
                                case Generator::Baptisms:
                                    return g.baptisms(app);
                                case Generator::Decisions:
                                    for (int d = 1; d <= kDecisionCount; ++d) {
                                        app.view.ReportKind = QStringLiteral("decision %1").arg(d);
                                        IndexDecisions(app, false);
                                        g.decisions(app, d);
                                    }
                                    return;
                            }
                        }});
        }
    }
    out.append({"mail labels", [](App& app) { prnMailLabels(app, false, nullptr); }});
    out.append({"zip code count", [](App& app) { PrintZips(app); }});
    out.append({"team list", [](App& app) { btnPrintTeams_Click(app); }});
    out.append({"church members", [](App& app) { PrintMembers(app); }});
    out.append({"statistics", [](App& app) { PrintStatsReport(app, CrusadeStatisticsPass(app)); }});
    out.append({"visitation report", [](App& app) { PrintTeamReport(app, TeamStatisticsPass(app)); }});
    return out;
}

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

TEST(PrintedNames, EveryNameReadsAsItselfAndNoOtherOfItsKind) {
    const Vocabulary v = Names();
    std::map<QString, int> readings, cuts;  // by kind: how many were read, and left something out
    for (const Printout& printout : EveryPrintout()) {
        SCOPED_TRACE(printout.name.toStdString());
        ReportFixture f(People(v), 40);
        SetNames(f.app, v);
        f.t.dialogs.onShow = [&f](const FakeDialogs::Shown& s) {
            if (s.kind == FakeDialogs::Kind::Printer) f.t.dialogs.print(PrinterChoice{});
            // A night or a number of nights is asked without a text offered.
            if (s.kind == FakeDialogs::Kind::Input) f.t.dialogs.type(s.defaultText.isEmpty() ? "36" : s.defaultText);
            if (s.kind == FakeDialogs::Kind::Message && s.buttons != Buttons::OK) f.t.dialogs.answer(AnsYes);
        };
        // The attendance filter window chooses "at least".
        f.app.hooks.showAttendanceFilters = [&f] { f.app.msg.ScratchVar = QStringLiteral("least"); };
        IndexAlpha(f.app);
        printout.print(f.app);
        ASSERT_GE(f.documents(), 1);
        QStringList faults;
        for (const PrintedDocument& doc : f.t.printer.documents()) {
            for (const PrintedItem& it : doc.items) {
                if (it.kind != PrintedItem::Kind::Text) continue;
                for (const auto& [kind, names] : v.kinds) {
                    for (const Reading& r : ReadingsOf(it.text, names)) {
                        const QString where = kind + QStringLiteral(" |") + r.printed + QStringLiteral("| in |") +
                                              it.text + QStringLiteral("|: ");
                        if (r.names.size() != 1) {
                            faults << where + (r.names.isEmpty() ? QStringLiteral("cut without the mark")
                                                                 : QStringLiteral("reads as ") + r.names.join(" or "));
                            continue;
                        }
                        ++readings[kind];
                        if (r.printed.contains(kMark)) ++cuts[kind];
                        if (NumbersOf(r.printed) != NumbersOf(r.names.front()))
                            faults << where + QStringLiteral("numbers not whole in ") + r.names.front();
                    }
                }
            }
        }
        EXPECT_EQ(faults.join(u'\n').toStdString(), "");
    }
    // Every kind was read, and cut somewhere (but the media, whose twenty letters fit every
    // place they are printed in), so each kind's cuts were read.
    for (const auto& [kind, names] : v.kinds) {
        EXPECT_GT(readings[kind], 0) << kind.toStdString();
        if (kind != "media") {
            EXPECT_GT(cuts[kind], 0) << kind.toStdString();
        }
    }
}

}  // namespace
}  // namespace fennick::test
