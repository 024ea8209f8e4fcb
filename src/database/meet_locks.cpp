#include "database/meet_locks.h"

#include "database/file_lock.h"
#include "database/meet_backup.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace MeetLocks {

namespace {
// The name of a file being made beside `target` by process PID: "target.purpose-PID".
QString privateFileName(const QString& target, const QString& purpose) {
    return QStringLiteral("%1\\.%2-\\d+").arg(target, purpose);
}

QRegularExpression whole(const QString& pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}
} // namespace

QString hold(const QString& meetDbPath) {
    return meetDbPath + QStringLiteral(".lock");
}

QString creation(const QString& meetDbPath) {
    return meetDbPath + QStringLiteral(".creating");
}

QString backups(const QString& meetDbPath) {
    return MeetBackup::folder(meetDbPath) + QStringLiteral("/backup-in-progress.lock");
}

void removeLeftovers(const QString& meetDbPath, bool holdingMeet) {
    const QFileInfo meet(meetDbPath);
    const QString name = QRegularExpression::escape(meet.fileName());
    FileLock::removeAbandoned(creation(meetDbPath), meet.absolutePath(),
                              whole(privateFileName(name, QStringLiteral("building"))));
    FileLock::removeAbandoned(backups(meetDbPath), MeetBackup::folder(meetDbPath),
                              whole(privateFileName(MeetBackup::namePattern(meetDbPath), QStringLiteral("partial"))));
    // A restore holds the meet while its files exist, so a run that holds it finds only leftovers.
    if (holdingMeet)
        FileLock::removeAbandoned(
            QString(), meet.absolutePath(),
            whole(privateFileName(name, QStringLiteral("restoring")) + QStringLiteral("(\\.partial-\\d+)?")));
}

} // namespace MeetLocks
