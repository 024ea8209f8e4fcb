#pragma once

#include <QElapsedTimer>
#include <QString>

class QSqlDatabase;
struct sqlite3;

// Bounds the work the engine may do on a connection to a file from outside, while the object
// lives: a statement is stopped once `seconds` have passed since the limit was set, or once the
// engine's memory has grown by `megabytes` (temporary data is kept in memory, so it counts
// there and never fills a disk), and no value may be longer than a megabyte. A stopped
// statement throws DbException; exceeded() then says which bound it met. The object must
// end before the connection closes.
class EngineWorkLimit {
public:
    EngineWorkLimit(const QSqlDatabase& db, int seconds, int megabytes);
    ~EngineWorkLimit();
    EngineWorkLimit(const EngineWorkLimit&) = delete;
    EngineWorkLimit& operator=(const EngineWorkLimit&) = delete;

    // Why the engine was stopped, in words; empty while it was not.
    QString exceeded() const { return m_exceeded; }

private:
    static int onProgress(void* limit);

    sqlite3* m_engine;
    int m_seconds;
    int m_megabytes;
    qint64 m_memoryCeiling;
    int m_oldLengthLimit;
    QElapsedTimer m_clock;
    QString m_exceeded;
};
