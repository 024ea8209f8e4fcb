#pragma once

class QSqlDatabase;
struct sqlite3;

// The engine's own connection behind an open Qt connection, for what Qt Sql does not reach
// (collations, functions, limits). Throws DbException when the driver gives none.
sqlite3* engineHandle(const QSqlDatabase& db);
