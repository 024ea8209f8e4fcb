#include "database/transaction_guard.h"

#include "database/db_exception.h"
#include "database/meet_engine.h"
#include "database/sql.h"

#include <QList>
#include <QSqlDriver>
#include <QSqlError>

namespace {
// The one lock every station's writes ask for on a database server: a lock of the transaction,
// released by its commit or rollback. Any number will do, as long as every station uses the same.
constexpr qint64 ServerWriteLock = 0x436F7272;

// The connections (by their drivers) that guards of this thread hold a transaction on.
thread_local QList<const QSqlDriver*> guardedConnections;


// SQLite's BEGIN IMMEDIATE takes the file's write lock at once, waiting for another
// connection's write as long as the connection's lock wait allows.
void beginWriting(QSqlDatabase& db) {
    if (!MeetEngine::onServer(db)) {
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
    guardedConnections.append(m_db.driver());
    try {
        beginWriting(m_db);
    } catch (...) {
        // A begun transaction whose lock was not had ends here; a lost server session took its own along.
        if (m_db.isOpen())
            m_db.rollback();
        guardedConnections.removeOne(m_db.driver());
        throw;
    }
}

TransactionGuard::~TransactionGuard() {
    if (!m_done && m_db.isOpen())
        m_db.rollback();
    guardedConnections.removeOne(m_db.driver());
}

bool TransactionGuard::openOn(const QSqlDriver* driver) {
    return driver && guardedConnections.contains(driver);
}

void TransactionGuard::commit() {
    if (!m_db.commit())
        throw DbException(QStringLiteral("Could not commit the changes: %1").arg(m_db.lastError().text()),
                          m_db.lastError(), m_db.driver());
    m_done = true;
}
