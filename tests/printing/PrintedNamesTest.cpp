// Every printout over a crusade whose names of one kind share their first twenty letters
// or more: wherever a team, church, decision, age group, media, sermon title or the
// crusade's name is printed, it reads as that name and no other of its kind. A cut shows
// the mark where text is left out, and the numbers of a name print whole.

#include "AlikeNames.h"
#include "ReportFixture.h"
#include "reportwindow/PrintDispatch.h"
#include "reportwindow/ReportMenus.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

// A printout and how it is run on a crusade whose dialogs answer Yes, give the text
// offered (or night 36) and print on the printer.
struct Printout {
    QString name;
    std::function<void(App&)> print;
};

// The printouts of the program's lists of them: the print commands of the main window's
// Print Reports menu (the decision report for each decision the picker offers) and the
// reports of the report window's Print button by the view's kind, with and without Teams.
// Every other window's print commands are found in the windows and checked there.
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
    return out;
}

TEST(PrintedNames, EveryNameReadsAsItselfAndNoOtherOfItsKind) {
    const Vocabulary v = AlikeNames();
    NamesRead count;
    for (const Printout& printout : EveryPrintout()) {
        SCOPED_TRACE(printout.name.toStdString());
        ReportFixture f(AlikePeople(v), 40);
        UseAlikeNames(f.app, v);
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
        EXPECT_EQ(MisprintedNames(f.t.printer.documents(), v, count).join(u'\n').toStdString(), "");
    }
    // Every kind was read (but the age groups, which only the statistics window prints), and
    // cut somewhere (but the media, whose twenty letters fit every place they are printed in),
    // so each kind's cuts were read.
    for (const auto& [kind, names] : v) {
        if (kind == "age group") continue;
        EXPECT_GT(count.read[kind], 0) << kind.toStdString();
        if (kind != "media") {
            EXPECT_GT(count.cut[kind], 0) << kind.toStdString();
        }
    }
}

}  // namespace
}  // namespace fennick::test
