#include "results/result_data.h"

#include "database/column_map.h"
#include "database/locked_save.h"
#include "database/sql.h"
#include "report_engine/report_rows.h"

namespace ResultData {

namespace {
const ColumnMap<Placing>& placingFields() {
    static const ColumnMap<Placing> fields = ColumnMap<Placing>()
                                                 .field(QStringLiteral("ClassNumber"), &Placing::ClassNumber)
                                                 .field(QStringLiteral("Place"), &Placing::Place)
                                                 .field(QStringLiteral("Division"), &Placing::Division)
                                                 .field(QStringLiteral("RiderIndex"), &Placing::RiderIndex)
                                                 .field(QStringLiteral("Points"), &Placing::Points)
                                                 .field(QStringLiteral("JudgeID"), &Placing::JudgeID);
    return fields;
}
} // namespace

QList<Judge> judgesOfClass(const QSqlDatabase& db, int classNumber, const QString& division) {
    static const ColumnMap<Judge> fields = ColumnMap<Judge>()
                                               .field(QStringLiteral("TblJudge.JudgeID"), &Judge::JudgeID)
                                               .field(QStringLiteral("TblJudge.FirstName"), &Judge::FirstName)
                                               .field(QStringLiteral("TblJudge.LastName"), &Judge::LastName);
    return fields.select(
        db,
        QStringLiteral("FROM TblJudge INNER JOIN TblClassJudges ON TblJudge.JudgeID = TblClassJudges.JudgeID "
                       "WHERE TblClassJudges.ClassNumber = ? AND TblClassJudges.Division = ? "
                       "ORDER BY TblJudge.LastName, TblJudge.FirstName, TblJudge.JudgeID"),
        {classNumber, division});
}

QList<EntrantRow> entrantsOfClass(const QSqlDatabase& db, int classNumber, const QString& division) {
    return SheetData::classEntries(db, division, classNumber, SheetData::Partners::Optional);
}

QList<Placing> placingsOfClass(const QSqlDatabase& db, int classNumber, const QString& division) {
    return placingFields().select(
        db, QStringLiteral("FROM TblPlacing WHERE ClassNumber = ? AND Division = ? ORDER BY JudgeID, Place"),
        {classNumber, division});
}

EntrantRow rider(const QSqlDatabase& db, qint32 riderIndex) {
    static const ColumnMap<EntrantRow> fields = ColumnMap<EntrantRow>()
                                                    .field(QStringLiteral("RiderIndex"), &EntrantRow::RiderIndex)
                                                    .field(QStringLiteral("RiderNumber"), &EntrantRow::RiderNumber)
                                                    .field(QStringLiteral("FirstName"), &EntrantRow::FirstName)
                                                    .field(QStringLiteral("LastName"), &EntrantRow::LastName);
    const QList<EntrantRow> found =
        fields.select(db, QStringLiteral("FROM TblPerson WHERE RiderIndex = ?"), {riderIndex});
    if (found.isEmpty()) {
        EntrantRow gone{};
        gone.RiderIndex = riderIndex;
        return gone;
    }
    return found.first();
}

RowSnapshot snapshotOf(const QList<Placing>& placings) {
    return RowSnapshot().add(placingFields(), placings);
}

bool replacePlacings(const QSqlDatabase& db, int classNumber, const QString& division, const RowSnapshot& loaded,
                     const QList<Placing>& placings) {
    auto current = [&] { return snapshotOf(placingsOfClass(db, classNumber, division)); };
    return LockedSave::replace(db, loaded, current, [&] {
        Sql::exec(db, QStringLiteral("DELETE FROM TblPlacing WHERE ClassNumber = ? AND Division = ?"),
                  {classNumber, division});
        QList<QVariantList> rows;
        for (const Placing& p : placings)
            rows.append(placingFields().values(p));
        Sql::insertEach(db, placingFields().insert(QStringLiteral("TblPlacing")), rows);
    });
}

QList<TeamPlacing> teamPlacings(const QSqlDatabase& db, const QString& division) {
    static const ColumnMap<TeamPlacing> fields =
        ColumnMap<TeamPlacing>()
            .field(QStringLiteral("TblPerson.TeamCode"), &TeamPlacing::TeamCode)
            .field(QStringLiteral("TblPlacing.ClassNumber"), &TeamPlacing::ClassNumber)
            .field(QStringLiteral("TblPlacing.Place"), &TeamPlacing::Place)
            .field(QStringLiteral("TblPlacing.Points"), &TeamPlacing::Points);
    return fields.select(
        db,
        QStringLiteral("FROM TblPlacing INNER JOIN TblPerson ON TblPlacing.RiderIndex = TblPerson.RiderIndex "
                       "WHERE TblPlacing.Division = ? ORDER BY TblPlacing.ClassNumber, TblPlacing.Place"),
        {division});
}

QList<RiderPlacing> riderPlacings(const QSqlDatabase& db, const QString& division) {
    static const ColumnMap<RiderPlacing> fields =
        ColumnMap<RiderPlacing>()
            .field(QStringLiteral("TblPerson.RiderIndex"), &RiderPlacing::RiderIndex)
            .field(QStringLiteral("TblPerson.RiderNumber"), &RiderPlacing::RiderNumber)
            .fullName(QStringLiteral("TblPerson.FirstName"), QStringLiteral("TblPerson.LastName"), &RiderPlacing::Rider)
            .field(QStringLiteral("TblTeam.TeamName"), &RiderPlacing::TeamName)
            .field(QStringLiteral("TblPlacing.Place"), &RiderPlacing::Place)
            .field(QStringLiteral("TblPlacing.Points"), &RiderPlacing::Points);
    return fields.select(
        db,
        QStringLiteral("FROM TblPlacing INNER JOIN TblPerson ON TblPlacing.RiderIndex = TblPerson.RiderIndex "
                       "INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode "
                       "WHERE TblPlacing.Division = ? AND TblTeam.Division = ? "
                       "ORDER BY TblPerson.RiderIndex, TblPlacing.ClassNumber, TblPlacing.Place"),
        {division, division});
}

RowSet riderLines(const QSqlDatabase& db, const QString& division, const QString& name) {
    // The name is joined by the engine. Aliases are quoted so that a server, which folds
    // unquoted names to lower case, gives the fields the names the report looks for.
    CheckedQuery query =
        Sql::exec(db,
                  QStringLiteral("SELECT RiderIndex AS \"RiderIndex\", TeamCode AS \"TeamCode\", "
                                 "RiderNumber AS \"RiderNumber\", "
                                 "COALESCE(FirstName, '') || ' ' || COALESCE(LastName, '') AS \"Rider\" "
                                 "FROM TblPerson WHERE COALESCE(?, '') = '' OR TeamCode IN "
                                 "(SELECT TeamCode FROM TblTeam WHERE Division = ?) "
                                 "ORDER BY RiderNumber NULLS FIRST, RiderIndex"),
                  {division, division});
    return RowSet::fromQuery(name, query);
}

RowSet placingLines(const QSqlDatabase& db, const QString& division, const QString& name) {
    CheckedQuery query = Sql::exec(
        db, QStringLiteral("SELECT TblPlacing.RiderIndex AS \"RiderIndex\", TblPlacing.ClassNumber AS \"ClassNumber\", "
                           "TblClass.ClassName AS \"ClassName\", "
                           "COALESCE(TblJudge.FirstName, '') || ' ' || COALESCE(TblJudge.LastName, '') AS \"Judge\", "
                           "TblPlacing.Place AS \"Place\", TblPlacing.Points AS \"Points\" "
                           "FROM TblPlacing INNER JOIN TblJudge ON TblPlacing.JudgeID = TblJudge.JudgeID "
                           "INNER JOIN TblClass ON TblPlacing.ClassNumber = TblClass.ClassNumber "
                           "WHERE COALESCE(?, '') = '' OR TblPlacing.RiderIndex IN (SELECT TblPerson.RiderIndex "
                           "FROM TblPerson INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode "
                           "WHERE TblTeam.Division = ?) ORDER BY TblPlacing.ClassNumber, TblPlacing.Place"),
        {division, division});
    return RowSet::fromQuery(name, query);
}

} // namespace ResultData
