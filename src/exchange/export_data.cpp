#include "exchange/export_data.h"

#include "database/back_number.h"
#include "database/sql.h"

#include <QHash>
#include <QSqlRecord>

namespace ExportData {

namespace {
// Every row of a table's columns, grouped by team code, each group in the statement's order.
QHash<qint64, QList<QVariantList>> byTeam(const QSqlDatabase& db, const QString& statement, int teamColumn) {
    QHash<qint64, QList<QVariantList>> groups;
    auto query = Sql::exec(db, statement);
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList values;
        for (int c = 0; c < columns; ++c)
            values << query.value(c);
        groups[values.at(teamColumn).toLongLong()] << values;
    }
    return groups;
}
} // namespace

Cls_Db_Manager::ExportRows rowsOf(const QSqlDatabase& db, const QList<qint32>& teamCodes) {
    const auto teams = byTeam(db, QStringLiteral("SELECT TeamCode, TeamName, Division, District FROM TblTeam"), 0);
    const auto coaches = byTeam(db,
                                QStringLiteral("SELECT FirstName, LastName, Position, TeamCode, CoachCode FROM TblCoach "
                                               "ORDER BY CoachCode"),
                                3);
    const auto riders = byTeam(db,
                               QStringLiteral("SELECT RiderIndex, FirstName, LastName, TeamCode, RiderNumber "
                                              "FROM TblPerson ORDER BY RiderIndex"),
                               3);
    Cls_Db_Manager::ExportRows rows;
    for (const qint32 code : teamCodes) {
        for (QVariantList team : teams.value(code)) {
            team[3] = team[3].toString(); // District may be empty, never missing
            rows.teams << team;
        }
        rows.coaches << coaches.value(code);
        for (QVariantList rider : riders.value(code)) {
            rider[4] = rider[4].toString();
            rows.persons << rider;
        }
    }
    return rows;
}

QStringList unexportable(const Cls_Db_Manager::ExportRows& rows) {
    QHash<qint64, QString> teamNames;
    for (const QVariantList& team : rows.teams)
        teamNames.insert(team[0].toLongLong(), team[1].toString());
    QStringList problems;
    for (const QVariantList& coach : rows.coaches)
        if (coach[0].toString().isEmpty() || coach[1].toString().isEmpty())
            problems << QStringLiteral("%1: the coach %2 %3 has no full name.")
                            .arg(teamNames.value(coach[3].toLongLong()), coach[0].toString(), coach[1].toString());
    BackNumber::Set numbers; // the exported riders' numbers so far
    for (const QVariantList& rider : rows.persons) {
        const QString name = (rider[1].toString() + u' ' + rider[2].toString()).trimmed();
        const QString number = rider[4].toString();
        QString why;
        if (rider[1].toString().isEmpty() || rider[2].toString().isEmpty())
            why = QStringLiteral("has no full name");
        else if (number.isEmpty())
            why = QStringLiteral("has no rider number");
        else if (number.size() > BackNumber::MaxLength)
            why = QStringLiteral("has a rider number longer than three characters");
        else if (numbers.contains(number))
            why = QStringLiteral("has the rider number %1, which another exported rider has").arg(number);
        if (!why.isEmpty())
            problems << QStringLiteral("%1: the rider %2 %3.").arg(teamNames.value(rider[3].toLongLong()), name, why);
        if (!number.isEmpty())
            numbers.insert(number);
    }
    return problems;
}

} // namespace ExportData
