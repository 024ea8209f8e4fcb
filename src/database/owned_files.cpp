#include "database/owned_files.h"

#include "database/meet_backup.h"
#include "database/meet_locks.h"

#include <QDir>
#include <QFileInfo>

namespace OwnedFiles {

namespace {

// The path a file has or would have, with links and "..", resolved as far as it exists.
QString resolved(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : QDir(folder).filePath(info.fileName());
}

bool inside(const QString& path, const QString& folder) {
    const QString root = resolved(folder);
    return path.startsWith(root + u'/', Qt::CaseInsensitive);
}

} // namespace

QString refusal(const QString& output, const QString& meetDbPath, const QStringList& keptFolders) {
    const QString target = resolved(output);
    const QString meet = resolved(meetDbPath);
    QStringList belonging = {MeetLocks::creation(meet), MeetLocks::hold(meet)};
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        belonging << meet + QLatin1String(suffix);
    for (const QString& file : belonging)
        if (target.compare(file, Qt::CaseInsensitive) == 0)
            return QStringLiteral("it is the meet database or a file that belongs with it");
    if (inside(target, MeetBackup::folder(meetDbPath)))
        return QStringLiteral("it lies in the folder of the meet database's backups");
    for (const QString& folder : keptFolders)
        if (inside(target, folder))
            return QStringLiteral("it lies in the folder %1, which the program keeps for itself")
                .arg(QDir::toNativeSeparators(folder));
    return {};
}

} // namespace OwnedFiles
