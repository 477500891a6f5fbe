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

// A printout of this subsystem, and what it prints whole over the long fields: captions,
// counts, registration numbers, zip codes, telephones, map codes, dates, nights and
// decision letters, each with what stands next to it so that the field is known.
struct LongFieldReport {
    const char* name;
    std::function<void(ReportFixture&)> print;
    QStringList whole;
};

inline QList<LongFieldReport> LongFieldPrintouts() {
    // The place and codes columns of the lists, and the city line of labels and cards. A
    // telephone of wide letters alone would be found in any name, so only the written one is.
    const QStringList place{" (K11-22AB) 217-555-0113", " (WWWWWWWW) WWWWWWWWWWWW"};
    const QString codes = "1111111111111111111111111111 G/CSKPBTADU H01H02H03H04";
    const QStringList teamPlace{"62704 (217-555-0113)", "WWWWW (WWWWWWWWWWWW)",
                                "1111111111111111111111111111 G/CSKPBTADU  H01H02H03H04"};
    const QStringList decisionPlace{"62704-1234 (217-555-0113)", "WWWWWWWWWW (WWWWWWWWWWWW)"};
    const QStringList cityLine{", IL  62704-1234", ", WW  WWWWWWWWWW"};
    return {
        {"alphabetical list", [](ReportFixture& f) { f.choosePrinter(), f.print(1); },
         QStringList{" Master Alphabetical List", "40", "05 0904 ", codes} + place},
        {"baptism dates", [](ReportFixture& f) { f.choosePrinter(), f.print(5); },
         QStringList{" All Baptism Dates Set", "Baptisms for: 12/25/26  (2)",
                     "Total Baptism Dates Set: ", "Total Baptized to date: ", "Total to be Baptized: "} +
             place},
        {"interest list", [](ReportFixture& f) { f.choosePrinter(), f.print(6); },
         QStringList{" Priority Interest List", "Interest Level: B    (1)", codes} + place},
        {"appointments",
         [](ReportFixture& f) { f.choosePrinter(), f.print(7); },
         {" Bible School (2 Names)", "09:00am", "217-555-0113", "CSKPBTADU"}},
        {"pre-crusade invitations", [](ReportFixture& f) { f.choosePrinter(), f.print(8); },
         QStringList{" Pre-Crusade Invitations (4 Names)", "(WWWWWWWWWWWW)"} + place},
        {"notes",
         [](ReportFixture& f) { IndexNotes(f.app), f.choosePrinter(), f.printBuilt(10); },
         {": Notes and Comments", "05 0904 "}},
        {"team pages", [](ReportFixture& f) { f.printTeamReport(1); },
         QStringList{"Team 05:  ", " 217-555-0123      ", " Team Alphabetical List"} + teamPlace},
        {"team sheets", [](ReportFixture& f) { f.printTeamReport(4); },
         QStringList{" Master Attendance List by Team: ", "Team 05  Men's Ministry Worship Warriors:217-555-0123"} +
             teamPlace},
        {"baptisms", [](ReportFixture& f) { f.choosePrinter(), PrintBaptisms(f.app); },
         QStringList{" Baptisms and Profession of Faith (*)", "3/9/2026", "217-555-0113", "12/25/26", "12/25/60"} +
             cityLine},
        {"decision 9", [](ReportFixture& f) { f.printDecisionReport(9); },
         QStringList{" Crusade Decision: ", " (4)", "11111111111111111111111111111111111 G/CSKPBTADU  H04", "Apt-CL",
                     " Decisions: 4"} +
             decisionPlace},
        {"decision 3", [](ReportFixture& f) { f.printDecisionReport(3); },
         QStringList{" Crusade Decision: ", " (4)", "11111111111111111111111111111111111 G/CSKPBTADU  H01H02H03H04",
                     " Decisions: 4"} +
             decisionPlace},
        {"mail labels",
         [](ReportFixture& f) { f.t.dialogs.answer(AnsYes), f.choosePrinter(), prnMailLabels(f.app, false, nullptr); },
         cityLine},
        {"interest cards",
         [](ReportFixture& f) {
             f.t.dialogs.answer(AnsNo).answer(AnsNo);
             f.choosePrinter();
             f.t.dialogs.answer(AnsYes);
             InterestCard2x4(f.app);
         },
         QStringList{"1111111111111111111111111111111111111111    Decisions: CSKPBTADU", "05/ 0904",
                     "Map Code:K11-22AB", "Map Code:WWWWWWWW", "G/ Visits: H01H02H03H04", "217-555-0113",
                     "Age: WWWWWWWWWW"} +
             cityLine},
        {"registration list",
         [](ReportFixture& f) { PrintWithMembers(f, RegistrationList::Numbers); },
         {" Registration List for Monday, March 9, 2026", "0904    ", "1150    "}},
        {"registration list by number",
         [](ReportFixture& f) { PrintWithMembers(f, RegistrationList::ByNumber); },
         {" Registration List for Monday, March 9, 2026", "0904    ", "1150    "}},
        {"tickets",
         [](ReportFixture& f) { PrintWithMembers(f, RegistrationList::Tickets); },
         {"Tickets for Meeting #40 p 1", "0904    "}},
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
