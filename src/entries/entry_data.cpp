#include "entries/entry_data.h"

#include "database/column_map.h"
#include "database/locked_save.h"
#include "database/sql.h"

#include <QSqlQuery>

namespace EntryData {

namespace {
// Every rider of the team, as a sub-select the deletes share.
const QString TeamRiders = QStringLiteral("SELECT RiderIndex FROM TblPerson WHERE TeamCode = ?");

const ColumnMap<Rider>& riderFields() {
    static const ColumnMap<Rider> fields = ColumnMap<Rider>()
                                               .field(QStringLiteral("RiderIndex"), &Rider::RiderIndex)
                                               .field(QStringLiteral("FirstName"), &Rider::FirstName)
                                               .field(QStringLiteral("LastName"), &Rider::LastName)
                                               .field(QStringLiteral("RiderNumber"), &Rider::RiderNumber);
    return fields;
}

const ColumnMap<Entry>& entryFields() {
    static const ColumnMap<Entry> fields = ColumnMap<Entry>()
                                               .field(QStringLiteral("TblEntry.ClassNumber"), &Entry::ClassNumber)
                                               .field(QStringLiteral("TblEntry.RiderIndex"), &Entry::RiderIndex);
    return fields;
}

const ColumnMap<Pairing>& pairingFields() {
    static const ColumnMap<Pairing> fields =
        ColumnMap<Pairing>()
            .field(QStringLiteral("TblPairing.RiderIndex"), &Pairing::RiderIndex)
            .field(QStringLiteral("TblPairing.PartnerIndex"), &Pairing::PartnerIndex)
            .field(QStringLiteral("TblPairing.PartnerNumber"), &Pairing::PartnerNumber)
            .field(QStringLiteral("TblPairing.PartnerFirst"), &Pairing::PartnerFirst)
            .field(QStringLiteral("TblPairing.PartnerLast"), &Pairing::PartnerLast);
    return fields;
}
} // namespace

QList<Rider> ridersOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    return riderFields().select(
        db, QStringLiteral("FROM TblPerson WHERE TeamCode = ? ORDER BY RiderNumber NULLS FIRST, RiderIndex"),
        {teamCode});
}

QList<Entry> entriesOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    return entryFields().select(db,
                                QStringLiteral("FROM TblEntry INNER JOIN TblPerson ON TblEntry.RiderIndex = "
                                               "TblPerson.RiderIndex WHERE TblPerson.TeamCode = ? "
                                               "ORDER BY TblPerson.RiderNumber NULLS FIRST"),
                                {teamCode});
}

QList<Pairing> pairingsOfTeam(const QSqlDatabase& db, qint32 teamCode) {
    return pairingFields().select(db,
                                  QStringLiteral("FROM TblPairing INNER JOIN TblPerson ON TblPairing.RiderIndex = "
                                                 "TblPerson.RiderIndex WHERE TblPerson.TeamCode = ?"),
                                  {teamCode});
}

RowSnapshot snapshotOfTeam(const QList<Rider>& riders, const QList<Entry>& entries, const QList<Pairing>& pairings) {
    return RowSnapshot().add(riderFields(), riders).add(entryFields(), entries).add(pairingFields(), pairings);
}

bool replaceTeamEntries(const QSqlDatabase& db, qint32 teamCode, const RowSnapshot& loaded, const QList<Entry>& entries,
                        const QList<Pairing>& pairings) {
    auto current = [&] {
        return snapshotOfTeam(ridersOfTeam(db, teamCode), entriesOfTeam(db, teamCode), pairingsOfTeam(db, teamCode));
    };
    return LockedSave::replace(db, loaded, current, [&] {
        Sql::exec(db, QStringLiteral("DELETE FROM TblEntry WHERE RiderIndex IN (") + TeamRiders + u')', {teamCode});
        Sql::exec(db, QStringLiteral("DELETE FROM TblPairing WHERE RiderIndex IN (") + TeamRiders + u')', {teamCode});
        QList<QVariantList> entryRows;
        for (const Entry& entry : entries)
            entryRows.append(entryFields().values(entry));
        Sql::insertEach(db, entryFields().insert(QStringLiteral("TblEntry")), entryRows);
        QList<QVariantList> pairingRows;
        for (const Pairing& pairing : pairings)
            pairingRows.append(pairingFields().values(pairing));
        Sql::insertEach(db, pairingFields().insert(QStringLiteral("TblPairing")), pairingRows);
    });
}

} // namespace EntryData
