#pragma once

#include "results/result_data.h"

#include <QList>
#include <QString>
#include <array>

// One rider's line of the high-point riders: the place, how often the rider took each
// place from 1st to 10th, and the points over every class and both judges.
struct HighPointRow {
    int Place = 0;
    qint32 RiderIndex = 0;
    QString RiderNumber;
    QString Rider;
    QString TeamName;
    std::array<int, 11> PlaceCounts{}; // places 1 to 10 at 1 to 10; 0 unused
    double TotalPoints = 0;
};

namespace HighPoint {

// Every rider of the placings, highest total first; equal totals go to the rider with more
// first places, then more second places, and so on down to tenth. Riders equal in all of
// these share a place and the places they fill are skipped (1, 2, 2, 4); within a shared
// place riders come by back number.
QList<HighPointRow> Rank_Riders(const QList<ResultData::RiderPlacing>& placings);

} // namespace HighPoint
