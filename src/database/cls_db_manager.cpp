#include "database/cls_db_manager.h"

#include "database/class_data.h"
#include "database/class_lineup.h"
#include "database/db_exception.h"
#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <stdexcept>

Cls_Db_Manager::Cls_Db_Manager(const QString& programFolder) : m_programFolder(programFolder) {}

bool Cls_Db_Manager::Build_Database(const QString& dbname, const LabelDrawer& drawLabels) {
    if (QFileInfo::exists(dbname))
        return false;

    const QString building = dbname + QStringLiteral(".building");
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
            throw std::runtime_error(QStringLiteral("The meet database could not be saved as %1.")
                                         .arg(QDir::toNativeSeparators(dbname))
                                         .toStdString());
    } catch (...) {
        m_db.close();
        QFile::remove(building);
        throw;
    }
    return true;
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

QString Cls_Db_Manager::Check_Meet_Database(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QString notUsable = QStringLiteral("The file %1 is not a usable meet database").arg(shown);
    try {
        DbConnection connection;
        connection.open(path, DbConnection::Mode::ReadOnly);
        const QString check = Sql::scalar(connection.db(), QStringLiteral("PRAGMA quick_check")).toString();
        if (check != QLatin1String("ok"))
            return QStringLiteral("%1: the file is damaged (%2).").arg(notUsable, check);
        for (const MeetSchema::Table& table : MeetSchema::tables()) {
            QStringList found;
            QSqlQuery q = Sql::exec(connection.db(), QStringLiteral("SELECT name FROM pragma_table_info(?)"),
                                    {table.name});
            while (q.next())
                found << q.value(0).toString();
            if (found.isEmpty())
                return QStringLiteral("%1: the table %2 is missing.").arg(notUsable, table.name);
            for (const MeetSchema::Field& field : table.fields)
                if (!found.contains(field.name, Qt::CaseInsensitive))
                    return QStringLiteral("%1: the field %2 of the table %3 is missing.")
                        .arg(notUsable, field.name, table.name);
        }
    } catch (const DbException& error) {
        return QStringLiteral("%1: %2").arg(notUsable, error.engineText().section(u'\n', 0, 0));
    }
    return {};
}
