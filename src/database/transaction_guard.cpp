#include "database/transaction_guard.h"

#include "database/db_exception.h"

#include <QSqlError>

TransactionGuard::TransactionGuard(const QSqlDatabase& db) : m_db(db) {
    if (!m_db.transaction())
        throw DbException(QStringLiteral("Could not begin a transaction: %1").arg(m_db.lastError().text()));
}

TransactionGuard::~TransactionGuard() {
    if (!m_done)
        m_db.rollback();
}

void TransactionGuard::commit() {
    if (!m_db.commit())
        throw DbException(QStringLiteral("Could not commit the changes: %1").arg(m_db.lastError().text()));
    m_done = true;
}
