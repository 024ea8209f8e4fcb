#pragma once

#include "database/meet_location.h"

#include <QSqlDatabase>
#include <QString>

// One open meet database (an SQLite file, or a database on a PostgreSQL server) under a
// connection name of its own. Closing removes the connection from Qt's registry, so
// databases can be opened and closed any number of times.
//
// A server session can end under the program (the server restarted, the network dropped): the
// statement that meets it fails (DbException::connectionLost) and nothing is retried behind the
// user's back, but the next db() opens a new session under the same name, so the next action
// works again and every QSqlDatabase handle of the connection follows.
class DbConnection {
public:
    enum class Mode { ReadWrite, ReadOnly };

    DbConnection() = default;
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // How long a statement waits for a lock held by another program before it fails.
    static constexpr int DefaultLockWaitMs = 5000;

    // Opens (or, in ReadWrite mode, creates) the file, or connects to the server database;
    // throws DbException on failure. `where` is a file path or a server URI (MeetLocation).
    void open(const QString& where, Mode mode = Mode::ReadWrite, int lockWaitMs = DefaultLockWaitMs);
    void open(const MeetLocation& location, Mode mode = Mode::ReadWrite, int lockWaitMs = DefaultLockWaitMs);
    void close();

    bool isOpen() const { return !m_name.isEmpty(); }
    // The connection, its server session opened anew when the last one was lost. When that
    // fails the connection stays closed, and its statements fail as a lost connection.
    QSqlDatabase db() const;
    const MeetLocation& location() const { return m_location; }
    bool onServer() const { return m_location.onServer(); }
    // The file's path; empty for a database on a server.
    QString path() const { return m_location.path(); }

private:
    void openFile(const QString& path, Mode mode, int lockWaitMs);
    void openServer(const MeetLocation& location, Mode mode, int lockWaitMs);
    void setUpSession() const;

    QString m_name;
    Mode m_mode = Mode::ReadWrite;
    int m_lockWaitMs = DefaultLockWaitMs;
    MeetLocation m_location;
};
