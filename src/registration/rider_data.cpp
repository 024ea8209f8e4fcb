#include "registration/rider_data.h"

#include "database/sql.h"
#include "database/transaction_guard.h"
#include "database/back_number.h"

#include <QSqlQuery>

namespace RiderData {

namespace {
// The rider's own columns, first in every select that reads whole riders (see riderAt).
const QString RiderColumns =
    QStringLiteral("TblPerson.RiderIndex, TblPerson.RiderNumber, TblPerson.FirstName, TblPerson.LastName, "
                   "TblPerson.Address, TblPerson.City, TblPerson.Zip, TblPerson.TeamCode");
const QString SelectRiders = QStringLiteral("SELECT ") + RiderColumns + QStringLiteral(" FROM TblPerson ");

RiderRow riderAt(const CheckedQuery& query) {
    RiderRow r;
    r.RiderIndex = query.value(0).toInt();
    r.RiderNumber = query.value(1).toString();
    r.FirstName = query.value(2).toString();
    r.LastName = query.value(3).toString();
    r.Address = query.value(4).toString();
    r.City = query.value(5).toString();
    r.Zip = query.value(6).toString();
    r.TeamCode = query.value(7).toInt();
    return r;
}

QList<RiderRow> read(CheckedQuery query) {
    QList<RiderRow> riders;
    while (query.next())
        riders.append(riderAt(query));
    return riders;
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
    CheckedQuery query =
        Sql::exec(db,
                  QStringLiteral("SELECT TblPerson.RiderIndex, TblPerson.RiderNumber, TblPerson.FirstName, "
                                 "TblPerson.LastName, TblTeam.TeamName FROM TblPerson INNER JOIN TblTeam "
                                 "ON TblPerson.TeamCode = TblTeam.TeamCode WHERE ") +
                      columnOf(field) + QStringLiteral(" LIKE ? ESCAPE '\\' ORDER BY TblPerson.RiderIndex"),
                  {Sql::containsPattern(typed)});
    QList<RiderHit> hits;
    while (query.next())
        hits.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                     query.value(3).toString(), query.value(4).toString()});
    return hits;
}

std::optional<RiderRow> find(const QSqlDatabase& db, qint32 riderIndex) {
    const QList<RiderRow> found =
        read(Sql::exec(db, SelectRiders + QStringLiteral("WHERE RiderIndex = ?"), {riderIndex}));
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<RiderRow> byTeam(const QSqlDatabase& db) {
    return read(Sql::exec(db, SelectRiders + QStringLiteral("ORDER BY TeamCode, LastName, FirstName, RiderIndex")));
}

int count(const QSqlDatabase& db) {
    return Sql::scalar(db, QStringLiteral("SELECT count(*) FROM TblPerson")).toInt();
}

QList<RiderListRow> completeList(const QSqlDatabase& db) {
    CheckedQuery query =
        Sql::exec(db, QStringLiteral("SELECT ") + RiderColumns +
                          QStringLiteral(", TblTeam.Division, TblTeam.TeamName FROM TblPerson INNER JOIN TblTeam "
                                         "ON TblPerson.TeamCode = TblTeam.TeamCode ORDER BY TblTeam.Division, "
                                         "TblTeam.TeamName, TblTeam.TeamCode, TblPerson.RiderNumber, "
                                         "TblPerson.LastName, TblPerson.FirstName"));
    QList<RiderListRow> riders;
    while (query.next())
        riders.append({query.value(8).toString(), query.value(9).toString(), riderAt(query)});
    return riders;
}

qint32 store(const QSqlDatabase& db, const RiderRow& rider) {
    const QVariantList values{rider.RiderNumber, rider.FirstName, rider.LastName, rider.Address,
                              rider.City,        rider.Zip,       rider.TeamCode};
    TransactionGuard transaction(db);
    qint32 index = rider.RiderIndex;
    if (index < 0) {
        CheckedQuery query =
            Sql::exec(db,
                      QStringLiteral("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, Address, "
                                     "City, Zip, TeamCode) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      values);
        index = query.lastInsertId().toInt();
    } else {
        const CheckedQuery query =
            Sql::exec(db,
                      QStringLiteral("UPDATE TblPerson SET RiderNumber = ?, FirstName = ?, LastName = ?, Address = ?, "
                                     "City = ?, Zip = ?, TeamCode = ? WHERE RiderIndex = ?"),
                      QVariantList(values) << index);
        if (query.numRowsAffected() != 1)
            return -1;
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
