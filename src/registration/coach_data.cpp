#include "registration/coach_data.h"

#include "database/sql.h"

#include <QSqlQuery>

namespace CoachData {

namespace {
const QString SelectCoaches =
    QStringLiteral("SELECT CoachCode, FirstName, LastName, Address, City, Zip, \"Primary\", Secondary, Email, "
                   "Position, TeamCode FROM TblCoach ");
const QString CoachOrder = QStringLiteral(" ORDER BY Position DESC, LastName, CoachCode");

QList<CoachRow> read(CheckedQuery query) {
    QList<CoachRow> coaches;
    while (query.next()) {
        CoachRow c;
        c.CoachCode = query.value(0).toInt();
        c.FirstName = query.value(1).toString();
        c.LastName = query.value(2).toString();
        c.Address = query.value(3).toString();
        c.City = query.value(4).toString();
        c.Zip = query.value(5).toString();
        c.Primary = query.value(6).toString();
        c.Secondary = query.value(7).toString();
        c.Email = query.value(8).toString();
        c.Position = query.value(9).toString();
        c.TeamCode = query.value(10).toInt();
        coaches.append(c);
    }
    return coaches;
}

QVariantList fields(const CoachRow& c) {
    return {c.FirstName, c.LastName, c.Address, c.City, c.Zip, c.Primary, c.Secondary, c.Email, c.Position, c.TeamCode};
}
} // namespace

QList<CoachRow> ofTeam(const QSqlDatabase& db, qint32 teamCode) {
    return read(Sql::exec(db, SelectCoaches + QStringLiteral("WHERE TeamCode = ?") + CoachOrder, {teamCode}));
}

QList<CoachRow> all(const QSqlDatabase& db) {
    return read(Sql::exec(db, SelectCoaches + CoachOrder));
}

std::optional<CoachRow> find(const QSqlDatabase& db, qint32 coachCode) {
    const QList<CoachRow> found =
        read(Sql::exec(db, SelectCoaches + QStringLiteral("WHERE CoachCode = ?"), {coachCode}));
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

qint32 insert(const QSqlDatabase& db, const CoachRow& coach) {
    CheckedQuery query = Sql::exec(db,
                                   QStringLiteral("INSERT INTO TblCoach (FirstName, LastName, Address, City, Zip, "
                                                  "\"Primary\", Secondary, Email, Position, TeamCode) "
                                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                   fields(coach));
    return query.lastInsertId().toInt();
}

bool update(const QSqlDatabase& db, const CoachRow& coach) {
    QVariantList values = fields(coach);
    values << coach.CoachCode;
    return Sql::exec(db,
                     QStringLiteral("UPDATE TblCoach SET FirstName = ?, LastName = ?, Address = ?, City = ?, Zip = ?, "
                                    "\"Primary\" = ?, Secondary = ?, Email = ?, Position = ?, TeamCode = ? "
                                    "WHERE CoachCode = ?"),
                     values)
               .numRowsAffected() == 1;
}

bool remove(const QSqlDatabase& db, qint32 coachCode) {
    return Sql::exec(db, QStringLiteral("DELETE FROM TblCoach WHERE CoachCode = ?"), {coachCode}).numRowsAffected() == 1;
}

} // namespace CoachData
