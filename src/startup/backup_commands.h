#pragma once

#include <QString>

struct StartOptions;
class RunState;

// `backup`: the same start-up checks as the program, then a backup of the meet database;
// prints its path. Refuses when there is no meet database (none is created for it). Answers
// the exit status.
int runBackupCommand(RunState& state, StartOptions options);

// `restore FILE`: puts a backup in place of the meet database, after keeping the current one
// aside as a backup. Runs no start-up check of the current file: a damaged meet database is
// what a restore is for. Answers the exit status.
int runRestoreCommand(RunState& state, const StartOptions& options, const QString& backupFile);
