#include "statistics/StatDataFile.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/ProtectedFiles.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/NumberForms.h"
#include "statistics/TeamTallies.h"

#include <algorithm>

namespace fennick {

void StatDataWriter::text(const QString& value) {
    bytes(Ansi(value));
}

void StatDataWriter::bytes(const QByteArray& value) {
    data_.append(value);
    data_.append("\r\n");
    ++lines_;
}

void StatDataWriter::number(qint64 value) {
    text(BareNumber(value));
}

void StatDataWriter::number(double value) {
    text(BareNumber(value));
}

void WriteCrusadeLines(StatDataWriter& out, const CrusadeSettings& s, const CrusadeTallies& t, const Crusade& crusade) {
    out.text(s.CrusadeName);
    out.number(qint64(s.LastMeeting));
    for (size_t k = 1; k <= size_t(kStatsMeetings); ++k) {
        out.number(qint64(t.MeetingAttendance[k]));
        out.number(qint64(t.NewCount[k]));
        out.number(qint64(t.LossCount[k]));
    }
    const auto category = [&out](const QString& name, qint16 count, qint16 bapt) {
        out.text(name);
        out.number(qint64(count));
        out.number(qint64(bapt));
    };
    for (size_t i = 1; i <= size_t(kReligionRows); ++i)
        category(s.ReligionNames[i], t.ReligionCount[i], t.ReligionBaptisms[i]);
    for (size_t k = 1; k <= size_t(kAdvertisingSources); ++k)
        category(t.AdvertisingNames[k], t.AdvertisingCount[k], t.AdvertisingBaptisms[k]);
    for (size_t d = 1; d <= 9; ++d) category(s.DecisionNames[d], t.DecisionCount[d], t.DecisionBaptisms[d]);
    for (size_t g = 0; g < size_t(kAgeGroups); ++g)
        category(s.AgeGroupNames[g], t.AgeGroupCount[g], t.AgeGroupBaptisms[g]);
    for (int k = 1; k <= kStatsMeetings; ++k) {
        const std::optional<double> age = t.AverageAge(k);
        if (age)
            out.number(*age);
        else
            out.text(QStringLiteral("na"));
    }
    for (const qint16 n : {t.InterestACount, t.InterestBCount, t.InterestCCount, t.Baptisms, t.MailListNames,
                           t.TotalNames, t.ActiveNames, t.InterviewsSet, t.InterviewsBaptized})
        out.number(qint64(n));

    const int zips = std::clamp<int>(crusade.ZipCount, 0, std::min<int>(kMaxZips, int(crusade.ZipTable.size()) - 1));
    out.number(qint64(zips));
    for (int i = 1; i <= zips; ++i) out.bytes(crusade.ZipTable[i]);
}

void WriteTeamLines(StatDataWriter& out, const CrusadeSettings& s, const TeamTallies& t) {
    for (size_t team = 1; team <= 20; ++team) {
        out.text(s.TeamNames[team]);
        for (const TeamTable* table :
             {&t.TeamNameCount, &t.TeamBaptized, &t.TeamCurrent, &t.TeamCurrentVisited, &t.TeamActive,
              &t.TeamActiveVisited, &t.TeamVisited, &t.TeamSabbathNames, &t.TeamSabbathVisited, &t.TeamVisitsH,
              &t.TeamVisitsM, &t.TeamVisitsP, &t.TeamVisitsL})
            out.number(qint64((*table)[team]));
    }
}

void WriteStatData(App& app, const StatDataWriter& out) {
    const GuardedFiles::OwnSave own(app, {OwnFile::StatData});
    WriteWholeFile(app.files(), StatDataPath(app), out.data());
}

bool SaveStatData(App& app, const StatDataWriter& out) {
    try {
        WriteStatData(app, out);
        return true;
    } catch (const VbError& e) {
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick95));
        return false;
    }
}

}  // namespace fennick
