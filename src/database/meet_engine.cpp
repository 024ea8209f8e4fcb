#include "database/meet_engine.h"

#include "database/meet_schema.h"

#include <QSqlDatabase>

namespace MeetEngine {

bool onServer(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL");
}

QString containsCondition(const QSqlDatabase& db, const QString& column) {
    if (onServer(db))
        return QStringLiteral("%1 COLLATE %2 ILIKE ? ESCAPE '\\'").arg(column, MeetSchema::serverSearchCollation());
    return column + QStringLiteral(" LIKE ? ESCAPE '\\'");
}

} // namespace MeetEngine
