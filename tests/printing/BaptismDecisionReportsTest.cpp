// The baptism and decision reports on the recording printer: golden documents with their
// marks, columns, totals and note, the printer dialog's choice passed on to the job, and
// the faults they must not repeat.

#include "ReportFixture.h"
#include "data/Errors.h"
#include "printing/BaptismDecisionReports.h"
#include "views/PersonViews.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

// n baptized names that take the four combinations of the baptism (5) and uniting (9)
// decisions in turn: both recorded, baptism only, uniting only, neither.
QList<AttendeeRecord> Baptized(int n) {
    static const char* const decisions[] = {"----B---U", "----B----", "--------U", "---------"};
    static const char* const last[] = {"Avery", "Brooks", "Chase", "Drake", "Ellis", "Frye", "Grant"};
    QList<AttendeeRecord> out;
    for (int i = 0; i < n; ++i) {
        const QByteArray rnum = QByteArray::number(801 + i).rightJustified(4, '0');
        out.append(Rec(rnum.constData(), "Pat", last[i % 7])
                       .nights("1111")
                       .level("G")
                       .decisions(decisions[i % 4])
                       .bapt(i % 2 ? "4/12/26" : "3/29/26")
                       .with([i](AttendeeRecord& r) {
                           r.BirthDate = i % 3 ? "1/2/61" : "";
                           r.State = "IL";
                       }));
    }
    return out;
}

// Names who made decision 9 on the way to baptism, and two who kept the Sabbath (3).
QList<AttendeeRecord> Deciders() {
    return {
        Rec("0901", "Amos", "Lake")
            .nights("1111111111111111111111111111111111111111")
            .decisions("--------U")
            .team("03"),
        Rec("0902", "Beth", "Lake").nights("---11").decisions("--------U").interview(1).visits("H02A3b").team("03"),
        Rec("0903", "Carl", "Moor").nights("-----1").decisions("--K-----U").bapt("5/30/26").visits("P07").team("07"),
        Rec("0904", "Dina", "Moor").nights("111111").decisions("--------U").interview(1).bapt("12:00AM").team("07"),
        Rec("0905", "Earl", "Nash").nights("1-1-1-1").decisions("--K------").visits("H02P07M09L11").team("12"),
        LongNamed("0906", "12").decisions("--K-----U"),
    };
}

class DecisionFixture : public ReportFixture {
public:
    explicit DecisionFixture(const QList<AttendeeRecord>& records, qint16 lastMeeting = 12)
        : ReportFixture(records, lastMeeting) {}
    // The decision view as the report window previews it (decision 9 arranged by name).
    void decisionView(int d) {
        app.view.ReportKind = QStringLiteral("decision %1").arg(d);
        if (d == 9) t.dialogs.answer(AnsNo);
        IndexDecisions(app, false);
        t.dialogs.clear();
    }
};

struct GoldenCase {
    const char* golden;
    std::function<QList<AttendeeRecord>()> records;
    qint16 lastMeeting;
    std::function<void(DecisionFixture&)> run;
};

