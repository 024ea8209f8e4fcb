#include "database/db_connection.h"

#include "database/db_exception.h"
#include "database/sql.h"
#include "database/unicode_text.h"

#include <QSqlError>
#include <atomic>

namespace {
QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("corravin-%1").arg(++counter);
}
} // namespace

DbConnection::~DbConnection() { close(); }

void DbConnection::open(const QString& path, Mode mode) {
    close();
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (mode == Mode::ReadOnly)
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            const QString why = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw DbException(QStringLiteral("Could not open %1: %2").arg(path, why));
        }
    }
    m_name = name;
    m_path = path;
    Sql::exec(db(), QStringLiteral("PRAGMA foreign_keys = OFF"));
    UnicodeText::registerOn(db());
    if (mode == Mode::ReadOnly)
        Sql::exec(db(), QStringLiteral("PRAGMA trusted_schema = OFF"));
}

void DbConnection::close() {
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
    m_path.clear();
}

QSqlDatabase DbConnection::db() const { return QSqlDatabase::database(m_name, false); }
