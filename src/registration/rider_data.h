#pragma once

#include "database/row_snapshot.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// One row of TblPerson.
struct RiderRow {
    qint32 RiderIndex = -1;
    QString RiderNumber;
    QString FirstName;
    QString LastName;
    QString Address;
    QString City;
    QString Zip;
    qint32 TeamCode = -1;
};

// A rider found by a search, with the name of the rider's team.
struct RiderHit {
    qint32 RiderIndex = -1;
    QString RiderNumber;
    QString FirstName;
    QString LastName;
    QString TeamName;
};

// A rider of the complete rider list, with the team's division and name.
struct RiderListRow {
    QString Division;
    QString TeamName;
    RiderRow rider;
};

// TblPerson reads and writes. Every function throws DbException when the engine refuses.
namespace RiderData {

enum class SearchField { LastName, FirstName, RiderNumber, TeamName };

// Riders of existing teams whose field holds the typed text literally, anywhere in it.
QList<RiderHit> search(const QSqlDatabase& db, SearchField field, const QString& typed);
std::optional<RiderRow> find(const QSqlDatabase& db, qint32 riderIndex);
// Every rider, by team code, last name, first name, as the numbering window shows them: the
// index, number, names and team (no address).
QList<RiderRow> byTeam(const QSqlDatabase& db);
int count(const QSqlDatabase& db);
// Riders of existing teams by division, team name, rider number, last name, first name.
QList<RiderListRow> completeList(const QSqlDatabase& db);

// What store() answers instead of a rider's index.
constexpr qint32 RiderGone = -1;  // the stored rider no longer exists
constexpr qint32 NumberHeld = -2; // another rider holds the same back number

// Adds the rider (RiderIndex -1) or writes it over the stored one, in one transaction that
// is rolled back when the engine refuses a value. The back number is checked in the same
// transaction, under the meet's write lock, so no other station can give it away between
// the check and the write. Answers the rider's index, RiderGone or NumberHeld.
qint32 store(const QSqlDatabase& db, const RiderRow& rider);

// True when a rider other than `exceptIndex` holds the same back number, compared by value.
bool numberHeldByOther(const QSqlDatabase& db, const QString& number, qint32 exceptIndex);

// The riders as byTeam() reads them: what the numbering window shows before a run.
RowSnapshot snapshotOf(const QList<RiderRow>& riders);
// The snapshot of every rider as they are now. Read in no order: a snapshot has none, and
// sorting 5,000 names costs a numbering run more than reading them.
RowSnapshot snapshotOfAll(const QSqlDatabase& db);

bool isEntered(const QSqlDatabase& db, qint32 riderIndex);
bool isRelayPartner(const QSqlDatabase& db, qint32 riderIndex);
bool remove(const QSqlDatabase& db, qint32 riderIndex); // false: no such rider

} // namespace RiderData
