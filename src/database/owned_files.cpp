#include "database/owned_files.h"

#include "database/checked_file_writer.h"
#include "database/meet_backup.h"
#include "database/meet_locks.h"

#include <QDir>

namespace OwnedFiles {

namespace {

bool inside(const QString& path, const QString& folder) {
    const QString root = CheckedFileWriter::writtenFile(folder);
    return path.startsWith(root + u'/', Qt::CaseInsensitive);
}

} // namespace

Refusal refusal(const QString& output, const QString& meetDbPath, const QStringList& keptFolders) {
    const QString target = CheckedFileWriter::writtenFile(output);
    const QString meet = CheckedFileWriter::writtenFile(meetDbPath);
    QStringList belonging = {MeetLocks::creation(meet), MeetLocks::hold(meet)};
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        belonging << meet + QLatin1String(suffix);
    for (const QString& file : belonging)
        if (target.compare(file, Qt::CaseInsensitive) == 0)
            return Refusal::because(QStringLiteral("it is the meet database or a file that belongs with it"));
    if (inside(target, MeetBackup::folder(meetDbPath)))
        return Refusal::because(QStringLiteral("it lies in the folder of the meet database's backups"));
    for (const QString& folder : keptFolders)
        if (inside(target, folder))
            return Refusal::because(QStringLiteral("it lies in the folder %1, which the program keeps for itself")
                                        .arg(QDir::toNativeSeparators(folder)));
    return {};
}

} // namespace OwnedFiles
