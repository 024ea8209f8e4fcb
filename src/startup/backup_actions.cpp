#include "startup/backup_actions.h"

#include "database/meet_location.h"
#include "database/server_restore.h"
#include "ui/run_state.h"

#include <QDir>
#include <QFileInfo>

namespace BackupActions {

namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}
} // namespace

QString restoreRefusedOnServer(const QString& what, const QString& server) {
    return QStringLiteral("%1 was not restored: the meet lives on the server %2, where other stations may be working "
                          "on it. Close Corravin on every station, then restore with: corravin restore FILE")
        .arg(what, server);
}

QString backUpNow(const RunState& state) {
    return MeetBackup::make(state.MeetDb, QStringLiteral("on-demand"), state.meetDatabasePath());
}

QStringList restore(const RunState& state, const QString& backupFile, MeetBackup::Hold hold) {
    if (!state.MeetServer.isEmpty()) {
        const MeetLocation location = MeetLocation::server(state.MeetServer);
        const QString kept =
            ServerRestore::restore(QFileInfo(backupFile).absoluteFilePath(), location, state.meetDatabasePath());
        QStringList done{QStringLiteral("Restored %1 into the %2.").arg(shown(backupFile), location.description())};
        if (!kept.isEmpty())
            done << QStringLiteral("The meet database it replaced is kept as %1.").arg(shown(kept));
        return done;
    }
    const QString meet = state.meetDatabasePath();
    const QString kept = MeetBackup::restore(QFileInfo(backupFile).absoluteFilePath(), meet, hold);
    QStringList done{QStringLiteral("Restored %1 as %2.").arg(shown(backupFile), shown(meet))};
    if (!kept.isEmpty())
        done << QStringLiteral("The meet database it replaced is kept as %1.").arg(shown(kept));
    return done;
}

} // namespace BackupActions
