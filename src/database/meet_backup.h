#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class DbConnection;

// Time-stamped copies of the meet database in the folder "Backups" beside it, taken by the
// engine from the open database (a consistent snapshot, also while other connections
// read or write), checked, and renamed into place when complete. The newest 20 are kept.
// A meet on a server is copied the same way into a meet file of the same form, in the backup
// folder of the program folder's meet file, so either kind of meet can be restored from it.
namespace MeetBackup {

constexpr int Kept = 20;

QString folder(const QString& meetDbPath);

// The reasons backups are made for, which end their names.
const QStringList& reasons();

// A regular expression (not anchored) for the names of the backups this program makes of the
// meet database at `meetDbPath`: its base name, a time stamp and one of the reasons, in the
// letter case the program writes. Only files named so are ever pruned.
QString namePattern(const QString& meetDbPath);

// The backups of the meet database at `meetDbPath`, oldest first.
QStringList list(const QString& meetDbPath);

// One backup as the secretary chooses among them: when it was made and why (read from its
// name), and its size.
struct BackupFile {
    QString path;
    QDateTime made;
    QString reason;
    qint64 bytes = 0;
};
// The backups of the meet database at `meetDbPath`, newest first.
QList<BackupFile> newestFirst(const QString& meetDbPath);

// Makes a backup of the open meet database; `reason` (one of reasons()) ends its name. A meet on
// a server is read in one read-only transaction (outside any transaction of `meetDb`), and its
// backups are named after `meetDbPath`, the meet file of the program folder, and kept beside it;
// a meet file's own path names its backups. The oldest backups beyond the newest 20 go, never the
// one just made. Answers its path; throws DbException with the cause when no sound backup could
// be made.
QString make(const DbConnection& meetDb, const QString& reason, const QString& meetDbPath = {});

// A backup before a change of many rows, as make() makes it. Throws DbException, saying the
// change was not made, when the backup fails: callers run it before the change, inside their
// error report.
void beforeBulkChange(const DbConnection& meetDb, const QString& meetDbPath, const QString& change);

// Who holds the meet while a restore replaces it: the restore itself, refusing a meet that a
// window of the program holds open; or the window that asks for the restore, which has
// closed its own connections to the meet first and keeps holding it throughout.
enum class Hold { ByRestore, ByCaller };

// Puts the backup `backupFile` in place of the meet database at `meetDbPath`, after keeping
// the current file (if any) aside in the backup folder. Refuses a file that is not a healthy
// meet database, a meet that a window of the program holds open, and a current file that is
// locked, read-only or not a file. Answers the
// path the current file was kept as (empty when there was none); throws
// std::runtime_error with the cause when nothing was restored.
QString restore(const QString& backupFile, const QString& meetDbPath, Hold hold = Hold::ByRestore);

} // namespace MeetBackup