TEST(BaptismDecisionReports, PrintTheirGoldenDocuments) {
    const GoldenCase cases[] = {
        // Every mark over a page break; the main window's view is not the baptism list.
        {"baptisms", [] { return FixtureWith(Baptized(52)); }, 12,
         [](DecisionFixture& f) {
             IndexAlpha(f.app);
             f.choosePrinter();
             PrintBaptisms(f.app);
         }},
        {"decision_9", Deciders, 40,
         [](DecisionFixture& f) {
             f.decisionView(9);
             f.choosePrinter();
             PrintDecisions(f.app, 9);
         }},
        {"decision_3", Deciders, 30,
         [](DecisionFixture& f) {
             f.decisionView(3);
             f.choosePrinter();
             PrintDecisions(f.app, 3);
         }},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.golden);
        DecisionFixture f(c.records(), c.lastMeeting);
        const AttendeeRecord shown = f.app.crusade.CurRecord;
        c.run(f);
        EXPECT_TRUE(MatchesGolden(f.dump(), Golden(c.golden)));
        EXPECT_TRUE(f.app.crusade.CurRecord == shown);
        EXPECT_EQ(f.app.crusade.CurRecNo, 2);
        EXPECT_TRUE(f.t.dialogs.messages().isEmpty()) << f.t.dialogs.messages().join(" / ").toStdString();
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

// Every text of the only document, with its page.
QList<PrintedItem> Texts(const ReportFixture& f) {
    QList<PrintedItem> out;
    for (const PrintedItem& it : f.t.printer.documents().front().items)
        if (it.kind == PrintedItem::Kind::Text) out << it;
    return out;
}

// The number printed at 19.5 cm after a total's label.
QString TotalAfter(const ReportFixture& f, const QString& label) {
    const QList<PrintedItem> texts = Texts(f);
    for (qsizetype i = 0; i + 1 < texts.size(); ++i)
        if (texts[i].text == label) return texts[i + 1].text;
    return QStringLiteral("<none>");
}

TEST(BaptismDecisionReports, FaultsAreMended) {
    // "Baptisms:" counts the names with neither mark: never below zero.
    {
        ReportFixture f({Rec("0801", "Ann", "Abel").nights("11").level("G"),
                         Rec("0802", "Bea", "Bond").nights("11").level("G")});
        f.choosePrinter();
        PrintBaptisms(f.app);
        EXPECT_EQ(TotalAfter(f, QStringLiteral("Total Additions: ")), QStringLiteral("2"));
        EXPECT_EQ(TotalAfter(f, QStringLiteral("Baptisms: ")), QStringLiteral("0"));
        EXPECT_EQ(TotalAfter(f, QStringLiteral("Re-baptisms: ")), QStringLiteral("2"));
    }
    // Nobody baptized: the report prints its empty list without reading or showing a
    // record on the main window (which would start adding a name).
    {
        ReportFixture f({Rec("0801", "Ann", "Abel").nights("11"), Rec("0802", "Bea", "Bond").nights("11")});
        bool addMode = false;
        f.app.hooks.startAddMode = [&addMode] { addMode = true; };
        f.app.crusade.CurRecNo = 1;
        f.app.crusade.CurRecord = Rec("0801", "Ann", "Abel").nights("11");
        const AttendeeRecord shown = f.app.crusade.CurRecord;
        f.choosePrinter();
        PrintBaptisms(f.app);
        EXPECT_FALSE(addMode);
        EXPECT_TRUE(f.app.crusade.CurRecord == shown);
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("baptism"));
        ASSERT_EQ(f.documents(), 1);
        EXPECT_EQ(TotalAfter(f, QStringLiteral("Total Additions: ")), QStringLiteral("0"));
    }
    // Without a title naming a baptism nothing is marked "*".
    {
        ReportFixture f({Rec("0801", "Ann", "Abel").nights("11").level("G"), Rec("0802", "Bea", "Bond").nights("11")});
        f.app.settings.DecisionNames[5] = QStringLiteral("Tithe");
        f.choosePrinter();
        PrintBaptisms(f.app);
        EXPECT_EQ(TotalAfter(f, QStringLiteral("Profession of Faith: ")), QStringLiteral("0"));
        EXPECT_EQ(TotalAfter(f, QStringLiteral("Re-baptisms: ")), QStringLiteral("1"));
    }
    // A decision outside 1 to 9, or a picker cancelled, prints nothing.
    for (const int d : {0, 10, -1, 5}) {
        ReportFixture f;
        IndexAlpha(f.app);
        f.app.hooks.showDecisionPicker = [](int) { return false; };
        PrintDecisions(f.app, d);
        EXPECT_TRUE(f.t.dialogs.shown().empty()) << d;
        EXPECT_EQ(f.documents(), 0) << d;
    }
}

