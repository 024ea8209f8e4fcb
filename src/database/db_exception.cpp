#include "database/db_exception.h"

#include <QSqlError>
#include <sqlite3.h>

DbException::DbException(const QString& engineText, const QString& engineCode)
    : std::runtime_error(engineText.toStdString()), m_engineText(engineText), m_engineCode(engineCode) {}

namespace {
QString describe(const QSqlError& error, const QString& statement) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return QStringLiteral("%1\n\nStatement: %2").arg(text, statement.simplified());
}
} // namespace

DbException::DbException(const QSqlError& error, const QString& statement)
    : DbException(describe(error, statement), error.nativeErrorCode()) {}

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
