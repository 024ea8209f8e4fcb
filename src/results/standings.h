#pragma once

#include "database/team_list.h"
#include "results/result_data.h"

#include <QList>
#include <QString>
#include <array>

// One team's line of the standings: per class the places taken, ascending and joined by
// ",", and the points earned; a single blank in both where the team has no placing.
struct StandingsRow {
    QString TeamName;
    QString Division;
    qint64 TotalPoints = 0;
    std::array<QString, 18> Placings; // classes 1 to 17 at 1 to 17
    std::array<QString, 18> Points;
};

namespace Standings {

// Every team of the division, placed or not, highest total first and equal totals by
// team name. Placings of teams outside the list or of classes outside 1 to 17 are left out.
QList<StandingsRow> Compute_Standings(const QList<TeamRow>& teams,
                                      const QList<ResultData::TeamPlacing>& placings);

} // namespace Standings
