#include "tables/MemberPrintout.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "platform/Busy.h"
#include "platform/Printer.h"
#include "printing/PrintCommons.h"
#include "views/Indexes.h"

namespace fennick {

namespace {

// A font in which 71 lines fit between 1 cm and the foot of the page, whatever the report
// printed before left set.
const PrinterFont kMemberFont{QStringLiteral("Arial"), 9};

constexpr int kSecondColumn = 71;
constexpr int kThirdColumn = 141;
constexpr int kNextPage = 211;
// The columns' left edges.
constexpr double kColumn1X = 2;
constexpr double kColumn2X = 9;
constexpr double kColumn3X = 15;

QString PrintedLine(const QByteArray& entry) {
    return FromAnsi(Trim(Mid(entry, 1, 4))) + QStringLiteral("  ") + FromAnsi(Trim(Mid(entry, 5, 15))) +
           QStringLiteral(", ") + FromAnsi(Trim(Mid(entry, 20, 15)));
}

void PrintList(App& app, Printer& p) {
    p.setFont(kMemberFont);
    p.print();
    p.setCurrentX(0.7);
    p.print(QStringLiteral("SDA Members"));
    p.setCurrentY(1);

    const Crusade& c = app.crusade;
    int line = 0;
    double column = kColumn1X;
    int page = 1;
    for (int i = 1; i <= c.MemberCount; ++i) {
        ++line;
        if (line == kSecondColumn || line == kThirdColumn) {
            column = line == kSecondColumn ? kColumn2X : kColumn3X;
            p.setCurrentY(1);
        }
        const QString text = PrintedLine(c.MemberNames[i]);
        p.setCurrentX(column);
        if (line == kNextPage) {
            ++page;
            p.newPage();
            p.setCurrentX(18);
            p.print(QStringLiteral("SDA's Page ") + QString::number(page));
            p.setCurrentY(1);
            line = 0;
            column = kColumn1X;
            p.setCurrentX(column);
        }
        // A name stops where the next column begins, condensed, then cut at its end: the
        // number before it always stays whole.
        const double right = column == kColumn1X   ? kColumn2X
                             : column == kColumn2X ? kColumn3X
                                                   : Printer::kPrintableRightCm;
        p.print(text, right, Printer::Fit::Cut);
    }
    p.endDoc();
}

}  // namespace

void SortMembers(App& app) {
    BusyGuard hourglass(app.platform.busy);
    Crusade& c = app.crusade;
    const int n = c.MemberCount;
    if (n <= 1) return;
    QList<QByteArray>& list = c.MemberNames;
    int gap = n;
    bool swapped = true;
    while (gap > 1 || swapped) {
        gap = NextCombGap(gap);
        swapped = false;
        for (int i = 1; i + gap <= n; ++i) {
            if (CompareBytes(Mid(list[i], 5), Mid(list[i + gap], 5)) > 0) {
                list[i].swap(list[i + gap]);
                swapped = true;
            }
        }
    }
}

void PrintMembers(App& app) {
    SortMembers(app);
    Printer& p = app.printer();
    int fromPage = 1, toPage = 1000, copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return;
    try {
        PrintList(app, p);
    } catch (const VbError&) {
        p.killDoc();
        throw;
    }
}

}  // namespace fennick
