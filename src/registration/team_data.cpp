#include "registration/team_data.h"

#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QSqlQuery>

namespace TeamData {

qint32 insert(const QSqlDatabase& db, const TeamRow& team) {
    CheckedQuery query =
        Sql::exec(db, QStringLiteral("INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)"),
                  {team.TeamName, team.Division, team.District});
    return query.lastInsertId().toInt();
}

bool update(const QSqlDatabase& db, const TeamRow& team) {
    return Sql::exec(db,
                     QStringLiteral("UPDATE TblTeam SET TeamName = ?, Division = ?, District = ? WHERE TeamCode = ?"),
                     {team.TeamName, team.Division, team.District, team.TeamCode})
               .numRowsAffected() == 1;
}

bool removeWithCoaches(const QSqlDatabase& db, qint32 teamCode) {
    TransactionGuard transaction(db);
    if (Sql::exec(db, QStringLiteral("DELETE FROM TblTeam WHERE TeamCode = ?"), {teamCode}).numRowsAffected() != 1)
        return false;
    Sql::exec(db, QStringLiteral("DELETE FROM TblCoach WHERE TeamCode = ?"), {teamCode});
    transaction.commit();
    return true;
}

} // namespace TeamData
