#include "database/cls_db_manager.h"

#include "database/checked_file_writer.h"

#include "database/class_data.h"
#include "database/class_lineup.h"
#include "database/db_exception.h"
#include "database/file_lock.h"
#include "database/meet_file_check.h"
#include "database/meet_locks.h"
#include "database/meet_server_check.h"
#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

Cls_Db_Manager::Cls_Db_Manager(const QString& programFolder) : m_programFolder(programFolder) {}

namespace {
constexpr int CreationWaitMs = 60000;       // a creation takes about a second
constexpr int CreationLockStaleMs = 120000; // a lock this old is left by a start that died

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }
} // namespace

bool Cls_Db_Manager::Build_Database(const QString& dbname, const LabelDrawer& drawLabels) {
    if (QFileInfo::exists(dbname) || QFileInfo(dbname).isSymLink())
        return false;

    // One creation at a time: a second first start waits here and then finds the finished file.
    FileLock creating(MeetLocks::creation(dbname), CreationLockStaleMs);
    if (!creating.take(CreationWaitMs))
        throw std::runtime_error(QStringLiteral("The meet database %1 is being created by another start of Corravin, "
                                                "which has not finished. Try again in a moment.")
                                     .arg(shown(dbname))
                                     .toStdString());
    if (QFileInfo::exists(dbname))
        return false;
    // A journal without its database holds a write of a meet database that was moved away;
    // a new file beside it would receive that write at its first opening.
    const QStringList orphans = MeetFileCheck::companions(dbname);
    if (!orphans.isEmpty())
        throw std::runtime_error(QStringLiteral("No new meet database was created because %1 is still there: it "
                                                "belongs with a meet database that was moved away. Put that file "
                                                "back as %2, or move %1 away as well.")
                                     .arg(shown(orphans.first()), shown(dbname))
                                     .toStdString());

    // Private to this process, so nothing another start does can touch it.
    const QString building = CheckedFileWriter::privateName(dbname, QStringLiteral("building"));
    if (const QString why = MeetFileCheck::pathProblem(building); !why.isEmpty())
        throw std::runtime_error(QStringLiteral("No meet database can be created as %1: %2. Give its folder a shorter "
                                                "path (shorter folder names, or a place nearer the top of the disk) "
                                                "and start Corravin again.")
                                     .arg(shown(dbname), why)
                                     .toStdString());
    QFile::remove(building);
    try {
        Create_DB_File(building, m_db);
        // No rollback journal while building: a failed build discards the whole file anyway.
        Sql::exec(m_db.db(), QStringLiteral("PRAGMA journal_mode = OFF"));
        {
            // One transaction for all tables and rows: one sync to disk instead of one per table.
            TransactionGuard transaction(m_db.db());
            for (const MeetSchema::Table& table : MeetSchema::tables())
                Build_Table(m_db.db(), table);
            Populate_Class();
            transaction.commit();
        }

        drawLabels(m_db.db(), m_programFolder);
        m_db.close();

        if (!QFile::rename(building, dbname))
            throw std::runtime_error(
                QStringLiteral("The meet database could not be saved as %1.").arg(shown(dbname)).toStdString());
    } catch (...) {
        m_db.close();
        QFile::remove(building);
        throw;
    }
    return true;
}

bool Cls_Db_Manager::Build_Server_Tables(const QSqlDatabase& db) {
    // Any number that no other program takes for its own lock on the same database.
    constexpr qint64 CreationLockKey = 0x436f727261; // "Corra"
    Sql::exec(db, QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {CreationLockKey});
    if (MeetServerCheck::holdsTables(db))
        return false;
    for (const QString& statement : MeetSchema::preparationStatements(MeetLocation::Engine::Server))
        Sql::execDirect(db, statement);
    for (const MeetSchema::Table& table : MeetSchema::tables())
        Sql::execDirect(db, MeetSchema::createStatement(table, MeetLocation::Engine::Server));
    return true;
}

bool Cls_Db_Manager::Build_Server_Meet(const MeetLocation& location, const LabelDrawer& drawLabels) {
    DbConnection server;
    server.open(location);
    const QSqlDatabase db = server.db();
    bool built = false;
    {
        TransactionGuard transaction(db);
        if (Build_Server_Tables(db)) {
            ClassData::insert(db, ClassLineup::standard());
            built = true;
        }
        transaction.commit();
    }
    // A database holding other tables is no meet; the start-up check says what it lacks.
    if (built || MeetServerCheck::schemaProblem(db).isEmpty())
        drawLabels(db, m_programFolder);
    return built;
}

QString Cls_Db_Manager::Build_Export_Database(const QString& path, const ExportRows& rows) {
    const QString building = CheckedFileWriter::privateName(path, QStringLiteral("building"));
    QFile::remove(building);
    DbConnection file;
    auto discard = [&] {
        file.close();
        QFile::remove(building);
    };
    QString problem;
    try {
        Create_DB_File(building, file);
        Sql::exec(file.db(), QStringLiteral("PRAGMA journal_mode = OFF"));
        {
            TransactionGuard transaction(file.db());
            for (const MeetSchema::Table& table : MeetSchema::exportTables())
                Build_Table(file.db(), table);
            Sql::execEach(file.db(),
                          QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode, CoachCode) "
                                         "VALUES (?, ?, ?, ?, ?)"),
                          rows.coaches);
            Sql::execEach(file.db(),
                          QStringLiteral("INSERT INTO TblPerson (RiderIndex, FirstName, LastName, TeamCode, "
                                         "RiderNumber) VALUES (?, ?, ?, ?, ?)"),
                          rows.persons);
            Sql::execEach(
                file.db(),
                QStringLiteral("INSERT INTO TblTeam (TeamCode, TeamName, Division, District) VALUES (?, ?, ?, ?)"),
                rows.teams);
            transaction.commit();
        } // the transaction lets go of the connection before it closes
        file.close();
        // The old file stays until the new one takes its place.
        problem = CheckedFileWriter::replace(building, path).why();
    } catch (const DbException& error) {
        problem = error.fileProblem();
    } catch (...) {
        discard();
        throw;
    }
    if (!problem.isEmpty())
        discard();
    return problem;
}

void Cls_Db_Manager::Populate_Class() { ClassData::insert(m_db.db(), ClassLineup::standard()); }

void Cls_Db_Manager::Create_DB_File(const QString& path, DbConnection& connection) {
    connection.open(path, DbConnection::Mode::ReadWrite);
    // Rollback journal, not WAL: the meet database stays one self-contained file.
    Sql::exec(connection.db(), QStringLiteral("PRAGMA journal_mode = DELETE"));
}

void Cls_Db_Manager::Build_Table(const QSqlDatabase& db, const MeetSchema::Table& table) {
    Sql::exec(db, MeetSchema::createStatement(table));
}
