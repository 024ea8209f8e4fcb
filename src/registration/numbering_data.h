#pragma once

#include <QSqlDatabase>
#include <QString>
#include <vector>

// Back number writes of the rider numbering window. Every function throws DbException
// when the engine refuses.
namespace NumberingData {

// Riders of existing teams by division, team name, last name, first name: the order in
// which a random or sequential run hands out its numbers.
std::vector<qint32> writingOrder(const QSqlDatabase& db);

// Gives the k-th rider of `riders` numbers[k] as plain decimal text, all in one
// transaction: when any write is refused, every rider keeps the number held before.
void writeNumbers(const QSqlDatabase& db, const std::vector<qint32>& riders, const std::vector<int>& numbers);

// Stores `number` for the rider unless another rider holds the same back number;
// answers false, writing nothing, when one does.
bool updateRiderNumber(const QSqlDatabase& db, qint32 riderIndex, const QString& number);

} // namespace NumberingData
