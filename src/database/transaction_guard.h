#pragma once

#include <QSqlDatabase>

// Brackets a multi-row write: begins on construction, rolls back on destruction
// unless commit() was reached, so a failure part-way leaves the database as it was.
class TransactionGuard {
public:
    explicit TransactionGuard(const QSqlDatabase& db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void commit();

private:
    QSqlDatabase m_db;
    bool m_done = false;
};
