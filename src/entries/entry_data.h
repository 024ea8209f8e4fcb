#pragma once

#include "database/row_snapshot.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// Teams, riders, entries and relay pairings as the class entry windows read and write them.
namespace EntryData {

struct Rider {
    qint32 RiderIndex;
    QString FirstName;
    QString LastName;
    QString RiderNumber;
};

struct Entry {
    int ClassNumber;
    qint32 RiderIndex;
};

struct Pairing {
    qint32 RiderIndex;     // the entrant
    qint32 PartnerIndex;
    QString PartnerNumber;
    QString PartnerFirst;
    QString PartnerLast;
};

// The riders of a team in back number order (as text), which is the grid's row order.
QList<Rider> ridersOfTeam(const QSqlDatabase& db, qint32 teamCode);
QList<Entry> entriesOfTeam(const QSqlDatabase& db, qint32 teamCode);
QList<Pairing> pairingsOfTeam(const QSqlDatabase& db, qint32 teamCode);

// What a team's grid shows as it opens: the team's riders, entries and pairings.
RowSnapshot snapshotOfTeam(const QList<Rider>& riders, const QList<Entry>& entries, const QList<Pairing>& pairings);

// Replaces every entry and pairing of the team's riders by the given ones, in one
// transaction: on failure the team's old rows stay as they were. Rows of other teams are
// never touched. False, writing nothing, when the team's riders, entries or pairings are no
// longer `loaded`: another station changed them since the grid read them.
[[nodiscard]] bool replaceTeamEntries(const QSqlDatabase& db, qint32 teamCode, const RowSnapshot& loaded,
                                      const QList<Entry>& entries, const QList<Pairing>& pairings);

} // namespace EntryData
