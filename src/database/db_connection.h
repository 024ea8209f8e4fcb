#pragma once

#include <QSqlDatabase>
#include <QString>

// One open SQLite file under a connection name of its own. Closing removes the
// connection from Qt's registry, so files can be opened and closed any number of times.
class DbConnection {
public:
    enum class Mode { ReadWrite, ReadOnly };

    DbConnection() = default;
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // How long a statement waits for a lock held by another program before it fails.
    static constexpr int DefaultLockWaitMs = 5000;

    // Opens (or, in ReadWrite mode, creates) the file; throws DbException on failure.
    void open(const QString& path, Mode mode = Mode::ReadWrite, int lockWaitMs = DefaultLockWaitMs);
    void close();

    bool isOpen() const { return !m_name.isEmpty(); }
    QSqlDatabase db() const;
    QString path() const { return m_path; }

private:
    QString m_name;
    QString m_path;
};
