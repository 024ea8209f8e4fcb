#include "database/db_exception.h"

#include <QSqlError>

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
