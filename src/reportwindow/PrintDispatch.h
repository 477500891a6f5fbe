#pragma once
// The report window's Print button: mailing labels when "Mail Labels" is ticked, else the
// report that fits the view previewed, which prints that view as it stands (IndexBuilt)
// where its report type allows.

#include "reportwindow/PrintReportsState.h"

#include <QList>
#include <QString>

#include <functional>

namespace fennick {

class App;

// The report generators the button reaches; the real ones unless a caller gives others.
struct PrintGenerators {
    std::function<void(App&, PrintReportsState&)> mailLabels;
    std::function<void(App&, int& reportType)> oneLine;
    std::function<void(App&, int& reportType)> team;
    std::function<void(App&)> baptisms;
    std::function<void(App&, int decision)> decisions;
};
const PrintGenerators& TheGenerators();

// Which report prints a view of one kind.
enum class Generator { OneLine, Team, Baptisms, Decisions };
struct PrintLayout {
    const char* kind;  // the kind word, as SplitViewKind gives it
    Generator generator;
    int reportType;
    int teamsReportType;  // with "Teams" ticked, the team report of this type (0: the same)
};
// The table in the order it is searched; a kind not in it prints the current view as
// one-line report 10. "wcattend" asks whether each team gets a page of its own.
const QList<PrintLayout>& PrintLayouts();

// Print. With "Mail List Only" ticked an attendance list is refused with a message. The
// view's IndexBuilt is set while the report runs and cleared on every way out; an error
// of the report passes on to the window's command guard. The window stays as it is.
void btnPrint_Click(App& app, PrintReportsState& w, const PrintGenerators& generators = TheGenerators());

inline const QString kNoMailListAttendance =
    QStringLiteral("Fennick will not print the mail list sorted by attendance.\r\nTo print the Attendance List you "
                   "must first uncheck the 'Mail List Only' option. ");
inline const QString kSeparateTeams = QStringLiteral("Separate the Teams with a page break?");

}  // namespace fennick
