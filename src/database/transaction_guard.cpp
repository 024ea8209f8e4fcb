#include "database/transaction_guard.h"

#include "database/db_exception.h"
#include "database/sql.h"

#include <QSqlDriver>
#include <QSqlError>

namespace {
// The one lock every station's writes ask for on a database server: a lock of the transaction,
// released by its commit or rollback. Any number will do, as long as every station uses the same.
constexpr qint64 ServerWriteLock = 0x436F7272;

thread_local int openGuards = 0;

bool onServer(const QSqlDatabase& db) {
    return db.driver()->dbmsType() == QSqlDriver::PostgreSQL;
}

// SQLite's BEGIN IMMEDIATE takes the file's write lock at once, waiting for another
// connection's write as long as the connection's lock wait allows.
void beginWriting(QSqlDatabase& db) {
    if (!onServer(db)) {
        Sql::exec(db, QStringLiteral("BEGIN IMMEDIATE"));
        return;
    }
    if (!db.transaction())
        throw DbException(QStringLiteral("Could not begin a transaction: %1").arg(db.lastError().text()),
                          db.lastError(), db.driver());
    Sql::exec(db, QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {ServerWriteLock});
}
} // namespace

TransactionGuard::TransactionGuard(const QSqlDatabase& db) : m_db(db) {
    ++openGuards;
    try {
        beginWriting(m_db);
    } catch (...) {
        m_db.rollback(); // a begun transaction whose lock was not had ends here
        --openGuards;
        throw;
    }
}

TransactionGuard::~TransactionGuard() {
    if (!m_done)
        m_db.rollback();
    --openGuards;
}

bool TransactionGuard::anyOpen() {
    return openGuards > 0;
}

void TransactionGuard::commit() {
    if (!m_db.commit())
        throw DbException(QStringLiteral("Could not commit the changes: %1").arg(m_db.lastError().text()),
                          m_db.lastError(), m_db.driver());
    m_done = true;
}
