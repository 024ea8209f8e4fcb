#pragma once

#include <QSqlDatabase>

// Brackets a multi-row write: begins on construction, rolls back on destruction
// unless commit() was reached, so a failure part-way leaves the database as it was.
//
// The transaction takes the meet's write lock at its start, before its first read: writes
// from several stations then follow one another whole, and what a save reads to decide
// (a back number free, rows still as its window read them) stays true until it commits.
// Another station holding the lock past the connection's wait makes the begin fail with
// an error that DbException::conflictsWithAnotherStation() tells.
class TransactionGuard {
public:
    explicit TransactionGuard(const QSqlDatabase& db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void commit();

    // Whether a guard is open on the connection `driver` serves: a statement of that connection
    // failing now is part of a write.
    static bool openOn(const QSqlDriver* driver);

private:
    QSqlDatabase m_db;
    bool m_done = false;
};
