#pragma once

#include <QString>
#include <stdexcept>

class QSqlDriver;
class QSqlError;

// A statement the engine refused or could not run. Carries the engine's own text so
// the user sees what failed; windows catch it and report it through DbErrorReporter.
class DbException : public std::runtime_error {
public:
    explicit DbException(const QString& engineText, const QString& engineCode = {});
    // The engine's error with the statement it came from; `driver`, the connection's, tells
    // whether the connection itself was lost.
    DbException(const QSqlError& error, const QString& statement, const QSqlDriver* driver = nullptr);
    // An error of a connection (a transaction that could not begin or commit) in the caller's words.
    DbException(const QString& engineText, const QSqlError& error, const QSqlDriver* driver);

    QString engineText() const { return m_engineText; }
    // The engine's own error number as text ("5" when the file is locked), empty when unknown.
    QString engineCode() const { return m_engineCode; }
    // The engine's primary result code (the low byte of the extended code it reports), 0 when unknown.
    int primaryCode() const { return m_engineCode.toInt() & 0xff; }
    // The statement gave way to another connection's write: the write lock held past the wait
    // (SQLite's busy or locked, a server's lock timeout) or a server's serialization failure or
    // deadlock. Nothing of the transaction was kept, and the same action may well succeed later.
    bool conflictsWithAnotherStation() const;
    // The connection to the meet server is gone: the server ended the session (shut down,
    // restarted, an administrator's command) or the network dropped. Nothing of the statement
    // nor of its transaction was kept; DbConnection opens a new session for the next action.
    bool connectionLost() const { return m_connectionLost; }
    // Whether the statement was writing: one that changes rows, or any statement while a
    // TransactionGuard is open on its connection. Tells a save that failed from a read.
    bool whileWriting() const { return m_whileWriting; }
    // The same failure, counted as part of a change the secretary asked for (a backup that a
    // change waits for), so a lost connection is told as a change not saved.
    DbException partOfAChange() const {
        DbException change = *this;
        change.m_whileWriting = true;
        return change;
    }
    // What the failure says about the file it came from, in words: the usual causes (a full or
    // read-only disk, a damaged file, one that is no database) named, anything else as the
    // first line of the engine's text, shortened, never with the statement.
    QString fileProblem() const;

private:
    QString m_engineText;
    QString m_engineCode;
    bool m_connectionLost = false;
    bool m_whileWriting = false;
};
