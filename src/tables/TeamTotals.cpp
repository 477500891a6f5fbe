#include "tables/TeamTotals.h"

#include "data/App.h"
#include "data/Text.h"
#include "mainwindow/FieldRules.h"
#include "tables/ZipTable.h"

#include <algorithm>

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

namespace {

// The room between the editor and its totals.
constexpr int kTotalsGap = 8;

// A start at, for something of that size, moved within lo..hi as far as it goes; lo wins
// when it does not fit.
int Within(int at, int size, int lo, int hi) {
    return std::max(lo, std::min(at, hi - size));
}

}  // namespace

QRect PlaceTeamTotals(const QRect& room, const QRect& editor, const QSize& totals) {
    const int roomRight = room.left() + room.width(), roomBottom = room.top() + room.height();
    const int editorRight = editor.left() + editor.width(), editorBottom = editor.top() + editor.height();
    const int w = totals.width(), h = totals.height();
    const int level = Within(editor.top(), h, room.top(), roomBottom);
    if (const int x = editorRight + kTotalsGap; x + w <= roomRight) return {x, level, w, h};
    if (const int x = editor.left() - kTotalsGap - w; x >= room.left()) return {x, level, w, h};
    const int x = Within(editor.left(), w, room.left(), roomRight);
    const int least = h / 3;
    if (const int y = editorBottom + kTotalsGap; roomBottom - y >= least) return {x, y, w, std::min(h, roomBottom - y)};
    if (const int above = std::min(h, editor.top() - kTotalsGap - room.top()); above >= least)
        return {x, editor.top() - kTotalsGap - above, w, above};
    return {Within(roomRight, w, room.left(), roomRight), level, w, h};
}

QPoint PlaceZipEditor(const QRect& room, const QSize& editor, const QSize& totals) {
    const int pair = editor.width() + kTotalsGap + totals.width();
    const int x = room.left() + (room.width() - pair) / 2;
    const int y = room.top() + (room.height() - editor.height()) / 2;
    return {std::max(room.left(), x), std::max(room.top(), y)};
}

}  // namespace fennick
