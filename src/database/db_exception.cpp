#include "database/db_exception.h"

#include "database/transaction_guard.h"

#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>

DbException::DbException(const QString& engineText, const QString& engineCode)
    : std::runtime_error(engineText.toStdString()), m_engineText(engineText), m_engineCode(engineCode) {}

namespace {
QString describe(const QSqlError& error, const QString& statement) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return QStringLiteral("%1\n\nStatement: %2").arg(text, statement.simplified());
}

// A server's SQLSTATE for a session that ended: class 08 (connection exception) or the server
// going down (57P01 administrator's command, 57P02 crash of another session, 57P03 not yet up).
bool endsTheSession(const QString& code) {
    return code.size() == 5 && (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") ||
                                code == QLatin1String("57P02") || code == QLatin1String("57P03"));
}

// A server connection whose session is gone answers not open (libpq's connection status is bad);
// often the error itself carries no SQLSTATE then ("no connection to the server").
bool sessionGone(const QSqlDriver* driver) {
    return driver && driver->dbmsType() == QSqlDriver::PostgreSQL && !driver->isOpen();
}

bool changesRows(const QString& statement) {
    const QString verb = statement.simplified().section(u' ', 0, 0);
    return verb.compare(QLatin1String("INSERT"), Qt::CaseInsensitive) == 0 ||
           verb.compare(QLatin1String("UPDATE"), Qt::CaseInsensitive) == 0 ||
           verb.compare(QLatin1String("DELETE"), Qt::CaseInsensitive) == 0;
}
} // namespace

DbException::DbException(const QSqlError& error, const QString& statement, const QSqlDriver* driver)
    : DbException(describe(error, statement), error.nativeErrorCode()) {
    m_connectionLost = endsTheSession(m_engineCode) || sessionGone(driver);
    m_whileWriting = TransactionGuard::openOn(driver) || changesRows(statement);
}

DbException::DbException(const QString& engineText, const QSqlError& error, const QSqlDriver* driver)
    : DbException(engineText, error.nativeErrorCode()) {
    m_connectionLost = endsTheSession(m_engineCode) || sessionGone(driver);
    m_whileWriting = TransactionGuard::openOn(driver);
}

bool DbException::conflictsWithAnotherStation() const {
    // A server answers the five characters of an SQLSTATE, SQLite a number of at most four digits.
    if (m_engineCode.size() == 5)
        return m_engineCode == QLatin1String("40001") || m_engineCode == QLatin1String("40P01") ||
               m_engineCode == QLatin1String("55P03");
    return primaryCode() == SQLITE_BUSY || primaryCode() == SQLITE_LOCKED;
}

QString DbException::fileProblem() const {
    switch (primaryCode()) {
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("access to the file is not permitted");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("the file is in use by another program");
    case SQLITE_NOMEM:
        return QStringLiteral("there is not enough memory");
    case SQLITE_READONLY:
        return QStringLiteral("the file, its folder or the disk is read-only");
    case SQLITE_IOERR:
        return QStringLiteral("the disk reported an error");
    case SQLITE_CORRUPT:
        return QStringLiteral("the file is damaged");
    case SQLITE_FULL:
        return QStringLiteral("the disk is full");
    case SQLITE_CANTOPEN:
        return QStringLiteral("the file cannot be opened or made there");
    case SQLITE_TOOBIG:
        return QStringLiteral("it holds a value far longer than any field takes");
    case SQLITE_NOTADB:
        return QStringLiteral("it is not a database file");
    default:
        break;
    }
    constexpr qsizetype Longest = 200;
    const QString line = m_engineText.section(u'\n', 0, 0).trimmed();
    return line.size() > Longest ? line.left(Longest) + QChar(0x2026) : line;
}
