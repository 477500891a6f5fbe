#pragma once
// The printouts of this subsystem over the long-field crusade's tables and team names,
// with the printer dialog answered.

#include "FakePlatform.h"
#include "LongFields.h"
#include "tables/MemberPrintout.h"
#include "tables/TeamListPrintout.h"
#include "tables/ZipPrintout.h"

namespace fennick::test {

inline QList<LongFieldPrintout<App>> LongFieldPrintouts() {
    return {{"zip code count", PrintZips}, {"member list", PrintMembers}, {"team list", btnPrintTeams_Click}};
}

// Prints one of them over the long-field settings; the printer dialog answers choice.
inline void PrintLongFields(TestApp& t, const LongFieldPrintout<App>& printout, const PrinterChoice& choice = {}) {
    SetLongFieldSettings(t.app);
    t.dialogs.print(choice);
    printout.print(t.app);
}

}  // namespace fennick::test
