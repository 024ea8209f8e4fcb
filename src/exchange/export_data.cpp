#include "exchange/export_data.h"

#include "database/back_number.h"
#include "database/sql.h"

namespace ExportData {

QList<Team> teams(const QSqlDatabase& db) {
    auto query = Sql::exec(db, QStringLiteral("SELECT TeamCode, TeamName, Division FROM TblTeam "
                                              "ORDER BY Division, TeamName, TeamCode"));
    QList<Team> all;
    while (query.next())
        all.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString()});
    return all;
}

Cls_Db_Manager::ExportRows rowsOf(const QSqlDatabase& db, const QList<qint32>& teamCodes) {
    Cls_Db_Manager::ExportRows rows;
    for (const qint32 code : teamCodes) {
        auto team = Sql::exec(db, QStringLiteral("SELECT TeamCode, TeamName, Division, District FROM TblTeam "
                                                 "WHERE TeamCode = ?"),
                              {code});
        while (team.next())
            rows.teams.append({team.value(0), team.value(1), team.value(2), team.value(3).toString()});
        auto coaches = Sql::exec(db, QStringLiteral("SELECT FirstName, LastName, Position, TeamCode, CoachCode "
                                                    "FROM TblCoach WHERE TeamCode = ? ORDER BY CoachCode"),
                                 {code});
        while (coaches.next())
            rows.coaches.append({coaches.value(0), coaches.value(1), coaches.value(2), coaches.value(3),
                                 coaches.value(4)});
        auto riders = Sql::exec(db, QStringLiteral("SELECT RiderIndex, FirstName, LastName, TeamCode, RiderNumber "
                                                   "FROM TblPerson WHERE TeamCode = ? ORDER BY RiderIndex"),
                                {code});
        while (riders.next())
            rows.persons.append({riders.value(0), riders.value(1), riders.value(2), riders.value(3),
                                 riders.value(4).toString()});
    }
    return rows;
}

QStringList unexportable(const QSqlDatabase& db, const QList<qint32>& teamCodes) {
    QStringList problems;
    QStringList numbers; // the exported riders' numbers so far
    for (const qint32 code : teamCodes) {
        const QString team = Sql::scalar(db, QStringLiteral("SELECT TeamName FROM TblTeam WHERE TeamCode = ?"), {code})
                                 .toString();
        auto coaches = Sql::exec(db, QStringLiteral("SELECT FirstName, LastName FROM TblCoach WHERE TeamCode = ? "
                                                    "ORDER BY CoachCode"),
                                 {code});
        while (coaches.next())
            if (coaches.value(0).toString().isEmpty() || coaches.value(1).toString().isEmpty())
                problems << QStringLiteral("%1: the coach %2 %3 has no full name.")
                                .arg(team, coaches.value(0).toString(), coaches.value(1).toString());
        auto riders = Sql::exec(db, QStringLiteral("SELECT FirstName, LastName, RiderNumber FROM TblPerson "
                                                   "WHERE TeamCode = ? ORDER BY RiderIndex"),
                                {code});
        while (riders.next()) {
            const QString rider = (riders.value(0).toString() + u' ' + riders.value(1).toString()).trimmed();
            const QString number = riders.value(2).toString();
            QString why;
            if (riders.value(0).toString().isEmpty() || riders.value(1).toString().isEmpty())
                why = QStringLiteral("has no full name");
            else if (number.isEmpty())
                why = QStringLiteral("has no rider number");
            else if (number.size() > BackNumber::MaxLength)
                why = QStringLiteral("has a rider number longer than three characters");
            else if (std::any_of(numbers.begin(), numbers.end(),
                                 [&](const QString& other) { return BackNumber::same(other, number); }))
                why = QStringLiteral("has the rider number %1, which another exported rider has").arg(number);
            if (!why.isEmpty())
                problems << QStringLiteral("%1: the rider %2 %3.").arg(team, rider, why);
            if (!number.isEmpty())
                numbers << number;
        }
    }
    return problems;
}

} // namespace ExportData
