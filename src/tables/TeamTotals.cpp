#include "tables/TeamTotals.h"

#include "data/App.h"
#include "data/Text.h"
#include "mainwindow/FieldRules.h"
#include "tables/ZipTable.h"

namespace fennick {

std::array<int, 41> TeamTotals(const Crusade& c) {
    std::array<int, 41> total{};
    const int n = ZipEntriesUsed(c);
    for (int i = 1; i <= n; ++i) {
        const QByteArray& e = c.ZipTable[i];
        const double team = Val(ZipEntryTeam(e));
        if (team < 0 || team >= kTeams + 1) continue;
        total[size_t(team)] += ZipEntryCount(e);
    }
    return total;
}

QList<TeamTotalRow> TeamTotalRows(const App& app) {
    const std::array<int, 41> total = TeamTotals(app.crusade);
    // A sum of more than four digits is shown whole.
    auto count = [&](int team) { return Plain(total[size_t(team)]).rightJustified(4); };
    QList<TeamTotalRow> rows{{0, QStringLiteral("Unassigned"), count(0)}};
    for (int team = 1; team <= kTeams; ++team)
        if (total[size_t(team)] != 0) rows.append({team, app.settings.TeamNames[size_t(team)], count(team)});
    return rows;
}

}  // namespace fennick
