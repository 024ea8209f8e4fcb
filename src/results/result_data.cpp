#include "results/result_data.h"

#include "database/sql.h"
#include "database/transaction_guard.h"

namespace ResultData {

QList<Judge> judgesOfClass(const QSqlDatabase& db, int classNumber, const QString& division) {
    auto query =
        Sql::exec(db,
                  QStringLiteral("SELECT TblJudge.JudgeID, TblJudge.FirstName, TblJudge.LastName FROM TblJudge "
                                 "INNER JOIN TblClassJudges ON TblJudge.JudgeID = TblClassJudges.JudgeID "
                                 "WHERE TblClassJudges.ClassNumber = ? AND TblClassJudges.Division = ? "
                                 "ORDER BY TblJudge.LastName, TblJudge.FirstName, TblJudge.JudgeID"),
                  {classNumber, division});
    QList<Judge> judges;
    while (query.next())
        judges.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString()});
    return judges;
}

QList<EntrantRow> entrantsOfClass(const QSqlDatabase& db, int classNumber, const QString& division) {
    return SheetData::classEntries(db, division, classNumber, SheetData::Partners::Optional);
}

QList<Placing> placingsOfClass(const QSqlDatabase& db, int classNumber, const QString& division) {
    auto query = Sql::exec(db,
                           QStringLiteral("SELECT ClassNumber, Place, Division, RiderIndex, Points, JudgeID "
                                          "FROM TblPlacing WHERE ClassNumber = ? AND Division = ? "
                                          "ORDER BY JudgeID, Place"),
                           {classNumber, division});
    QList<Placing> placings;
    while (query.next())
        placings.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                         query.value(3).toInt(), query.value(4).toDouble(), query.value(5).toInt()});
    return placings;
}

EntrantRow rider(const QSqlDatabase& db, qint32 riderIndex) {
    auto query =
        Sql::exec(db, QStringLiteral("SELECT RiderNumber, FirstName, LastName FROM TblPerson WHERE RiderIndex = ?"),
                  {riderIndex});
    if (!query.next())
        return {riderIndex, {}, {}, {}, {}, {}, {}, {}};
    return {riderIndex, query.value(0).toString(), query.value(1).toString(), query.value(2).toString(), {}, {}, {},
            {}};
}

void replacePlacings(const QSqlDatabase& db, int classNumber, const QString& division, const QList<Placing>& placings) {
    TransactionGuard transaction(db);
    Sql::exec(db, QStringLiteral("DELETE FROM TblPlacing WHERE ClassNumber = ? AND Division = ?"),
              {classNumber, division});
    QList<QVariantList> rows;
    for (const Placing& p : placings)
        rows.append({p.ClassNumber, p.Place, p.Division, p.RiderIndex, p.Points, p.JudgeID});
    Sql::execEach(db,
                  QStringLiteral("INSERT INTO TblPlacing (ClassNumber, Place, Division, RiderIndex, Points, JudgeID) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"),
                  rows);
    transaction.commit();
}

QList<TeamPlacing> teamPlacings(const QSqlDatabase& db, const QString& division) {
    auto query = Sql::exec(db,
                           QStringLiteral("SELECT TblPerson.TeamCode, TblPlacing.ClassNumber, TblPlacing.Place, "
                                          "TblPlacing.Points FROM TblPlacing "
                                          "INNER JOIN TblPerson ON TblPlacing.RiderIndex = TblPerson.RiderIndex "
                                          "WHERE TblPlacing.Division = ? "
                                          "ORDER BY TblPlacing.ClassNumber, TblPlacing.Place"),
                           {division});
    QList<TeamPlacing> placings;
    while (query.next())
        placings.append(
            {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(), query.value(3).toDouble()});
    return placings;
}

QList<RiderPlacing> riderPlacings(const QSqlDatabase& db, const QString& division) {
    auto query = Sql::exec(db,
                           QStringLiteral("SELECT TblPerson.RiderIndex, TblPerson.RiderNumber, TblPerson.FirstName, "
                                          "TblPerson.LastName, TblTeam.TeamName, TblPlacing.Place, TblPlacing.Points "
                                          "FROM TblPlacing "
                                          "INNER JOIN TblPerson ON TblPlacing.RiderIndex = TblPerson.RiderIndex "
                                          "INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode "
                                          "WHERE TblPlacing.Division = ? AND TblTeam.Division = ? "
                                          "ORDER BY TblPerson.RiderIndex, TblPlacing.ClassNumber, TblPlacing.Place"),
                           {division, division});
    QList<RiderPlacing> placings;
    while (query.next())
        placings.append({query.value(0).toInt(), query.value(1).toString(),
                         query.value(2).toString() + u' ' + query.value(3).toString(), query.value(4).toString(),
                         query.value(5).toInt(), query.value(6).toDouble()});
    return placings;
}

QList<RiderLine> allRiders(const QSqlDatabase& db, const QString& division) {
    auto query = Sql::exec(
        db,
        QStringLiteral("SELECT RiderIndex, TeamCode, RiderNumber, FirstName, LastName FROM TblPerson "
                       "WHERE COALESCE(?, '') = '' OR TeamCode IN (SELECT TeamCode FROM TblTeam WHERE Division = ?) "
                       "ORDER BY RiderNumber, RiderIndex"),
        {division, division});
    QList<RiderLine> riders;
    while (query.next())
        riders.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                       query.value(3).toString() + u' ' + query.value(4).toString()});
    return riders;
}

QList<PlacingLine> placingLines(const QSqlDatabase& db, const QString& division) {
    auto query = Sql::exec(
        db,
        QStringLiteral(
            "SELECT TblPlacing.RiderIndex, TblPlacing.ClassNumber, TblClass.ClassName, "
            "TblJudge.FirstName, TblJudge.LastName, TblPlacing.Place, TblPlacing.Points "
            "FROM TblPlacing INNER JOIN TblJudge ON TblPlacing.JudgeID = TblJudge.JudgeID "
            "INNER JOIN TblClass ON TblPlacing.ClassNumber = TblClass.ClassNumber "
            "WHERE COALESCE(?, '') = '' OR TblPlacing.RiderIndex IN (SELECT TblPerson.RiderIndex FROM TblPerson "
            "INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode WHERE TblTeam.Division = ?) "
            "ORDER BY TblPlacing.ClassNumber, TblPlacing.Place"),
        {division, division});
    QList<PlacingLine> lines;
    while (query.next())
        lines.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                      query.value(3).toString() + u' ' + query.value(4).toString(), query.value(5).toInt(),
                      query.value(6).toDouble()});
    return lines;
}

} // namespace ResultData