TEST(BaptismDecisionReports, TotalsAndNotesStayOnTheirPage) {
    // Lists ending at every height of the first and second pages: no line, total or note
    // begins below the break position (the decision note stands at 25.4 cm, clear of the
    // totals), and every page after the first carries its footer.
    for (const bool decisions : {false, true}) {
        for (int n = 36; n <= 100; n += decisions ? 3 : 2) {
            SCOPED_TRACE(QStringLiteral("%1 names, %2").arg(n).arg(decisions ? "decision" : "baptisms").toStdString());
            QList<AttendeeRecord> people = Baptized(n);
            for (AttendeeRecord& r : people) r.Decisions = "--K-B---U";
            ReportFixture f(people);
            if (decisions) {
                f.app.view.ReportKind = QStringLiteral("decision 3");
                IndexDecisions(f.app, false);
            }
            f.choosePrinter();
            decisions ? PrintDecisions(f.app, 3) : PrintBaptisms(f.app);
            ASSERT_EQ(f.documents(), 1);
            const QString footer = decisions ? QStringLiteral("Keep Sabbath: Page ") : QStringLiteral("Baptisms: Page ");
            const int pages = f.t.printer.documents().front().pageCount;
            QList<int> footers;
            double totalBottom = 0;
            for (const PrintedItem& it : Texts(f)) {
                if (it.text.startsWith(footer)) {
                    EXPECT_EQ(it.y, 26.1);
                    EXPECT_EQ(it.text, footer + QString::number(it.page));
                    footers << it.page;
                } else if (it.text.startsWith(QLatin1String("NOTE:"))) {
                    EXPECT_EQ(it.y, 25.4);
                    EXPECT_EQ(it.page, pages);
                } else {
                    EXPECT_LE(it.y, 25.0) << it.text.toStdString();
                }
                if (it.text.startsWith(QLatin1String("Total ")) || it.text.startsWith(QLatin1String("Note:"))) {
                    EXPECT_EQ(it.page, pages);
                    totalBottom = it.y + 8 * 1.15 * 2.54 / 72;
                }
            }
            EXPECT_LT(totalBottom, 25.4);
            QList<int> expected;
            for (int p = 2; p <= pages; ++p) expected << p;
            EXPECT_EQ(footers, expected);
        }
    }
}

TEST(BaptismDecisionReports, TheDialogsChoiceIsTheJob) {
    struct Case {
        const char* name;
        std::optional<PrinterChoice> choice;
        int documents;
        QStringList messages;
    };
    auto job = [](int from, int to, int copies) {
        PrinterChoice c;
        c.fromPage = from;
        c.toPage = to;
        c.copies = copies;
        return std::optional<PrinterChoice>(c);
    };
    const Case cases[] = {
        {"page 2, two copies", job(2, 2, 2), 1, {}},
        {"first page past the end", job(3, 1000, 1), 0,
         {QStringLiteral("The page you selected to begin with was greater than the total number of pages available "
                         "to print.")}},
        {"cancel", std::nullopt, 0, {}},
    };
    for (const bool decisions : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            QList<AttendeeRecord> people = Baptized(60);
            for (AttendeeRecord& r : people) r.Decisions = "--K-B---U";
            DecisionFixture f(people);
            if (decisions) f.decisionView(3);
            f.t.dialogs.print(c.choice);
            decisions ? PrintDecisions(f.app, 3) : PrintBaptisms(f.app);
            ASSERT_EQ(f.documents(), c.documents);
            EXPECT_EQ(f.t.dialogs.messages(), c.messages);
            if (c.documents == 0) continue;
            EXPECT_EQ(f.t.printer.documents().front().pageCount, 2);
            EXPECT_EQ(f.t.printer.jobs().front().fromPage, 2);
            EXPECT_EQ(f.t.printer.jobs().front().toPage, 2);
            EXPECT_EQ(f.t.printer.jobs().front().copies, 2);
        }
    }
}

TEST(BaptismDecisionReports, AFailedDeliveryIsThrownAndLeavesNothingBehind) {
    ReportFixture f(Baptized(3));
    IndexBaptisms(f.app, QStringLiteral("Al"));
    f.t.printer.failDeliveries = 1;
    f.choosePrinter();
    try {
        PrintBaptisms(f.app);
        FAIL() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), err::PrinterError);
    }
    EXPECT_EQ(f.documents(), 0);
    EXPECT_TRUE(f.t.printer.document().items.isEmpty());
}

}  // namespace
}  // namespace fennick::test
