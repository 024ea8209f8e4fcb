#pragma once

#include "database/checked_query.h"

#include <QSqlDatabase>
#include <QVariant>
#include <QVariantList>

// The one way SQL reaches the engine: every statement is prepared and every value
// bound, in order, to its '?' placeholder. Failures throw DbException with the engine's text,
// also when they come part-way through the rows of a query (see CheckedQuery).
namespace Sql {

CheckedQuery exec(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

// Runs one statement once per row of values, prepared once; throws DbException at the
// first row the engine refuses (callers bracket the run in a TransactionGuard).
void execEach(const QSqlDatabase& db, const QString& statement, const QList<QVariantList>& rows);

// Inserts the rows with an INSERT statement written for one row ("... VALUES (?, ?)"), many
// rows to a statement: on a server each statement is a round trip, so a few hundred rows go in
// a few trips instead of hundreds. Throws DbException as execEach() does; a refused batch
// writes none of its rows (callers bracket the run in a TransactionGuard).
void insertEach(const QSqlDatabase& db, const QString& insertOfOneRow, const QList<QVariantList>& rows);

// First column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

// Every row of a query as column-name → value maps, in the statement's order.
QList<QVariantMap> rows(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

// Inserts one row and answers the key the engine gave it: `keyColumn`, read back through
// RETURNING (the drivers' last inserted id does not reach a server's identity column).
QVariant insertReturningKey(const QSqlDatabase& db, const QString& insert, const QVariantList& values,
                            const QString& keyColumn);

// Runs a fixed statement without preparing it: table definitions and engine settings, which a
// server will not prepare. Never give it text that came from a user or a file.
void execDirect(const QSqlDatabase& db, const QString& statement);

// A LIKE pattern that matches `typed` literally anywhere in the field; use with MeetEngine::containsCondition.
QString containsPattern(const QString& typed);

} // namespace Sql
