#include "database/meet_backup.h"

#include "database/checked_file_writer.h"
#include "database/cls_db_manager.h"
#include "database/db_connection.h"
#include "database/db_exception.h"
#include "database/file_lock.h"
#include "database/meet_file_check.h"
#include "database/meet_locks.h"
#include "database/meet_rows.h"
#include "database/meet_schema.h"
#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlError>
#include <QThread>
#include <functional>
#include <stdexcept>

namespace MeetBackup {

namespace {

constexpr int BackupWaitMs = 60000;       // a backup takes seconds
constexpr int BackupLockStaleMs = 600000; // a lock this old is left by a run that hangs

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString baseName(const QString& meetDbPath) {
    return QFileInfo(meetDbPath).completeBaseName();
}

// A name not yet taken in the backup folder.
QString newBackupPath(const QString& meetDbPath, const QString& reason) {
    const QDir dir(folder(meetDbPath));
    for (;;) {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        const QString path = dir.filePath(QStringLiteral("%1-%2-%3.mdb").arg(baseName(meetDbPath), stamp, reason));
        if (!QFileInfo::exists(path))
            return path;
        QThread::msleep(1);
    }
}

QString partialName(const QString& path) {
    return CheckedFileWriter::privateName(path, QStringLiteral("partial"));
}

// Has `writeCopy` write a meet file under a partial name beside `target`, which must not exist,
// checks it and renames it into place; no partial file is left on failure.
void copyInto(const QString& target, const std::function<void(const QString& partial)>& writeCopy) {
    const QString partial = partialName(target);
    QFile::remove(partial);
    try {
        writeCopy(partial);
        const MeetFileVerdict copy = MeetFileCheck::examine(partial, MeetFileCheck::Use::ReadOnly);
        if (!copy.usable())
            throw DbException(QStringLiteral("the copy is not sound: %1").arg(copy.reason));
        if (!QFile::rename(partial, target))
            throw DbException(QStringLiteral("the copy could not be named %1").arg(shown(target)));
    } catch (const DbException& error) {
        QFile::remove(partial);
        if (error.connectionLost())
            throw; // told as the lost connection it is, and the next action connects again
        throw DbException(QStringLiteral("No backup of the meet database could be made in %1: %2")
                              .arg(shown(target), error.engineText()),
                          error.engineCode());
    }
}

// Has the engine write a consistent copy of the open database file `db` to `target`.
void copyInto(const QSqlDatabase& db, const QString& target) {
    copyInto(target, [&](const QString& partial) { Sql::exec(db, QStringLiteral("VACUUM INTO ?"), {partial}); });
}

// The rows of a server meet as one consistent snapshot: one read-only transaction that sees
// the meet as it was at its first read, whatever other stations save meanwhile.
MeetRows::Content snapshotOf(const QSqlDatabase& db) {
    QSqlDatabase connection = db;
    if (!connection.transaction())
        throw DbException(QStringLiteral("Could not begin a transaction: %1").arg(connection.lastError().text()),
                          connection.lastError(), connection.driver());
    const auto end = qScopeGuard([&] { connection.rollback(); }); // it wrote nothing
    Sql::execDirect(db, QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
    return MeetRows::read(db);
}

// A meet file at `path` holding `content`, built as a new meet database is.
void writeMeetFile(const QString& path, const MeetRows::Content& content) {
    DbConnection file;
    Cls_Db_Manager::Create_DB_File(path, file);
    Sql::exec(file.db(), QStringLiteral("PRAGMA journal_mode = OFF")); // a failed copy is discarded whole
    TransactionGuard transaction(file.db());
    for (const MeetSchema::Table& table : MeetSchema::tables())
        Cls_Db_Manager::Build_Table(file.db(), table);
    MeetRows::write(file.db(), content);
    transaction.commit();
}

// Names sort by time only while the clock does (not after it was set back, nor for backups
// copied in from another PC), so the backup just made is kept whatever its name says.
void prune(const QString& meetDbPath, const QString& justMade) {
    QStringList others = list(meetDbPath);
    others.removeAll(justMade);
    for (qsizetype i = 0; i + Kept - 1 < others.size(); ++i)
        QFile::remove(others.at(i));
}

QString makeFolder(const QString& meetDbPath) {
    const QString dir = folder(meetDbPath);
    if (!QDir().mkpath(dir))
        throw DbException(QStringLiteral("No backup of the meet database could be made: the folder %1 could not be "
                                         "created.")
                              .arg(shown(dir)));
    return dir;
}

// Keeps a file that is not a sound meet database aside as it is, with the journal that
// belongs with it, so a restore never throws anything away.
QString keepAsideAsFound(const QString& meetDbPath) {
    const QString kept = newBackupPath(meetDbPath, QStringLiteral("replaced"));
    if (!QFile::copy(meetDbPath, kept))
        throw std::runtime_error(QStringLiteral("The current meet database could not be kept as %1, so nothing was "
                                                "restored.")
                                     .arg(shown(kept))
                                     .toStdString());
    for (const QString& companion : MeetFileCheck::companions(meetDbPath))
        if (!QFile::rename(companion, kept + companion.mid(meetDbPath.size())))
            throw std::runtime_error(QStringLiteral("%1 could not be moved away, so nothing was restored.")
                                         .arg(shown(companion))
                                         .toStdString());
    return kept;
}

} // namespace

QString folder(const QString& meetDbPath) {
    return QFileInfo(meetDbPath).dir().filePath(QStringLiteral("Backups"));
}

const QStringList& reasons() {
    static const QStringList all = {QStringLiteral("start"),          QStringLiteral("line-up"),
                                    QStringLiteral("numbering"),      QStringLiteral("on-demand"),
                                    QStringLiteral("before-restore"), QStringLiteral("replaced")};
    return all;
}

// Backup names sort by time: base-yyyyMMdd-HHmmss-zzz-reason.mdb
QString namePattern(const QString& meetDbPath) {
    QStringList escaped;
    for (const QString& reason : reasons())
        escaped << QRegularExpression::escape(reason);
    return QStringLiteral("%1-\\d{8}-\\d{6}-\\d{3}-(%2)\\.mdb")
        .arg(QRegularExpression::escape(baseName(meetDbPath)), escaped.join(u'|'));
}

QStringList list(const QString& meetDbPath) {
    const QDir dir(folder(meetDbPath));
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(namePattern(meetDbPath)));
    QStringList found;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        if (pattern.match(name).hasMatch())
            found << dir.filePath(name);
    return found;
}

QList<BackupFile> newestFirst(const QString& meetDbPath) {
    const qsizetype stampStart = baseName(meetDbPath).size() + 1;
    const qsizetype stampLength = QStringLiteral("yyyyMMdd-HHmmss-zzz").size();
    QList<BackupFile> files;
    for (const QString& path : list(meetDbPath)) {
        const QString name = QFileInfo(path).completeBaseName();
        files.prepend({path,
                       QDateTime::fromString(name.mid(stampStart, stampLength), QStringLiteral("yyyyMMdd-HHmmss-zzz")),
                       name.mid(stampStart + stampLength + 1), QFileInfo(path).size()});
    }
    return files;
}

QString make(const DbConnection& meetDb, const QString& reason, const QString& meetDbPath) {
    Q_ASSERT(reasons().contains(reason));
    const QString named = meetDb.onServer() ? meetDbPath : meetDb.path();
    Q_ASSERT(!named.isEmpty());
    makeFolder(named);
    // One backup at a time: a start finding a partial copy while no one holds this lock
    // knows the run that made it was killed.
    FileLock making(MeetLocks::backups(named), BackupLockStaleMs);
    if (!making.take(BackupWaitMs))
        throw DbException(
            QStringLiteral("No backup of the meet database could be made: %1")
                .arg(making.heldElsewhere()
                         ? QStringLiteral("another backup is still being made.")
                         : QStringLiteral("%1 could not be written.").arg(shown(MeetLocks::backups(named)))));
    const QString path = newBackupPath(named, reason);
    if (meetDb.onServer())
        copyInto(path, [&](const QString& partial) { writeMeetFile(partial, snapshotOf(meetDb.db())); });
    else
        copyInto(meetDb.db(), path);
    prune(named, path);
    return path;
}

void beforeBulkChange(const DbConnection& meetDb, const QString& meetDbPath, const QString& change) {
    try {
        make(meetDb, change, meetDbPath);
    } catch (const DbException& error) {
        if (error.connectionLost())
            throw error.partOfAChange();
        throw DbException(QStringLiteral("%1\n\nThe change was not made.").arg(error.engineText()), error.engineCode());
    }
}

QString restore(const QString& backupFile, const QString& meetDbPath, Hold hold) {
    auto refuse = [&](const QString& why) {
        return std::runtime_error(QStringLiteral("%1 was not restored: %2").arg(shown(backupFile), why).toStdString());
    };
    const QFileInfo source(backupFile);
    if (source.exists() && source.canonicalFilePath() == QFileInfo(meetDbPath).canonicalFilePath())
        throw refuse(QStringLiteral("it is the meet database itself"));
    const MeetFileVerdict backup = MeetFileCheck::examine(backupFile, MeetFileCheck::Use::ReadOnly);
    if (!backup.usable())
        throw refuse(QStringLiteral("it is not a healthy meet database (%1)").arg(backup.reason));
    // Every save of an open window would fail on a file replaced under it.
    FileLock held(MeetLocks::hold(meetDbPath));
    if (hold == Hold::ByRestore && !held.take(MeetLocks::HoldWaitMs)) {
        if (!held.heldElsewhere())
            throw refuse(QStringLiteral("%1 could not be written").arg(shown(MeetLocks::hold(meetDbPath))));
        const QString holder = held.holder();
        throw refuse(QStringLiteral("the meet database is open in Corravin%1. Close the program first, then "
                                    "restore again.")
                         .arg(holder.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(holder)));
    }
    MeetLocks::removeLeftovers(meetDbPath, true);

    const bool present = QFileInfo::exists(meetDbPath) || QFileInfo(meetDbPath).isSymLink();
    const MeetFileVerdict current =
        present ? MeetFileCheck::examine(meetDbPath, MeetFileCheck::Use::ReadWrite) : MeetFileVerdict{};
    if (present && current.kind != MeetFileVerdict::Kind::Usable && current.kind != MeetFileVerdict::Kind::Unusable)
        throw refuse(current.message);

    // The copy first: keeping the current file aside prunes old backups, maybe `backupFile`.
    makeFolder(meetDbPath);
    const QString restoring = CheckedFileWriter::privateName(meetDbPath, QStringLiteral("restoring"));
    try {
        QFile::remove(restoring);
        DbConnection from;
        from.open(backupFile, DbConnection::Mode::ReadOnly);
        copyInto(from.db(), restoring);
    } catch (const DbException& error) {
        throw refuse(error.engineText());
    }

    QString kept;
    try {
        if (present && current.usable()) {
            DbConnection now;
            now.open(meetDbPath);
            kept = make(now, QStringLiteral("before-restore"));
        } else if (present) {
            kept = keepAsideAsFound(meetDbPath);
        }
        // Replaces the current file in one step: there is never a moment without a meet database.
        if (const Refusal replaced = CheckedFileWriter::replace(restoring, meetDbPath))
            throw std::runtime_error(QStringLiteral("%1 could not be put in place of %2: %3")
                                         .arg(shown(backupFile), shown(meetDbPath), replaced.why())
                                         .toStdString());
    } catch (const DbException& error) {
        QFile::remove(restoring);
        throw refuse(error.engineText());
    } catch (...) {
        QFile::remove(restoring);
        throw;
    }
    return kept;
}

} // namespace MeetBackup
