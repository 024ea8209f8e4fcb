#pragma once

#include "database/meet_backup.h"

#include <QString>
#include <QStringList>

class RunState;

// Backing up and restoring the meet, the same from the command line and from the Utilities
// menu: the same refusals, the same safety copy, the same report of what was done.
namespace BackupActions {

// Why a meet on the server `server` gets no backup file.
QString backupRefusedOnServer(const QString& server);
// Why `what` (a backup file) cannot take the place of a meet on the server `server`.
QString restoreRefusedOnServer(const QString& what, const QString& server);

// A backup of the open meet database on demand; answers its path. Throws DbException when
// none could be made.
QString backUpNow(const RunState& state);

// Puts `backupFile` in place of the meet database of the program folder and answers what was
// done, as lines to show: the restore, and where the replaced meet database is kept. Throws
// std::runtime_error with the refusal when nothing was restored.
QStringList restore(const RunState& state, const QString& backupFile, MeetBackup::Hold hold);

} // namespace BackupActions
