#pragma once

#include "database/meet_backup.h"

#include <QString>
#include <QStringList>

class RunState;

// Backing up and restoring the meet, the same from the command line and from the Utilities
// menu: the same refusals, the same safety copy, the same report of what was done.
namespace BackupActions {

// Why a window cannot restore `what` (a backup file) onto the meet on the server `server`: the
// other stations work on it. The command line restores it while no station is connected.
QString restoreRefusedOnServer(const QString& what, const QString& server);

// A backup of the open meet (a file, or a server's meet kept as a file) on demand; answers its
// path. Throws DbException when none could be made.
QString backUpNow(const RunState& state);

// Puts `backupFile` in place of the meet (the meet database of the program folder, or the meet
// on the server the run state names) and answers what was done, as lines to show: the restore,
// and where the replaced meet is kept. Throws std::runtime_error with the refusal when nothing
// was restored.
QStringList restore(const RunState& state, const QString& backupFile, MeetBackup::Hold hold);

} // namespace BackupActions
