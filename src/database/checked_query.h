#pragma once

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

// A prepared and executed statement whose row loop cannot mistake a failure for the end of
// its rows: next() throws DbException when the engine stops with an error (a damaged page,
// a lost disk) instead of answering false. Sql::exec hands these out, so no caller can
// forget the check after its last row.
class CheckedQuery {
public:
    CheckedQuery(QSqlQuery query, QString statement);

    bool next();
    QVariant value(int column) const { return m_query.value(column); }
    QVariant value(const QString& column) const { return m_query.value(column); }
    QSqlRecord record() const { return m_query.record(); }
    int numRowsAffected() const { return m_query.numRowsAffected(); }

private:
    QSqlQuery m_query;
    QString m_statement;
};
