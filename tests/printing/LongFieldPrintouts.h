#pragma once
// Every printout of this subsystem, run as its command runs it over a crusade of fields as
// long and wide as they come (LongFields.h), with the dialogs answered.

#include "LongFields.h"
#include "ReportFixture.h"
#include "printing/BaptismDecisionReports.h"
#include "printing/InterestCards.h"
#include "printing/MailLabels.h"
#include "printing/RegistrationLists.h"
#include "printing/TeamReports.h"
#include "views/PersonViews.h"

#include <memory>

namespace fennick::test {

namespace longfields {

inline void PrintTeams(ReportFixture& f, int type) {
    f.choosePrinter();
    PrintWCReport(f.app, type);
}

inline void PrintDecision(ReportFixture& f, int decision) {
    f.app.view.ReportKind = QStringLiteral("decision %1").arg(decision);
    if (decision == 9) f.t.dialogs.answer(AnsNo);
    IndexDecisions(f.app, false);
    f.choosePrinter();
    PrintDecisions(f.app, decision);
}

inline void PrintList(ReportFixture& f, RegistrationList list) {
    f.t.dialogs.answer(AnsYes);  // with the church members
    f.choosePrinter();
    PrintRegistrationList(f.app, list);
}

}  // namespace longfields

inline QList<LongFieldPrintout<ReportFixture>> LongFieldPrintouts() {
    using namespace longfields;
    return {

        {"alphabetical list", [](ReportFixture& f) { f.choosePrinter(), f.print(1); }},
        {"baptism dates", [](ReportFixture& f) { f.choosePrinter(), f.print(5); }},
        {"interest list", [](ReportFixture& f) { f.choosePrinter(), f.print(6); }},
        {"appointments", [](ReportFixture& f) { f.choosePrinter(), f.print(7); }},
        {"pre-crusade invitations", [](ReportFixture& f) { f.choosePrinter(), f.print(8); }},
        {"notes",
         [](ReportFixture& f) {
             IndexNotes(f.app);
             f.choosePrinter();
             f.printBuilt(10);
         }},
        {"team pages", [](ReportFixture& f) { PrintTeams(f, 1); }},
        {"team sheets", [](ReportFixture& f) { PrintTeams(f, 4); }},
        {"baptisms",
         [](ReportFixture& f) {
             f.choosePrinter();
             PrintBaptisms(f.app);
         }},
        {"decision 9", [](ReportFixture& f) { PrintDecision(f, 9); }},
        {"decision 3", [](ReportFixture& f) { PrintDecision(f, 3); }},
        {"mail labels",
         [](ReportFixture& f) {
             f.t.dialogs.answer(AnsYes);
             f.choosePrinter();
             prnMailLabels(f.app, false, nullptr);
         }},
        {"interest cards",
         [](ReportFixture& f) {
             f.t.dialogs.answer(AnsNo).answer(AnsNo);
             f.choosePrinter();
             f.t.dialogs.answer(AnsYes);
             InterestCard2x4(f.app);
         }},
        {"registration list", [](ReportFixture& f) { PrintList(f, RegistrationList::Numbers); }},
        {"registration list by number", [](ReportFixture& f) { PrintList(f, RegistrationList::ByNumber); }},
        {"tickets", [](ReportFixture& f) { PrintList(f, RegistrationList::Tickets); }},
    };
}

// A crusade of long fields, printed on printer (null: the recording printer).
inline std::unique_ptr<ReportFixture> LongFieldCrusade(Printer* printer = nullptr) {
    auto f = std::make_unique<ReportFixture>(LongFieldRecords(), 40, printer);
    SetLongFieldSettings(f->app);
    IndexAlpha(f->app);
    return f;
}

}  // namespace fennick::test
