#pragma once

#include "database/row_snapshot.h"

#include <QSqlDatabase>
#include <QString>
#include <vector>

// Back number writes of the rider numbering window. Every function throws DbException
// when the engine refuses. Each runs in one transaction under the meet's write lock, so two
// stations giving numbers at once take turns and never hand out one number twice.
namespace NumberingData {

// Riders of existing teams by division, team name, last name, first name: the order in
// which a random or sequential run hands out its numbers.
std::vector<qint32> writingOrder(const QSqlDatabase& db);

// Gives the k-th rider of the writing order numbers[k] as plain decimal text, all in one
// transaction: when any write is refused, every rider keeps the number held before. The
// riders are read again first, in the transaction: when they are no longer `loaded` (the
// riders the window showed and drew the numbers for), another station added, removed or
// changed one since, and nothing is written and false answered.
[[nodiscard]] bool writeNumbers(const QSqlDatabase& db, const RowSnapshot& loaded, const std::vector<int>& numbers);

enum class NumberChange { Stored, HeldByOther, RiderGone };

// Stores `number` for the rider unless another rider holds the same back number, or the
// rider no longer exists; writes nothing then.
NumberChange updateRiderNumber(const QSqlDatabase& db, qint32 riderIndex, const QString& number);

} // namespace NumberingData
