#include "views/ZipRebuild.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"

#include <QHash>

#include <algorithm>

namespace fennick {

namespace {

constexpr int kKeyWidth = 10;
constexpr int kCityWidth = 15;
constexpr int kMaxCount = 9999;  // the count has four characters

QByteArray CanadianKey(const QByteArray& zip) {
    return Fixed(Left(zip, 3), kKeyWidth);
}

// A team carried over from the old table: "00" to "40" and the deleted-team mark "##"
// are kept; anything else (blanks, letters, out of range) becomes "00".
QByteArray CheckedTeam(const QByteArray& team) {
    return team == "##" || IsTeamCode(team) ? team : QByteArrayLiteral("00");
}

// Zip key -> team of every entry of the table as it stands; the first entry of a key wins.
QHash<QByteArray, QByteArray> OldTeams(const Crusade& c, bool canadianZip) {
    QHash<QByteArray, QByteArray> teams;
    const int count = std::clamp<int>(c.ZipCount, 0, int(c.ZipTable.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const QByteArray& e = c.ZipTable[i];
        QByteArray key, team;
        if (e.size() > 28) {
            key = canadianZip ? CanadianKey(e) : Left(e, kKeyWidth);
            team = Mid(e, 13, 2);
        } else {
            // The older short form: a 5-character zip with its team at 8-9.
            key = Fixed(Left(e, 5), kKeyWidth);
            team = Fixed(Mid(e, 8, 2), 2);
        }
        if (!teams.contains(key)) teams.insert(key, team);
    }
    return teams;
}

}  // namespace

QByteArray ZipKey10(const AttendeeRecord& rec, bool canadianZip) {
    return canadianZip ? CanadianKey(rec.Zip.bytes()) : rec.Zip.bytes();
}

void RebuildZipTable(App& app) {
    // An open zip editor keeps its entry, which the rebuild then carries over, and closes.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    Crusade& c = app.crusade;
    const bool canadian = app.settings.CanadianZip;
    const QHash<QByteArray, QByteArray> oldTeams = OldTeams(c, canadian);

    struct NewZip {
        QByteArray head;  // key, state, team and city: 29 characters
        int count = 0;
    };
    QList<NewZip> zips;
    QHash<QByteArray, int> slotOfKey;  // zip key -> index into zips
    bool tableFull = false;

    const QList<AttendeeRecord> records = ReadAllRecords(app);
    for (const AttendeeRecord& rec : records) {
        if (rec.isDeleted()) continue;
        const QByteArray key = ZipKey10(rec, canadian);
        const auto found = slotOfKey.constFind(key);
        if (found != slotOfKey.cend()) {
            NewZip& z = zips[*found];
            z.count = std::min(z.count + 1, kMaxCount);
            continue;
        }
        if (zips.size() >= kMaxZips) {
            tableFull = true;
            continue;
        }
        const QByteArray team = CheckedTeam(oldTeams.value(key, QByteArrayLiteral("00")));
        slotOfKey.insert(key, int(zips.size()));
        zips.append({key + rec.State.bytes() + team + Fixed(Left(rec.City.bytes(), kCityWidth), kCityWidth), 1});
    }

    c.ZipTable = QList<QByteArray>(kZipSlots);
    c.ZipTable[0] = "0";
    for (int i = 0; i < zips.size(); ++i) c.ZipTable[i + 1] = zips[i].head + Ansi(RightJust4(zips[i].count));
    c.ZipCount = qint16(zips.size());

    if (tableFull) {
        app.dialogs().msgBox(QStringLiteral("This crusade has more than %1 different zip codes.").arg(kMaxZips) +
                                 NewLine + QStringLiteral("Only the first %1 are in the zip table.").arg(kMaxZips),
                             Buttons::OK, Icon::Exclamation);
    }
}

}  // namespace fennick
