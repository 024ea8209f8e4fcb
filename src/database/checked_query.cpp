#include "database/checked_query.h"

#include "database/db_exception.h"

#include <QSqlError>

CheckedQuery::CheckedQuery(QSqlQuery query, QString statement)
    : m_query(std::move(query)), m_statement(std::move(statement)) {}

bool CheckedQuery::next() {
    if (m_query.next())
        return true;
    const QSqlError error = m_query.lastError();
    if (error.isValid())
        throw DbException(error, m_statement, m_query.driver());
    return false;
}
