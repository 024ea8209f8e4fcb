#include "database/engine_handle.h"

#include "database/db_exception.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

sqlite3* engineHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DbException(QStringLiteral("The database driver gives no SQLite connection."));
    return *static_cast<sqlite3* const*>(handle.constData());
}
