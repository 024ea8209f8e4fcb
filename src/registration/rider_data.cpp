#include "registration/rider_data.h"

#include "database/back_number.h"
#include "database/column_map.h"
#include "database/meet_engine.h"
#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QSqlQuery>

namespace RiderData {

namespace {
// What the numbering window shows of a rider, and all a numbering run depends on: the order
// (team, name) and the numbers. An address changed at another station meanwhile changes
// neither, so it does not stop a run.
const ColumnMap<RiderRow>& numberingFields() {
    static const ColumnMap<RiderRow> fields =
        ColumnMap<RiderRow>()
            .key(QStringLiteral("TblPerson.RiderIndex"), &RiderRow::RiderIndex)
            .field(QStringLiteral("TblPerson.RiderNumber"), &RiderRow::RiderNumber)
            .field(QStringLiteral("TblPerson.FirstName"), &RiderRow::FirstName)
            .field(QStringLiteral("TblPerson.LastName"), &RiderRow::LastName)
            .field(QStringLiteral("TblPerson.TeamCode"), &RiderRow::TeamCode);
    return fields;
}

// The whole rider: the above and the address.
const ColumnMap<RiderRow>& riderFields() {
    static const ColumnMap<RiderRow> fields = ColumnMap<RiderRow>(numberingFields())
                                                  .field(QStringLiteral("TblPerson.Address"), &RiderRow::Address)
                                                  .field(QStringLiteral("TblPerson.City"), &RiderRow::City)
                                                  .field(QStringLiteral("TblPerson.Zip"), &RiderRow::Zip);
    return fields;
}

// Column names come from this fixed table only, never from input.
QString columnOf(SearchField field) {
    switch (field) {
    case SearchField::LastName:
        return QStringLiteral("TblPerson.LastName");
    case SearchField::FirstName:
        return QStringLiteral("TblPerson.FirstName");
    case SearchField::RiderNumber:
        return QStringLiteral("TblPerson.RiderNumber");
    case SearchField::TeamName:
        return QStringLiteral("TblTeam.TeamName");
    }
    return QStringLiteral("TblPerson.LastName");
}
} // namespace

QList<RiderHit> search(const QSqlDatabase& db, SearchField field, const QString& typed) {
    static const ColumnMap<RiderHit> hitFields =
        ColumnMap<RiderHit>()
            .field(QStringLiteral("TblPerson.RiderIndex"), &RiderHit::RiderIndex)
            .field(QStringLiteral("TblPerson.RiderNumber"), &RiderHit::RiderNumber)
            .field(QStringLiteral("TblPerson.FirstName"), &RiderHit::FirstName)
            .field(QStringLiteral("TblPerson.LastName"), &RiderHit::LastName)
            .field(QStringLiteral("TblTeam.TeamName"), &RiderHit::TeamName);
    return hitFields.readAll(Sql::exec(db,
                                       QStringLiteral("SELECT ") + hitFields.columns() +
                                           QStringLiteral(" FROM TblPerson INNER JOIN TblTeam "
                                                          "ON TblPerson.TeamCode = TblTeam.TeamCode WHERE ") +
                                           MeetEngine::containsCondition(db, columnOf(field)) +
                                           QStringLiteral(" ORDER BY TblPerson.RiderIndex"),
                                       {Sql::containsPattern(typed)}));
}

std::optional<RiderRow> find(const QSqlDatabase& db, qint32 riderIndex) {
    const QList<RiderRow> found =
        riderFields().select(db, QStringLiteral("FROM TblPerson WHERE RiderIndex = ?"), {riderIndex});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<RiderRow> byTeam(const QSqlDatabase& db) {
    return numberingFields().select(db,
                                QStringLiteral("FROM TblPerson ORDER BY TeamCode, LastName, FirstName, RiderIndex"));
}

int count(const QSqlDatabase& db) {
    return Sql::scalar(db, QStringLiteral("SELECT count(*) FROM TblPerson")).toInt();
}

QList<RiderListRow> completeList(const QSqlDatabase& db) {
    CheckedQuery query =
        Sql::exec(db, QStringLiteral("SELECT ") + riderFields().columns() +
                          QStringLiteral(", TblTeam.Division, TblTeam.TeamName FROM TblPerson INNER JOIN TblTeam "
                                         "ON TblPerson.TeamCode = TblTeam.TeamCode ORDER BY TblTeam.Division, "
                                         "TblTeam.TeamName, TblTeam.TeamCode, TblPerson.RiderNumber NULLS FIRST, "
                                         "TblPerson.LastName, TblPerson.FirstName"));
    QList<RiderListRow> riders;
    QList<int> riderPositions;
    int division = -1, teamName = -1;
    while (query.next()) {
        if (riderPositions.isEmpty()) {
            riderPositions = riderFields().positionsIn(query.record());
            division = query.record().indexOf(QStringLiteral("Division"));
            teamName = query.record().indexOf(QStringLiteral("TeamName"));
        }
        riders.append({query.value(division).toString(), query.value(teamName).toString(),
                       riderFields().read(query, riderPositions)});
    }
    return riders;
}

qint32 store(const QSqlDatabase& db, const RiderRow& rider) {
    TransactionGuard transaction(db);
    if (numberHeldByOther(db, rider.RiderNumber, rider.RiderIndex))
        return NumberHeld;
    qint32 index = rider.RiderIndex;
    if (index < 0) {
        index = riderFields().insertReturningKey(db, QStringLiteral("TblPerson"), rider).toInt();
    } else if (Sql::exec(db, riderFields().update(QStringLiteral("TblPerson")), riderFields().valuesThenKey(rider))
                   .numRowsAffected() != 1) {
        return RiderGone;
    }
    transaction.commit();
    return index;
}

bool numberHeldByOther(const QSqlDatabase& db, const QString& number, qint32 exceptIndex) {
    CheckedQuery query = Sql::exec(db,
                                   QStringLiteral("SELECT RiderNumber FROM TblPerson WHERE RiderIndex <> ? "
                                                  "AND RiderNumber IS NOT NULL AND RiderNumber <> ''"),
                                   {exceptIndex});
    while (query.next())
        if (BackNumber::same(query.value(0).toString(), number))
            return true;
    return false;
}

RowSnapshot snapshotOf(const QList<RiderRow>& riders) {
    return RowSnapshot().add(numberingFields(), riders);
}

RowSnapshot snapshotOfAll(const QSqlDatabase& db) {
    return snapshotOf(numberingFields().select(db, QStringLiteral("FROM TblPerson")));
}

bool isEntered(const QSqlDatabase& db, qint32 riderIndex) {
    return Sql::scalar(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM TblEntry WHERE RiderIndex = ?)"), {riderIndex})
        .toBool();
}

bool isRelayPartner(const QSqlDatabase& db, qint32 riderIndex) {
    return Sql::scalar(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM TblPairing WHERE PartnerIndex = ?)"),
                       {riderIndex})
        .toBool();
}

bool remove(const QSqlDatabase& db, qint32 riderIndex) {
    return Sql::exec(db, QStringLiteral("DELETE FROM TblPerson WHERE RiderIndex = ?"), {riderIndex})
               .numRowsAffected() == 1;
}

} // namespace RiderData
