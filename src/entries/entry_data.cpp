#include "entries/entry_data.h"

#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QSqlQuery>

namespace EntryData {

namespace {
// Every rider of the team, as a sub-select the deletes share.
const QString TeamRiders = QStringLiteral("SELECT RiderIndex FROM TblPerson WHERE TeamCode = ?");
} // namespace

QList<Rider> ridersOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    CheckedQuery query = Sql::exec(db,
                                QStringLiteral("SELECT RiderIndex, FirstName, LastName, RiderNumber FROM TblPerson "
                                               "WHERE TeamCode = ? ORDER BY RiderNumber, RiderIndex"),
                                {teamCode});
    QList<Rider> riders;
    while (query.next())
        riders.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                       query.value(3).toString()});
    return riders;
}

QList<Entry> entriesOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    CheckedQuery query = Sql::exec(db,
                                QStringLiteral("SELECT TblEntry.ClassNumber, TblEntry.RiderIndex FROM TblEntry "
                                               "INNER JOIN TblPerson ON TblEntry.RiderIndex = TblPerson.RiderIndex "
                                               "WHERE TblPerson.TeamCode = ? ORDER BY TblPerson.RiderNumber"),
                                {teamCode});
    QList<Entry> entries;
    while (query.next())
        entries.append({query.value(0).toInt(), query.value(1).toInt()});
    return entries;
}

QList<Pairing> pairingsOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    CheckedQuery query = Sql::exec(
        db,
        QStringLiteral("SELECT TblPairing.RiderIndex, TblPairing.PartnerIndex, TblPairing.PartnerNumber, "
                       "TblPairing.PartnerFirst, TblPairing.PartnerLast FROM TblPairing "
                       "INNER JOIN TblPerson ON TblPairing.RiderIndex = TblPerson.RiderIndex WHERE TblPerson.TeamCode = ?"),
        {teamCode});
    QList<Pairing> pairings;
    while (query.next())
        pairings.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                         query.value(3).toString(), query.value(4).toString()});
    return pairings;
}

void replaceTeamEntries(const QSqlDatabase& db, qint32 teamCode, const QList<Entry>& entries,
                        const QList<Pairing>& pairings) {
    TransactionGuard transaction(db);
    Sql::exec(db, QStringLiteral("DELETE FROM TblEntry WHERE RiderIndex IN (") + TeamRiders + u')', {teamCode});
    Sql::exec(db, QStringLiteral("DELETE FROM TblPairing WHERE RiderIndex IN (") + TeamRiders + u')', {teamCode});
    QList<QVariantList> entryRows;
    for (const Entry& entry : entries)
        entryRows.append({entry.ClassNumber, entry.RiderIndex});
    Sql::execEach(db, QStringLiteral("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (?, ?)"), entryRows);
    QList<QVariantList> pairingRows;
    for (const Pairing& pairing : pairings)
        pairingRows.append({pairing.RiderIndex, pairing.PartnerIndex, pairing.PartnerNumber, pairing.PartnerFirst,
                            pairing.PartnerLast});
    Sql::execEach(db,
                  QStringLiteral("INSERT INTO TblPairing (RiderIndex, PartnerIndex, PartnerNumber, PartnerFirst, "
                                 "PartnerLast) VALUES (?, ?, ?, ?, ?)"),
                  pairingRows);
    transaction.commit();
}

} // namespace EntryData
