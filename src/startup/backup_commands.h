#pragma once

#include <QString>

struct StartOptions;
class RunState;

// `backup`: the same start-up checks as the program, then a backup of the meet database (of a
// meet on a server: a meet file in the program folder's backups); prints its path. Refuses when
// there is no meet database, or no meet in the server database (none is created for it).
// Answers the exit status.
int runBackupCommand(RunState& state, StartOptions options);

// `restore FILE`: puts a backup in place of the meet database, after keeping the current one
// aside as a backup; for a meet on a server, the file's rows in place of the meet's rows there
// (ServerRestore). Runs no start-up check of the current meet: a damaged meet database is what
// a restore is for. Answers the exit status.
int runRestoreCommand(RunState& state, const StartOptions& options, const QString& backupFile);
