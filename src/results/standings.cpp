#include "results/standings.h"

#include "database/unicode_text.h"

#include <QHash>
#include <algorithm>

namespace Standings {

QList<StandingsRow> Compute_Standings(const QList<TeamRow>& teams,
                                      const QList<ResultData::TeamPlacing>& placings) {
    struct Tally {
        std::array<QStringList, 18> places;
        std::array<qint64, 18> points{};
        qint64 total = 0;
    };
    QHash<qint32, Tally> tallies;
    for (const TeamRow& team : teams)
        tallies.insert(team.TeamCode, {});
    // The placings come by class and place, so each class's places are already ascending.
    for (const ResultData::TeamPlacing& placing : placings) {
        auto tally = tallies.find(placing.TeamCode);
        if (tally == tallies.end() || placing.ClassNumber < 1 || placing.ClassNumber > 17)
            continue;
        const auto points = static_cast<qint64>(placing.Points);
        tally->places[static_cast<size_t>(placing.ClassNumber)] << QString::number(placing.Place);
        tally->points[static_cast<size_t>(placing.ClassNumber)] += points;
        tally->total += points;
    }
    QList<StandingsRow> rows;
    for (const TeamRow& team : teams) {
        const Tally& tally = tallies[team.TeamCode];
        StandingsRow row;
        row.TeamName = team.TeamName;
        row.Division = team.Division;
        row.TotalPoints = tally.total;
        for (size_t c = 1; c <= 17; ++c) {
            const bool placed = !tally.places[c].isEmpty();
            row.Placings[c] = placed ? tally.places[c].join(u',') : QStringLiteral(" ");
            row.Points[c] = placed ? QString::number(tally.points[c]) : QStringLiteral(" ");
        }
        rows << row;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const StandingsRow& a, const StandingsRow& b) {
        if (a.TotalPoints != b.TotalPoints)
            return a.TotalPoints > b.TotalPoints;
        return UnicodeText::compare(a.TeamName, b.TeamName) < 0;
    });
    return rows;
}

} // namespace Standings
