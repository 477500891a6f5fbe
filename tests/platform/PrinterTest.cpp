// The printer page model, on the recording printer.

#include "DocumentDump.h"
#include "data/Errors.h"
#include "data/ReportFonts.h"
#include "platform/DrawingSurface.h"
#include "platform/Printer.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

namespace fennick {
namespace {

using test::CanBeCutOf;

constexpr double kCmPerPoint = 2.54 / 72.0;

PrinterFont Font(double size, bool bold = false) {
    PrinterFont f;
    f.size = size;
    f.bold = bold;
    return f;
}

TEST(RecordingPrinter, MeasuresWithItsDocumentedWidthTable) {
    struct Case {
        const char* text;
        double size;
        bool bold;
        double em;  // sum of the characters' widths in the table
    } const cases[] = {
        {"", 10, false, 0},
        {"il.,:;'|! I", 10, false, 11 * 0.28},
        {"ftr", 12, false, 3 * 0.33},
        {"mw", 8, false, 2 * 0.83},
        {"MW", 8, false, 2 * 0.94},
        {"AZ", 10, false, 2 * 0.67},
        {"0189", 10, false, 4 * 0.556},
        {"abz-", 14, false, 4 * 0.5},
        {"Smith", 10, true, 0.67 + 0.83 + 0.28 + 0.33 + 0.5},
    };
    RecordingPrinter p;
    for (const Case& c : cases) {
        p.setFont(Font(c.size, c.bold));
        const double expected = c.em * c.size * kCmPerPoint * (c.bold ? 1.05 : 1.0);
        EXPECT_NEAR(p.textWidth(QString::fromLatin1(c.text)), expected, 1e-9) << c.text;
        EXPECT_NEAR(p.textHeight(), c.size * 1.15 * kCmPerPoint, 1e-9) << c.text;
    }
}

TEST(Printer, PrintingEndsTheLineOrStaysOnIt) {
    struct Case {
        bool onLine;
        double x, y;
        const char* text;
    } const cases[] = {
        {false, 2.0, 3.0, "Mary Smith"},
        {true, 2.0, 3.0, "Mary Smith"},
        {false, 0.0, 0.0, ""},  // an empty print still moves down a line
        {true, 5.5, 10.0, ""},  // an empty text on the line moves nothing
    };
    for (const Case& c : cases) {
        RecordingPrinter p;
        p.setFont(Font(12));
        p.setCurrentX(c.x);
        p.setCurrentY(c.y);
        const QString text = QString::fromLatin1(c.text);
        const double w = p.textWidth(text);
        const double h = p.textHeight();
        if (c.onLine) {
            p.printOnLine(text);
            EXPECT_NEAR(p.currentX(), c.x + w, 1e-9) << c.text;
            EXPECT_NEAR(p.currentY(), c.y, 1e-9) << c.text;
        } else {
            p.print(text);
            EXPECT_EQ(p.currentX(), 0) << c.text;
            EXPECT_NEAR(p.currentY(), c.y + h, 1e-9) << c.text;
        }
        // Empty texts leave no mark on the page.
        EXPECT_EQ(p.document().items.size(), text.isEmpty() ? 0 : 1) << c.text;
    }
}

TEST(Printer, TextsAreCutAtTheNextColumnAndAtThePrintableArea) {
    RecordingPrinter p;
    p.setFont(Font(10));
    const double mary = p.textWidth(QStringLiteral("Mary"));
    const double w = p.textWidth(QStringLiteral("W"));
    const double blank = p.textWidth(QStringLiteral(" "));  // stays free before the next column
    struct Case {
        double x, right;
        const char* text;
        const char* cut;
        int stretch;
    } const cases[] = {
        {1.0, 10.0, "Mary Smith", "Mary Smith", 100},                      // fits
        {1.0, 1.0 + mary + 2 * blank + 0.01, "Mary      ", "Mary ", 100},  // its blanks as far as they fit
        {12.0, 10.0, "Mary", "", 100},                                     // already past the edge
        {20.0, 30.0, "WWWW", "WWW…", Printer::kLegibleStretch},            // the printable area ends first
        {Printer::kPrintableRightCm - 2 * w, 30.0, "WWWW", "WW…", Printer::kLegibleStretch},  // no blank at its edge
    };
    for (const Case& c : cases) {
        p.killDoc();
        p.setCurrentX(c.x);
        p.printOnLine(QString::fromLatin1(c.text), c.right, Printer::Fit::Cut);
        const PrintedItem it = p.document().items.value(0);
        EXPECT_EQ(it.text.toStdString(), c.cut) << c.text << " to " << c.right;
        EXPECT_EQ(it.font.stretch, c.stretch) << c.text << " to " << c.right;
    }
    p.killDoc();
    // Printing cuts at the printable area by itself and moves past what was printed.
    ASSERT_LT(20.0 + 2 * w, Printer::kPrintableRightCm);
    ASSERT_GT(20.0 + 3 * w, Printer::kPrintableRightCm);
    p.setCurrentX(20.0);
    p.printOnLine(QStringLiteral("WWWW"));
    EXPECT_EQ(p.document().items.front().text, QStringLiteral("WW"));
    EXPECT_NEAR(p.currentX(), 20.0 + 2 * w, 1e-9);
    p.print(QStringLiteral("W"));  // nothing of it fits
    EXPECT_EQ(p.document().items.size(), 1);
    // A window's drawing has no printable edge.
    RecordingSurface s;
    s.setFont(Font(10));
    s.setCurrentX(200.0);
    s.print(QStringLiteral("WWWW"));
    EXPECT_EQ(s.displayList().front().text, QStringLiteral("WWWW"));
}

// A text that would reach the next column: whole texts are condensed as far as they need,
// free texts down to the legible width and then cut; a free text before a whole one gives
// way first.
TEST(Printer, TextsReachingTheNextColumnAreCondensedAndOnlyFreeTextIsCut) {
    RecordingPrinter p;
    p.setFont(Font(10));
    const auto w = [&p](const char* t) { return p.textWidth(QString::fromUtf8(t)); };
    const double blank = w(" ");
    using Fit = Printer::Fit;
    struct Case {
        const char *freeText, *wholeText;
        double room;  // from CurrentX to one blank before the next column
        int stretch;
        const char* printed;
    } const cases[] = {
        {"", "217-555-0113", w("217-555-0113"), 100, "217-555-0113"},
        {"", "217-555-0113", 0.8 * w("217-555-0113"), 80, "217-555-0113"},
        {"", "217-555-0113", 0.2 * w("217-555-0113"), Printer::kNarrowestStretch, "217-555-0113"},
        {"Mary Smith", "", 0.9 * w("Mary Smith"), 90, "Mary Smith"},
        // A cut ends in the mark, within the room.
        {"Mary Smith", "", 0.75 * w("Mary Sm…"), 75, "Mary Sm…"},
        {"Mary Smith", "", 0.75 * w("Mary Sm…") - 0.01, 75, "Mary S…"},
        {"Springfield", ", IL 62704", 0.8 * w("Springfield, IL 62704"), 80, "Springfield, IL 62704"},
        {"Springfield", ", IL 62704", 0.75 * w("Spring…, IL 62704"), 75, "Spring…, IL 62704"},
        {"Springfield", ", IL 62704", 0.6 * w(", IL 62704"), 60, ", IL 62704"},
        // Blanks that end a free text give way before anything condenses.
        {"Mary Smith          ", "", 0.9 * w("Mary Smith"), 90, "Mary Smith"},
        {"Mary Smith    ", "217-555-0113", w("Mary Smith  217-555-0113"), 100, "Mary Smith  217-555-0113"},
        {"Mary Smith    ", "217-555-0113", 0.9 * w("Mary Smith217-555-0113"), 90, "Mary Smith217-555-0113"},
    };
    for (const Case& c : cases) {
        p.killDoc();
        p.setCurrentX(1.0);
        const double right = 1.0 + c.room + blank;
        if (!*c.freeText)
            p.printOnLine(QString::fromLatin1(c.wholeText), right, Fit::Whole);
        else if (!*c.wholeText)
            p.printOnLine(QString::fromLatin1(c.freeText), right, Fit::Cut);
        else
            p.printOnLine(QString::fromLatin1(c.freeText), QString::fromLatin1(c.wholeText), right);
        const PrintedItem& it = p.document().items.value(0);
        EXPECT_EQ(it.text.toStdString(), c.printed) << c.freeText << c.wholeText;
        EXPECT_EQ(it.font.stretch, c.stretch) << c.freeText << c.wholeText;
        EXPECT_EQ(p.font().stretch, 100) << "the stretch is the text's own";
        EXPECT_NEAR(p.currentX(), 1.0 + TableTextWidth(it.text, it.font), 1e-9);
    }
    // The next item of the line moves past a whole text that ran beyond its column.
    p.setCurrentX(1.0);
    EXPECT_DOUBLE_EQ(p.nextColumn(5.0), 5.0);
    p.setCurrentX(5.0);
    EXPECT_DOUBLE_EQ(p.nextColumn(5.0), 5.0 + blank);
}

// A text of several free and whole parts (a team's heading and a title): condensed together,
// then the longest free part gives way first, and every whole part stays.
TEST(Printer, OfSeveralFreePartsTheLongestGivesWayFirst) {
    RecordingPrinter p;
    p.setFont(Font(10));
    const auto w = [&p](const char* t) { return p.textWidth(QString::fromUtf8(t)); };
    using Fit = Printer::Fit;
    const QList<Printer::Part> parts{{QStringLiteral("Team 05:  "), Fit::Whole},
                                     {QStringLiteral("Men's Ministry Outreach"), Fit::Cut},
                                     {QStringLiteral(" 217-555-0113   "), Fit::Whole},
                                     {QStringLiteral("Spring"), Fit::Cut},
                                     {QStringLiteral(" Team List"), Fit::Whole}};
    struct Case {
        double room;
        int stretch;
        const char* printed;
    } const cases[] = {
        {0.8 * w("Team 05:  Men's Ministry Outreach 217-555-0113   Spring Team List"), 80,
         "Team 05:  Men's Ministry Outreach 217-555-0113   Spring Team List"},
        {0.75 * w("Team 05:  Men's Ministry… 217-555-0113   Spring Team List"), 75,
         "Team 05:  Men's Ministry… 217-555-0113   Spring Team List"},
        {0.75 * w("Team 05:  Men's… 217-555-0113   Spring Team List"), 75,
         "Team 05:  Men's… 217-555-0113   Spring Team List"},
        {0.75 * w("Team 05:  Me… 217-555-0113   Spr… Team List"), 75, "Team 05:  Me… 217-555-0113   Spr… Team List"},
        {0.6 * w("Team 05:   217-555-0113    Team List"), 60, "Team 05:   217-555-0113    Team List"},
    };
    for (const Case& c : cases) {
        p.killDoc();
        p.setCurrentX(1.0);
        p.printOnLine(parts, 1.0 + c.room + w(" "));
        const PrintedItem& it = p.document().items.value(0);
        EXPECT_EQ(it.text.toStdString(), c.printed);
        EXPECT_EQ(it.font.stretch, c.stretch) << c.printed;
    }
}

// Names of one list cut to a narrow column, as a column of names and as a name among the
// parts of a heading: each cut shows the mark where text is left out, even a name alike to
// no other, keeps its numbers whole and reads as its own name only.
TEST(Printer, ACutNameReadsAsItselfOnly) {
    const QStringList westfield{"Westfield Wide Visitation Team 1", "Westfield Wide Visitation Team 4",
                                "Westfield Wide Visitation Team 11", "Westfield Wide Visitation Team 14",
                                "Westfield Wide Visitation Team 40"};
    const struct {
        QStringList names;
        double room;  // at the normal width, from the column's left edge to the next column
    } cases[] = {
        {{"Pathfinder Outreach and Community Services Volunteers"}, 3.0},
        {{"Riverside Visitation Team North", "Riverside Visitation Team South"}, 3.0},
        {westfield, 3.0},
        {westfield, 2.2},
        {{"Greater Peoria Evangelistic Meetings in the Spring of 2026"}, 4.0},
    };
    const QRegularExpression digits(QStringLiteral("[0-9]+"));
    const auto numbers = [&digits](const QString& text) {
        QStringList out;
        for (auto m = digits.globalMatch(text); m.hasNext();) out << m.next().captured();
        return out;
    };
    const QString head = QStringLiteral("Team 05:  ");
    const QString tail = QStringLiteral(" 555-0101");
    for (const auto& c : cases) {
        RecordingPrinter p;
        p.setFont(Font(10));
        const double right = 1.0 + c.room * Printer::kLegibleStretch / 100;
        QList<Printer::ColumnName> column;
        for (const QString& name : c.names) column.append({name, QString(), 1.0, right});
        const QList<Printer::Fitted> fitted = p.fitColumn(column);
        for (qsizetype i = 0; i < c.names.size(); ++i) {
            const QString& name = c.names[i];
            // The name among the parts of a heading, with room for it as in the column.
            p.killDoc();
            p.setCurrentX(1.0 - p.textWidth(head));
            p.printOnLine(
                {{head, Printer::Fit::Whole}, {name, Printer::Fit::Name, c.names}, {tail, Printer::Fit::Whole}},
                right + p.textWidth(tail) * Printer::kLegibleStretch / 100);
            const QString heading = p.document().items.value(0).text;
            ASSERT_TRUE(heading.startsWith(head) && heading.endsWith(tail)) << heading.toStdString();
            for (const QString& printed : {fitted[i].text, heading.mid(head.size()).chopped(tail.size())}) {
                SCOPED_TRACE(printed.toStdString());
                EXPECT_NE(printed, name) << "not cut";
                EXPECT_TRUE(CanBeCutOf(printed, name));
                for (const QString& other : c.names)
                    EXPECT_TRUE(other == name || !CanBeCutOf(printed, other)) << other.toStdString();
                EXPECT_EQ(numbers(printed), numbers(name));
            }
        }
    }
}

// Notes broken into the lines of a card: at the normal width, condensed, and cut with the
// mark at the end of the last line when even condensed they run longer.
TEST(Printer, NotesTooLongForTheirLinesEndInTheMark) {
    RecordingPrinter p;
    p.setFont(Font(10));
    const QString notes = QStringLiteral("Asked for a Bible study on Daniel and Revelation after the meeting");
    const double width = p.textWidth(QStringLiteral("Asked for a Bible study on"));
    const struct {
        int lines;
        int stretch;
        bool cut;
    } cases[] = {{3, 100, false}, {2, Printer::kLegibleStretch, false}, {1, Printer::kLegibleStretch, true}};
    for (const auto& c : cases) {
        const Printer::FittedLines f = p.fitLines(notes, width, c.lines);
        SCOPED_TRACE(f.lines.join(u'|').toStdString());
        EXPECT_EQ(f.stretch, c.stretch);
        ASSERT_EQ(f.lines.size(), c.lines);
        for (const QString& line : f.lines) EXPECT_LE(p.textWidth(line) * f.stretch / 100, width + 1e-9);
        if (c.cut) {
            EXPECT_TRUE(f.lines.back().endsWith(QChar(0x2026)));
            EXPECT_TRUE(notes.startsWith(f.lines.join(u' ').chopped(1)));
        } else {
            EXPECT_EQ(f.lines.join(u' '), notes);
        }
    }
}

TEST(Printer, ATextBelowTheBottomStartsANewPage) {
    struct Case {
        double y;
        int page;  // page the text lands on
    } const cases[] = {
        {1.0, 1},
        {Printer::kPrintableBottomCm - 1.0, 1},  // fits
        {Printer::kPrintableBottomCm - 0.1, 2},  // would run past what printers print
        {Printer::kPageHeightCm + 3.0, 2},       // placed below the page
    };
    for (const Case& c : cases) {
        RecordingPrinter p;
        p.setFont(Font(10));
        p.setCurrentX(4.0);
        p.setCurrentY(c.y);
        p.printOnLine(QStringLiteral("x"));
        ASSERT_EQ(p.document().items.size(), 1);
        const PrintedItem& it = p.document().items.front();
        EXPECT_EQ(it.page, c.page) << c.y;
        EXPECT_EQ(p.page(), c.page) << c.y;
        // A text carried to a new page stays in its column, at the top of what printers print.
        EXPECT_EQ(it.y, c.page == 1 ? c.y : Printer::kPrintableMarginCm) << c.y;
        EXPECT_EQ(it.x, 4.0) << c.y;
    }
    // A font taller than the page cannot loop: at the top it prints where it is.
    RecordingPrinter p;
    p.setFont(Font(1000));
    p.print(QStringLiteral("I"));
    EXPECT_EQ(p.document().items.front().page, 1);
}

TEST(Printer, PagesOfADocumentAndItsEnd) {
    struct Case {
        const char* name;
        std::function<void(Printer&)> draw;
        int documents;  // delivered by endDoc
        int pageCount;
    } const cases[] = {
        {"nothing printed", [](Printer&) {}, 0, 0},
        {"one line", [](Printer& p) { p.print(QStringLiteral("a")); }, 1, 1},
        {"new page before the end adds no blank sheet",
         [](Printer& p) {
             p.print(QStringLiteral("a"));
             p.newPage();
         },
         1, 1},
        {"a blank page between two pages counts",
         [](Printer& p) {
             p.print(QStringLiteral("a"));
             p.newPage();
             p.newPage();
             p.print(QStringLiteral("c"));
         },
         1, 3},
        {"a line alone makes a page", [](Printer& p) { p.line(1, 1, 5, 1); }, 1, 1},
    };
    for (const Case& c : cases) {
        RecordingPrinter p;
        c.draw(p);
        p.endDoc();
        ASSERT_EQ(p.documents().size(), c.documents) << c.name;
        if (c.documents) {
            EXPECT_EQ(p.documents().front().pageCount, c.pageCount) << c.name;
        }
        // The next document starts fresh.
        EXPECT_EQ(p.page(), 1) << c.name;
        EXPECT_TRUE(p.document().items.isEmpty()) << c.name;
    }
}

TEST(Printer, KillDocDropsEveryPage) {
    RecordingPrinter p;
    p.print(QStringLiteral("page one"));
    p.newPage();
    p.print(QStringLiteral("page two"));
    p.setCurrentX(3);
    p.killDoc();
    EXPECT_EQ(p.page(), 1);
    EXPECT_EQ(p.currentX(), 0);
    EXPECT_EQ(p.currentY(), 0);
    p.endDoc();
    EXPECT_TRUE(p.documents().isEmpty());
}

TEST(Printer, LineIsRecordedAndMovesThePosition) {
    RecordingPrinter p;
    p.setDrawWidth(3);
    p.line(1.0, 2.0, 19.5, 2.5);
    EXPECT_EQ(p.currentX(), 19.5);
    EXPECT_EQ(p.currentY(), 2.5);
    p.printOnLine(QStringLiteral("after"));
    const auto& items = p.document().items;
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].kind, PrintedItem::Kind::Line);
    EXPECT_EQ(items[0].drawWidth, 3);
    EXPECT_EQ(QList<double>({items[0].x, items[0].y, items[0].x2, items[0].y2}), QList<double>({1.0, 2.0, 19.5, 2.5}));
    EXPECT_EQ(items[1].x, 19.5);
    EXPECT_EQ(items[1].y, 2.5);
}

