#include "results/high_point.h"

#include "database/back_number.h"
#include "database/unicode_text.h"

#include <QHash>
#include <algorithm>

namespace {

// Points first, then the place counts from 1st down: std::array compares element by
// element, and index 0 is 0 in every row.
bool highPointRanksAbove(const HighPointRow& a, const HighPointRow& b) {
    if (a.TotalPoints != b.TotalPoints)
        return a.TotalPoints > b.TotalPoints;
    return a.PlaceCounts > b.PlaceCounts;
}

bool highPointTied(const HighPointRow& a, const HighPointRow& b) {
    return a.TotalPoints == b.TotalPoints && a.PlaceCounts == b.PlaceCounts;
}

// Within a shared place: back number, then name, then record, so the order never depends
// on the order the rows were read in.
bool highPointListedBefore(const HighPointRow& a, const HighPointRow& b) {
    if (BackNumber::before(a.RiderNumber, b.RiderNumber))
        return true;
    if (BackNumber::before(b.RiderNumber, a.RiderNumber))
        return false;
    if (const int byName = UnicodeText::compare(a.Rider, b.Rider); byName != 0)
        return byName < 0;
    return a.RiderIndex < b.RiderIndex;
}

} // namespace

namespace HighPoint {

QList<HighPointRow> Rank_Riders(const QList<ResultData::RiderPlacing>& placings) {
    QList<HighPointRow> rows;
    QHash<qint32, qsizetype> rowOfRider;
    for (const ResultData::RiderPlacing& placing : placings) {
        auto found = rowOfRider.constFind(placing.RiderIndex);
        if (found == rowOfRider.cend()) {
            found = rowOfRider.insert(placing.RiderIndex, rows.size());
            HighPointRow row;
            row.RiderIndex = placing.RiderIndex;
            row.RiderNumber = placing.RiderNumber;
            row.Rider = placing.Rider;
            row.TeamName = placing.TeamName;
            rows << row;
        }
        HighPointRow& row = rows[*found];
        row.TotalPoints += placing.Points;
        if (placing.Place >= 1 && placing.Place <= 10)
            ++row.PlaceCounts[static_cast<size_t>(placing.Place)];
    }
    std::sort(rows.begin(), rows.end(), [](const HighPointRow& a, const HighPointRow& b) {
        if (!highPointTied(a, b))
            return highPointRanksAbove(a, b);
        return highPointListedBefore(a, b);
    });
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].Place = i > 0 && highPointTied(rows[i - 1], rows[i]) ? rows[i - 1].Place : static_cast<int>(i + 1);
    return rows;
}

} // namespace HighPoint
