#include "startup/backup_actions.h"

#include "ui/run_state.h"

#include <QDir>
#include <QFileInfo>

namespace BackupActions {

namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}
} // namespace

QString backupRefusedOnServer(const QString& server) {
    return QStringLiteral("No backup was made: the meet lives on the server %1, whose own backups (pg_dump) keep it.")
        .arg(server);
}

QString restoreRefusedOnServer(const QString& what, const QString& server) {
    return QStringLiteral("%1 was not restored: the meet lives on the server %2, and a backup file can only take the "
                          "place of a meet file.")
        .arg(what, server);
}

QString backUpNow(const RunState& state) {
    return MeetBackup::make(state.MeetDb, QStringLiteral("on-demand"));
}

QStringList restore(const RunState& state, const QString& backupFile, MeetBackup::Hold hold) {
    const QString meet = state.meetDatabasePath();
    const QString kept = MeetBackup::restore(QFileInfo(backupFile).absoluteFilePath(), meet, hold);
    QStringList done{QStringLiteral("Restored %1 as %2.").arg(shown(backupFile), shown(meet))};
    if (!kept.isEmpty())
        done << QStringLiteral("The meet database it replaced is kept as %1.").arg(shown(kept));
    return done;
}

} // namespace BackupActions
