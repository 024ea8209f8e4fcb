#include "database/team_list.h"

#include "database/column_map.h"
#include "database/sql.h"

namespace TeamList {

const ColumnMap<TeamRow>& fields() {
    static const ColumnMap<TeamRow> fields = ColumnMap<TeamRow>()
                                                 .key(QStringLiteral("TeamCode"), &TeamRow::TeamCode)
                                                 .field(QStringLiteral("TeamName"), &TeamRow::TeamName)
                                                 .field(QStringLiteral("Division"), &TeamRow::Division)
                                                 .field(QStringLiteral("District"), &TeamRow::District);
    return fields;
}

namespace {
QList<TeamRow> selectTeams(const QSqlDatabase& db, const QString& rest, const QVariantList& values = {}) {
    return fields().select(db, QStringLiteral("FROM TblTeam ") + rest, values);
}
} // namespace

QList<TeamRow> byName(const QSqlDatabase& db) {
    return selectTeams(db, QStringLiteral("ORDER BY TeamName, TeamCode"));
}

QList<TeamRow> byDivisionAndName(const QSqlDatabase& db) {
    return selectTeams(db, QStringLiteral("ORDER BY Division, TeamName, TeamCode"));
}

QList<TeamRow> ofDivision(const QSqlDatabase& db, const QString& division) {
    return selectTeams(db, QStringLiteral("WHERE Division = ? ORDER BY TeamName, TeamCode"), {division});
}

QList<TeamRow> named(const QSqlDatabase& db, const QString& division, const QString& teamName) {
    return selectTeams(db, QStringLiteral("WHERE Division = ? AND TeamName = ? ORDER BY TeamCode"),
                       {division, teamName});
}

std::optional<TeamRow> find(const QSqlDatabase& db, qint32 teamCode) {
    const QList<TeamRow> found = selectTeams(db, QStringLiteral("WHERE TeamCode = ?"), {teamCode});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

bool hasRiders(const QSqlDatabase& db, qint32 teamCode) {
    return Sql::scalar(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM TblPerson WHERE TeamCode = ?)"), {teamCode})
        .toBool();
}

} // namespace TeamList
