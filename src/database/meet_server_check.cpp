#include "database/meet_server_check.h"

#include "database/db_connection.h"
#include "database/db_exception.h"
#include "database/meet_schema.h"
#include "database/sql.h"

#include <QHash>

namespace MeetServerCheck {

QString schemaProblem(const QSqlDatabase& db) {
    for (const MeetSchema::Table& table : MeetSchema::tables()) {
        // Names the statements leave unquoted are kept in lower case by the server.
        QHash<QString, QString> found; // lower-case field name -> type
        CheckedQuery q = Sql::exec(db,
                                   QStringLiteral("SELECT column_name, data_type FROM information_schema.columns "
                                                  "WHERE table_schema = current_schema() AND table_name = ?"),
                                   {table.name.toLower()});
        while (q.next())
            found.insert(q.value(0).toString().toLower(), q.value(1).toString().toLower());
        if (found.isEmpty())
            return QStringLiteral("the table %1 is missing").arg(table.name);
        for (const MeetSchema::Field& field : table.fields) {
            const auto type = found.constFind(field.name.toLower());
            const QString wanted = MeetSchema::serverType(field.type).toLower();
            if (type == found.constEnd())
                return QStringLiteral("the field %1 of the table %2 is missing").arg(field.name, table.name);
            if (*type != wanted)
                return QStringLiteral("the field %1 of the table %2 is of type %3 instead of %4")
                    .arg(field.name, table.name, *type, wanted);
        }
    }
    return {};
}

bool holdsTables(const QSqlDatabase& db) {
    return Sql::scalar(db, QStringLiteral("SELECT count(*) FROM information_schema.tables "
                                          "WHERE table_schema = current_schema()"))
               .toInt() > 0;
}

MeetFileVerdict examine(const MeetLocation& location, int lockWaitMs) {
    DbConnection connection;
    try {
        connection.open(location, DbConnection::Mode::ReadOnly, lockWaitMs);
    } catch (const DbException& error) {
        QString why = error.engineText().trimmed();
        if (const QString opening = QStringLiteral("Could not open %1: ").arg(location.description());
            why.startsWith(opening))
            why.remove(0, opening.size());
        return {MeetFileVerdict::Kind::Unreachable, why.section(u'\n', 0, 0),
                QStringLiteral("The meet's %1 could not be reached:\n\n%2\n\nNothing has been changed. Check that the "
                               "server runs and that its address (--server, or MeetServer in the settings) is "
                               "right, and start Corravin again.")
                    .arg(location.description(), why)};
    }
    const QString problem = schemaProblem(connection.db());
    if (problem.isEmpty())
        return {};
    return {MeetFileVerdict::Kind::Unusable, problem,
            QStringLiteral("The %1 is not a usable meet database: %2.\n\nGive the address of the meet's database, "
                           "or of an empty database to have a new meet created in it.")
                .arg(location.description(), problem)};
}

} // namespace MeetServerCheck
