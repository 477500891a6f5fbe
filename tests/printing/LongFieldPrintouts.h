#pragma once
// Every printout of this subsystem, run as its command runs it over a crusade of fields as
// long and wide as they come (LongFields.h), with the dialogs answered.

#include "LongFields.h"
#include "ReportFixture.h"
#include "printing/InterestCards.h"
#include "printing/MailLabels.h"
#include "printing/RegistrationLists.h"
#include "views/PersonViews.h"

#include <memory>

namespace fennick::test {

// A registration list with the church members.
inline void PrintWithMembers(ReportFixture& f, RegistrationList list) {
    f.t.dialogs.answer(AnsYes);
    f.choosePrinter();
    PrintRegistrationList(f.app, list);
}

inline QList<LongFieldPrintout<ReportFixture>> LongFieldPrintouts() {
    return {
        {"alphabetical list", [](ReportFixture& f) { f.choosePrinter(), f.print(1); }},
        {"baptism dates", [](ReportFixture& f) { f.choosePrinter(), f.print(5); }},
        {"interest list", [](ReportFixture& f) { f.choosePrinter(), f.print(6); }},
        {"appointments", [](ReportFixture& f) { f.choosePrinter(), f.print(7); }},
        {"pre-crusade invitations", [](ReportFixture& f) { f.choosePrinter(), f.print(8); }},
        {"notes", [](ReportFixture& f) { IndexNotes(f.app), f.choosePrinter(), f.printBuilt(10); }},
        {"team pages", [](ReportFixture& f) { f.printTeamReport(1); }},
        {"team sheets", [](ReportFixture& f) { f.printTeamReport(4); }},
        {"baptisms", [](ReportFixture& f) { f.choosePrinter(), PrintBaptisms(f.app); }},
        {"decision 9", [](ReportFixture& f) { f.printDecisionReport(9); }},
        {"decision 3", [](ReportFixture& f) { f.printDecisionReport(3); }},
        {"mail labels",
         [](ReportFixture& f) { f.t.dialogs.answer(AnsYes), f.choosePrinter(), prnMailLabels(f.app, false, nullptr); }},
        {"interest cards",
         [](ReportFixture& f) {
             f.t.dialogs.answer(AnsNo).answer(AnsNo);
             f.choosePrinter();
             f.t.dialogs.answer(AnsYes);
             InterestCard2x4(f.app);
         }},
        {"registration list", [](ReportFixture& f) { PrintWithMembers(f, RegistrationList::Numbers); }},
        {"registration list by number", [](ReportFixture& f) { PrintWithMembers(f, RegistrationList::ByNumber); }},
        {"tickets", [](ReportFixture& f) { PrintWithMembers(f, RegistrationList::Tickets); }},
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
