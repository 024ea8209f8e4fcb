#include "registration/coach_data.h"

#include "database/column_map.h"
#include "database/sql.h"

#include <QSqlQuery>

namespace CoachData {

namespace {
const ColumnMap<CoachRow>& coachFields() {
    static const ColumnMap<CoachRow> fields = ColumnMap<CoachRow>()
                                                  .key(QStringLiteral("CoachCode"), &CoachRow::CoachCode)
                                                  .field(QStringLiteral("FirstName"), &CoachRow::FirstName)
                                                  .field(QStringLiteral("LastName"), &CoachRow::LastName)
                                                  .field(QStringLiteral("Address"), &CoachRow::Address)
                                                  .field(QStringLiteral("City"), &CoachRow::City)
                                                  .field(QStringLiteral("Zip"), &CoachRow::Zip)
                                                  .field(QStringLiteral("\"Primary\""), &CoachRow::Primary)
                                                  .field(QStringLiteral("Secondary"), &CoachRow::Secondary)
                                                  .field(QStringLiteral("Email"), &CoachRow::Email)
                                                  .field(QStringLiteral("Position"), &CoachRow::Position)
                                                  .field(QStringLiteral("TeamCode"), &CoachRow::TeamCode);
    return fields;
}
const QString CoachOrder = QStringLiteral(" ORDER BY Position DESC, LastName, CoachCode");
} // namespace

QList<CoachRow> ofTeam(const QSqlDatabase& db, qint32 teamCode) {
    return coachFields().select(db, QStringLiteral("FROM TblCoach WHERE TeamCode = ?") + CoachOrder, {teamCode});
}

QList<CoachRow> all(const QSqlDatabase& db) {
    return coachFields().select(db, QStringLiteral("FROM TblCoach") + CoachOrder);
}

std::optional<CoachRow> find(const QSqlDatabase& db, qint32 coachCode) {
    const QList<CoachRow> found =
        coachFields().select(db, QStringLiteral("FROM TblCoach WHERE CoachCode = ?"), {coachCode});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

qint32 insert(const QSqlDatabase& db, const CoachRow& coach) {
    return coachFields().insertReturningKey(db, QStringLiteral("TblCoach"), coach).toInt();
}

bool update(const QSqlDatabase& db, const CoachRow& coach) {
    return Sql::exec(db, coachFields().update(QStringLiteral("TblCoach")), coachFields().valuesThenKey(coach))
               .numRowsAffected() == 1;
}

bool remove(const QSqlDatabase& db, qint32 coachCode) {
    return Sql::exec(db, QStringLiteral("DELETE FROM TblCoach WHERE CoachCode = ?"), {coachCode}).numRowsAffected() ==
           1;
}

} // namespace CoachData
