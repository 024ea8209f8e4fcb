#pragma once

#include "database/db_connection.h"
#include "database/meet_file_check.h"
#include "database/meet_location.h"

class QSqlDatabase;

// What start-up learns about a meet's database on a server before it is used: whether the
// server can be reached, and whether the database holds the nine tables of a meet.
namespace MeetServerCheck {

MeetFileVerdict examine(const MeetLocation& location, int lockWaitMs = DbConnection::DefaultLockWaitMs);

// Empty when the open server database holds the nine tables with their fields and types;
// otherwise why not ("the table TblClass is missing").
QString schemaProblem(const QSqlDatabase& db);

// Whether the open server database holds any table at all in its schema.
bool holdsTables(const QSqlDatabase& db);

} // namespace MeetServerCheck
