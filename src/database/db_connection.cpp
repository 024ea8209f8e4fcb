#include "database/db_connection.h"

#include "database/db_exception.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "database/unicode_text.h"

#include <QSqlError>
#include <QStringList>
#include <atomic>
#include <stdexcept>

namespace {
QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("corravin-%1").arg(++counter);
}

// A value as libpq's connection settings take it: quoted, with quotes and backslashes escaped.
QString settingValue(const QString& value) {
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + escaped + u'\'';
}

// The settings Qt's driver adds to its connection text: the URI's own, and a time limit on
// reaching the server (libpq waits for ever by default) unless the URI sets one.
QString serverSettings(const MeetLocation& location) {
    QStringList settings;
    bool timeout = false, name = false;
    for (const auto& [key, value] : location.options()) {
        settings << key + u'=' + settingValue(value);
        timeout = timeout || key == QLatin1String("connect_timeout");
        name = name || key == QLatin1String("application_name");
    }
    if (!timeout)
        settings << QStringLiteral("connect_timeout=10");
    if (!name)
        settings << QStringLiteral("application_name=Corravin");
    return settings.join(u';');
}

// Drops a connection that could not be opened and throws why.
[[noreturn]] void failOpening(QSqlDatabase& db, const QString& name, const QString& where) {
    const QString why = db.lastError().text();
    const QString code = db.lastError().nativeErrorCode();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
    throw DbException(QStringLiteral("Could not open %1: %2").arg(where, why), code);
}
} // namespace

DbConnection::~DbConnection() { close(); }

void DbConnection::open(const QString& where, Mode mode, int lockWaitMs) {
    MeetLocation location;
    try {
        location = MeetLocation::fromText(where);
    } catch (const std::invalid_argument&) {
        throw DbException(MeetLocation::uriProblem(where));
    }
    open(location, mode, lockWaitMs);
}

void DbConnection::open(const MeetLocation& location, Mode mode, int lockWaitMs) {
    close();
    if (location.onServer())
        openServer(location, mode, lockWaitMs);
    else
        openFile(location.path(), mode, lockWaitMs);
}

void DbConnection::openFile(const QString& path, Mode mode, int lockWaitMs) {
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lockWaitMs);
        if (mode == Mode::ReadOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open())
            failOpening(db, name, path);
    }
    m_name = name;
    m_location = MeetLocation::file(path);
    Sql::exec(db(), QStringLiteral("PRAGMA foreign_keys = OFF"));
    UnicodeText::registerOn(db());
    if (mode == Mode::ReadOnly)
        Sql::exec(db(), QStringLiteral("PRAGMA trusted_schema = OFF"));
}

void DbConnection::openServer(const MeetLocation& location, Mode mode, int lockWaitMs) {
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        if (!db.isValid()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw DbException(QStringLiteral("Could not open %1: the PostgreSQL driver of Qt is not installed "
                                             "(Debian package libqt6sql6-psql).")
                                  .arg(location.description()));
        }
        db.setHostName(location.host());
        if (location.port() > 0)
            db.setPort(location.port());
        db.setDatabaseName(location.database());
        db.setUserName(location.user());
        db.setConnectOptions(serverSettings(location));
        if (!db.open())
            failOpening(db, name, location.description());
    }
    m_name = name;
    m_location = location;
    m_mode = mode;
    m_lockWaitMs = lockWaitMs;
    try {
        setUpSession();
    } catch (...) {
        close();
        throw;
    }
}

// What every server session of the connection starts with.
void DbConnection::setUpSession() const {
    const QSqlDatabase session = QSqlDatabase::database(m_name, false);
    // A statement waits for another station's lock as long as one waits for a file's.
    Sql::execDirect(session, QStringLiteral("SET lock_timeout = %1").arg(m_lockWaitMs));
    if (m_mode == Mode::ReadOnly)
        Sql::execDirect(session, QStringLiteral("SET default_transaction_read_only = on"));
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
    m_location = MeetLocation();
}

QSqlDatabase DbConnection::db() const {
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    // QPSQL answers not open once libpq has seen the session end. A transaction whose session
    // ended is over: its remaining statements must fail, not go on in a new session.
    if (onServer() && db.isValid() && !db.isOpen() && !TransactionGuard::openOn(db.driver())) {
        db.close();
        if (db.open()) {
            try {
                setUpSession();
            } catch (const DbException&) {
                db.close(); // lost again at once: its statements say so
            }
        }
    }
    return db;
}