TEST(RecordingPrinter, RecordsTextPositionFontAndPage) {
    const ReportFonts& f = TheReportFonts();
    RecordingPrinter p;
    p.setFont(f.FontArial14);
    p.setCurrentX(7.0);
    p.print(QStringLiteral("Spring Crusade"));
    p.setFont(f.FontTimes8B);
    p.printOnLine(QStringLiteral("0012"));
    p.printOnLine(QStringLiteral("Smith"));
    p.newPage();
    p.setFont(f.FontCourier8);
    p.print(QStringLiteral("Page 2"));
    p.endDoc();

    ASSERT_EQ(p.documents().size(), 1);
    const PrintedDocument& d = p.documents().front();
    EXPECT_EQ(d.pageCount, 2);
    const double h14 = 14 * 1.15 * kCmPerPoint;
    p.setFont(f.FontTimes8B);
    const double w0012 = p.textWidth(QStringLiteral("0012"));
    struct Expected {
        QString text;
        int page;
        double x, y;
        PrinterFont font;
    } const expected[] = {
        {QStringLiteral("Spring Crusade"), 1, 7.0, 0.0, f.FontArial14},
        {QStringLiteral("0012"), 1, 0.0, h14, f.FontTimes8B},
        {QStringLiteral("Smith"), 1, w0012, h14, f.FontTimes8B},
        {QStringLiteral("Page 2"), 2, 0.0, 0.0, f.FontCourier8},
    };
    ASSERT_EQ(d.items.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const PrintedItem& it = d.items[qsizetype(i)];
        EXPECT_EQ(it.text, expected[i].text);
        EXPECT_EQ(it.page, expected[i].page) << i;
        EXPECT_NEAR(it.x, expected[i].x, 1e-9) << i;
        EXPECT_NEAR(it.y, expected[i].y, 1e-9) << i;
        EXPECT_EQ(it.font, expected[i].font) << i;
    }
    EXPECT_EQ(d.page(2).size(), 1);
}

// A printer whose output fails, as a printer that is off line or a PDF path that cannot be written.
class FailingPrinter : public RecordingPrinter {
protected:
    void deliver(const PrintedDocument&) override { throw VbError(err::PrinterError, QStringLiteral("Printer error")); }
};

TEST(Printer, AFailedDeliveryLeavesAFreshDocument) {
    FailingPrinter p;
    p.print(QStringLiteral("one"));
    p.newPage();
    p.print(QStringLiteral("two"));
    EXPECT_THROW(p.endDoc(), VbError);
    EXPECT_EQ(p.page(), 1);
    EXPECT_TRUE(p.document().items.isEmpty());
}

}  // namespace
}  // namespace fennick
