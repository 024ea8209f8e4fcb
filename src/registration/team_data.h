#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// One row of TblTeam.
struct TeamRow {
    qint32 TeamCode = -1;
    QString TeamName;
    QString Division;
    QString District;
};

// TblTeam reads and writes. Every function throws DbException when the engine refuses.
namespace TeamData {

// All teams by name (teams of the same name in the order they were added).
QList<TeamRow> byName(const QSqlDatabase& db);
// All teams by division, then name.
QList<TeamRow> byDivisionAndName(const QSqlDatabase& db);
std::optional<TeamRow> find(const QSqlDatabase& db, qint32 teamCode);

// Adds a team and answers the code the engine gave it.
qint32 insert(const QSqlDatabase& db, const TeamRow& team);
bool update(const QSqlDatabase& db, const TeamRow& team); // false: no such team

bool hasRiders(const QSqlDatabase& db, qint32 teamCode);
// Deletes the team and its coaches together, or neither.
bool removeWithCoaches(const QSqlDatabase& db, qint32 teamCode); // false: no such team

} // namespace TeamData
