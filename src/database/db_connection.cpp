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

void DbConnection::open(const QString& path, Mode mode, int lockWaitMs) {
    close();
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lockWaitMs);
        if (mode == Mode::ReadOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open()) {
            const QString why = db.lastError().text();
            const QString code = db.lastError().nativeErrorCode();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw DbException(QStringLiteral("Could not open %1: %2").arg(path, why), code);
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
