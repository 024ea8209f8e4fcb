#pragma once

#include <QString>

// The lock files beside a meet database, and the clean-up of what runs that were killed left
// of its files. Each lock is a FileLock on one of these paths.
namespace MeetLocks {

// Held by the windowed program for as long as it runs, and by a restore while it replaces the
// file: two windows on one meet would undo each other's saves.
QString hold(const QString& meetDbPath);
// Held by a start while it builds a new meet database.
QString creation(const QString& meetDbPath);
// Held while a backup is made and old ones are pruned.
QString backups(const QString& meetDbPath);

// How long a run waits for the hold of a run that is just letting go (a restore ending).
constexpr int HoldWaitMs = 1000;

// Removes the files of the meet database at `meetDbPath` that killed runs left: a meet
// database being built, a backup being made, and (when this run holds the meet, so no
// restore is at work) a backup being restored. Files of runs still at work stay.
void removeLeftovers(const QString& meetDbPath, bool holdingMeet);

} // namespace MeetLocks
