#pragma once

#include <QString>

class QSqlDatabase;

// The few pieces of statement text that differ between the two engines a meet lives on, for
// the data modules, whose statements are otherwise the same on both.
namespace MeetEngine {

// Whether the connection is to a server database rather than a meet file.
bool onServer(const QSqlDatabase& db);

// A condition that `column` contains the bound pattern (Sql::containsPattern), case-blind for
// every letter on both engines: the file's LIKE is replaced by a case-blind one on every
// connection; a server's case-blind collation cannot serve LIKE, so it searches with ILIKE
// under a collation that folds every letter.
QString containsCondition(const QSqlDatabase& db, const QString& column);

} // namespace MeetEngine
