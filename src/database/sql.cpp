#include "database/sql.h"

#include "database/db_exception.h"

#include <QSqlError>
#include <algorithm>
#include <optional>
#include <QSqlRecord>

namespace Sql {

namespace {
[[noreturn]] void failNotOpen(const QSqlDatabase& db, const QString& statement) {
    throw DbException(QSqlError({}, QStringLiteral("The database is not open."), QSqlError::ConnectionError), statement,
                      db.driver());
}

QSqlQuery prepared(const QSqlDatabase& db, const QString& statement) {
    if (!db.isOpen())
        failNotOpen(db, statement);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw DbException(query.lastError(), statement, db.driver());
    return query;
}

void run(QSqlQuery& query, const QVariantList& values, const QString& statement) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw DbException(query.lastError(), statement, query.driver());
}
} // namespace

CheckedQuery exec(const QSqlDatabase& db, const QString& statement, const QVariantList& values) {
    QSqlQuery query = prepared(db, statement);
    run(query, values, statement);
    return CheckedQuery(std::move(query), statement);
}

void execEach(const QSqlDatabase& db, const QString& statement, const QList<QVariantList>& rows) {
    QSqlQuery query = prepared(db, statement);
    for (const QVariantList& values : rows)
        run(query, values, statement);
}

void insertEach(const QSqlDatabase& db, const QString& insertOfOneRow, const QList<QVariantList>& rows) {
    // Well within either engine's limit of bound values in one statement.
    constexpr qsizetype RowsPerStatement = 100;
    const QLatin1String values("VALUES ");
    const qsizetype rowStart = insertOfOneRow.lastIndexOf(values, -1, Qt::CaseInsensitive) + values.size();
    if (rowStart < values.size())
        throw DbException(QStringLiteral("Not an insert of one row: %1").arg(insertOfOneRow));
    const QString head = insertOfOneRow.left(rowStart);
    const QString oneRow = insertOfOneRow.mid(rowStart);
    auto statementFor = [&](qsizetype count) {
        QString statement = head;
        for (qsizetype r = 0; r < count; ++r)
            statement += (r == 0 ? QString() : QStringLiteral(", ")) + oneRow;
        return statement;
    };
    const QString full = statementFor(RowsPerStatement);
    std::optional<QSqlQuery> fullBatch; // prepared once, when there are that many rows
    for (qsizetype first = 0; first < rows.size(); first += RowsPerStatement) {
        const qsizetype count = std::min(RowsPerStatement, rows.size() - first);
        QVariantList bound;
        for (qsizetype r = first; r < first + count; ++r)
            bound += rows.at(r);
        if (count == RowsPerStatement) {
            if (!fullBatch)
                fullBatch = prepared(db, full);
            run(*fullBatch, bound, insertOfOneRow); // a refusal names the statement as written
        } else {
            const QString rest = statementFor(count);
            QSqlQuery restBatch = prepared(db, rest);
            run(restBatch, bound, insertOfOneRow);
        }
    }
}

QVariant scalar(const QSqlDatabase& db, const QString& statement, const QVariantList& values) {
    CheckedQuery query = exec(db, statement, values);
    return query.next() ? query.value(0) : QVariant();
}

QList<QVariantMap> rows(const QSqlDatabase& db, const QString& statement, const QVariantList& values) {
    CheckedQuery query = exec(db, statement, values);
    QList<QVariantMap> result;
    while (query.next()) {
        const QSqlRecord record = query.record();
        QVariantMap row;
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i), record.value(i));
        result.append(row);
    }
    return result;
}

QVariant insertReturningKey(const QSqlDatabase& db, const QString& insert, const QVariantList& values,
                            const QString& keyColumn) {
    const QString statement = insert + QStringLiteral(" RETURNING ") + keyColumn;
    CheckedQuery query = exec(db, statement, values);
    if (!query.next())
        throw DbException(QStringLiteral("The new row's key was not given back.\n\nStatement: %1").arg(statement));
    return query.value(0);
}

void execDirect(const QSqlDatabase& db, const QString& statement) {
    if (!db.isOpen())
        failNotOpen(db, statement);
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw DbException(query.lastError(), statement, db.driver());
}

QString containsPattern(const QString& typed) {
    QString escaped;
    escaped.reserve(typed.size() + 2);
    for (QChar c : typed) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped.append(u'\\');
        escaped.append(c);
    }
    return u'%' + escaped + u'%';
}

} // namespace Sql
