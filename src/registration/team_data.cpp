#include "registration/team_data.h"

#include "database/column_map.h"
#include "database/sql.h"
#include "database/team_list.h"
#include "database/transaction_guard.h"

#include <QSqlQuery>

namespace TeamData {

qint32 insert(const QSqlDatabase& db, const TeamRow& team) {
    return TeamList::fields().insertReturningKey(db, QStringLiteral("TblTeam"), team).toInt();
}

bool update(const QSqlDatabase& db, const TeamRow& team) {
    return Sql::exec(db, TeamList::fields().update(QStringLiteral("TblTeam")), TeamList::fields().valuesThenKey(team))
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
