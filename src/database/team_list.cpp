#include "database/team_list.h"

#include "database/sql.h"

namespace TeamList {

namespace {
const QString SelectTeams = QStringLiteral("SELECT TeamCode, TeamName, Division, District FROM TblTeam ");

QList<TeamRow> read(CheckedQuery query) {
    QList<TeamRow> teams;
    while (query.next())
        teams.append(
            {query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(), query.value(3).toString()});
    return teams;
}
} // namespace

QList<TeamRow> byName(const QSqlDatabase& db) {
    return read(Sql::exec(db, SelectTeams + QStringLiteral("ORDER BY TeamName, TeamCode")));
}

QList<TeamRow> byDivisionAndName(const QSqlDatabase& db) {
    return read(Sql::exec(db, SelectTeams + QStringLiteral("ORDER BY Division, TeamName, TeamCode")));
}

QList<TeamRow> ofDivision(const QSqlDatabase& db, const QString& division) {
    return read(Sql::exec(db, SelectTeams + QStringLiteral("WHERE Division = ? ORDER BY TeamName, TeamCode"), {division}));
}

QList<TeamRow> named(const QSqlDatabase& db, const QString& division, const QString& teamName) {
    return read(Sql::exec(db, SelectTeams + QStringLiteral("WHERE Division = ? AND TeamName = ? ORDER BY TeamCode"),
                          {division, teamName}));
}

std::optional<TeamRow> find(const QSqlDatabase& db, qint32 teamCode) {
    const QList<TeamRow> found = read(Sql::exec(db, SelectTeams + QStringLiteral("WHERE TeamCode = ?"), {teamCode}));
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

bool hasRiders(const QSqlDatabase& db, qint32 teamCode) {
    return Sql::scalar(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM TblPerson WHERE TeamCode = ?)"), {teamCode})
        .toBool();
}

} // namespace TeamList
