#pragma once

#include <QString>

class MeetLocation;

// Moves a meet file onto a PostgreSQL server: a secretary's meet prepared on her laptop, or a
// backup of the server meet itself.
namespace ServerRestore {

// How long a restore waits for connections that are just closing before it counts them.
constexpr int ClosingWaitMs = 1000;

// Puts the rows of the meet file `backupFile` in place of the meet in the server database
// `server`, in one transaction, keys kept: a database that holds no table gets the meet's tables
// first; a meet there loses every row it held. Refuses a file that is not a healthy meet
// database, a database that holds other tables, and any other connection open on the database
// (other stations would go on working on a meet that is no longer there). A meet holding more
// than its class line-up is first kept as a backup, named after `meetDbPath` (the program
// folder's meet file). Answers the path it was kept as (empty when nothing needed keeping);
// throws std::runtime_error with the cause when nothing was restored.
QString restore(const QString& backupFile, const MeetLocation& server, const QString& meetDbPath);

} // namespace ServerRestore
