#include "database/meet_file_check.h"

#include "database/checked_file_writer.h"
#include "database/db_connection.h"
#include "database/db_exception.h"
#include "database/meet_schema.h"
#include "database/sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <sqlite3.h>

namespace MeetFileCheck {

namespace {

// The engine's primary result codes that say the file is fine but cannot be used right now.
constexpr int EngineBusy = 5;
constexpr int EngineLocked = 6;
constexpr int EngineReadOnly = 8;

// The connection reports extended result codes (776 for a read-only file whose
// interrupted write cannot be rolled back); their low byte is the primary code.
int primaryCode(const DbException& error) {
    return error.engineCode().toInt() & 0xff;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString declaredType(MeetSchema::FieldType type) {
    switch (type) {
    case MeetSchema::FieldType::Single:
        return QStringLiteral("REAL");
    case MeetSchema::FieldType::Text:
    case MeetSchema::FieldType::LongText:
        return QStringLiteral("TEXT");
    default:
        return QStringLiteral("INTEGER");
    }
}

bool hasEngineHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // let the engine say why it cannot be read
    const QByteArray head = file.read(16);
    return head.isEmpty() || head == QByteArray("SQLite format 3\0", 16);
}

// Empty when the open file holds the nine tables with their fields and types, else why not.
QString schemaProblem(const QSqlDatabase& db) {
    const QString check = Sql::scalar(db, QStringLiteral("PRAGMA quick_check")).toString();
    if (check != QLatin1String("ok"))
        return QStringLiteral("the file is damaged (%1)").arg(check);
    for (const MeetSchema::Table& table : MeetSchema::tables()) {
        QHash<QString, QString> found; // lower-case field name -> declared type
        CheckedQuery q = Sql::exec(db, QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {table.name});
        while (q.next())
            found.insert(q.value(0).toString().toLower(), q.value(1).toString().toUpper());
        if (found.isEmpty())
            return QStringLiteral("the table %1 is missing").arg(table.name);
        for (const MeetSchema::Field& field : table.fields) {
            const auto type = found.constFind(field.name.toLower());
            if (type == found.constEnd())
                return QStringLiteral("the field %1 of the table %2 is missing").arg(field.name, table.name);
            if (*type != declaredType(field.type))
                return QStringLiteral("the field %1 of the table %2 is of type %3 instead of %4")
                    .arg(field.name, table.name, type->isEmpty() ? QStringLiteral("none") : *type,
                         declaredType(field.type));
        }
    }
    return {};
}

MeetFileVerdict locked(const QString& path) {
    return {MeetFileVerdict::Kind::Locked, QStringLiteral("the file is in use by another program"),
            QStringLiteral("The meet database %1 is in use by another program (another copy of Corravin, or a "
                           "backup or copying tool). Nothing has been changed. Close that program and start "
                           "Corravin again.")
                .arg(shown(path))};
}

MeetFileVerdict readOnly(const QString& path, bool interrupted) {
    const QString why = interrupted ? QStringLiteral("it holds a write that was interrupted, which can only be "
                                                     "finished when the file can be written")
                                    : QStringLiteral("the file, its folder or the disk is read-only");
    return {MeetFileVerdict::Kind::ReadOnly, why,
            QStringLiteral("The meet database %1 cannot be written: %2. Nothing has been changed. Make the file "
                           "and its folder writable (or copy the folder to a writable disk) and start Corravin "
                           "again.")
                .arg(shown(path), why)};
}

MeetFileVerdict pathTooLong(const QString& path, const QString& why) {
    return {MeetFileVerdict::Kind::PathTooLong, why,
            QStringLiteral("The meet database %1 cannot be opened: %2. Nothing has been changed. Give its folder a "
                           "shorter path (shorter folder names, or a place nearer the top of the disk) and start "
                           "Corravin again.")
                .arg(shown(path), why)};
}

MeetFileVerdict notAFile(const QString& path, bool folder) {
    const QString what = folder ? QStringLiteral("a folder") : QStringLiteral("a special file (a pipe or device)");
    return {MeetFileVerdict::Kind::NotAFile, QStringLiteral("it is %1, not a file").arg(what),
            QStringLiteral("The meet database path %1 is taken by %2, not a meet database file.\n\nMove it away to "
                           "have a new meet database created, or put the right file in its place.")
                .arg(shown(path), what)};
}

MeetFileVerdict unusable(const QString& path, const QString& reason) {
    QStringList belonging;
    for (const QString& companion : companions(path))
        belonging << shown(companion);
    const QString together = belonging.isEmpty()
                                 ? QString()
                                 : QStringLiteral(" together with %1, which belong%2 with it")
                                       .arg(belonging.join(QStringLiteral(" and ")), belonging.size() == 1 ? "s" : "");
    return {MeetFileVerdict::Kind::Unusable, reason,
            QStringLiteral("The file %1 is not a usable meet database: %2.\n\nMove the file away%3 to have a new "
                           "meet database created, or put the right file in its place.")
                .arg(shown(path), reason, together)};
}

bool writable(const QString& path) {
    const QFileInfo file(path);
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

} // namespace

QString pathProblem(const QString& path) {
    // The engine works on the full path with links resolved, and refuses a database whose
    // journal name (the path and "-journal") would not fit within its longest path.
    const qsizetype journalName = CheckedFileWriter::writtenFile(path).toUtf8().size() + qsizetype(qstrlen("-journal"));
    const sqlite3_vfs* engine = sqlite3_vfs_find(nullptr);
    if (engine && journalName > engine->mxPathname)
        return QStringLiteral("the path of its folder is too long for the database engine");
    return {};
}

QStringList companions(const QString& path) {
    QStringList found;
    for (const char* suffix : {"-journal", "-wal"})
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            found << path + QLatin1String(suffix);
    return found;
}

MeetFileVerdict examine(const QString& path, Use use, int lockWaitMs) {
    const QFileInfo info(path);
    if (!info.exists())
        return unusable(path, QStringLiteral("there is no such file"));
    if (!info.isFile())
        return notAFile(path, info.isDir());
    if (!hasEngineHeader(path))
        return unusable(path, QStringLiteral("file is not a database"));
    if (const QString why = pathProblem(path); !why.isEmpty())
        return pathTooLong(path, why);
    const bool canWrite = writable(path);
    if (use == Use::ReadWrite && !canWrite)
        return readOnly(path, false);

    try {
        DbConnection connection;
        // Read-write even to read: only so can the engine finish an interrupted write.
        connection.open(path, canWrite ? DbConnection::Mode::ReadWrite : DbConnection::Mode::ReadOnly, lockWaitMs);
        const QSqlDatabase db = connection.db();
        Sql::exec(db, QStringLiteral("PRAGMA trusted_schema = OFF"));
        const QString problem = schemaProblem(db);
        if (!problem.isEmpty())
            return unusable(path, problem);
        if (canWrite) {
            // A writer in the middle of a transaction lets readers in; wait for it to finish.
            Sql::exec(db, QStringLiteral("BEGIN IMMEDIATE"));
            Sql::exec(db, QStringLiteral("ROLLBACK"));
            // A file switched to WAL by another tool goes back to one self-contained file.
            if (Sql::scalar(db, QStringLiteral("PRAGMA journal_mode")).toString() == QLatin1String("wal"))
                Sql::exec(db, QStringLiteral("PRAGMA journal_mode = DELETE"));
        }
    } catch (const DbException& error) {
        const int code = primaryCode(error);
        if (code == EngineBusy || code == EngineLocked)
            return locked(path);
        if (code == EngineReadOnly)
            return readOnly(path, true);
        return unusable(path, error.engineText().section(u'\n', 0, 0));
    }
    return {};
}

} // namespace MeetFileCheck
