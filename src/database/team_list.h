#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

struct TeamRow {
    qint32 TeamCode = -1;
    QString TeamName;
    QString Division;
    QString District;
};

// The teams as every window lists them: the one place TblTeam is read by the subsystems,
// which may not read each other's data modules. Every function throws DbException when the
// engine refuses.
template <typename Row> class ColumnMap;

namespace TeamList {
// How a team row is read and written.
const ColumnMap<TeamRow>& fields();

QList<TeamRow> byName(const QSqlDatabase& db);
QList<TeamRow> byDivisionAndName(const QSqlDatabase& db);
QList<TeamRow> ofDivision(const QSqlDatabase& db, const QString& division); // by name
// The teams of a division that bear the name (compared without regard to case), by key.
QList<TeamRow> named(const QSqlDatabase& db, const QString& division, const QString& teamName);
std::optional<TeamRow> find(const QSqlDatabase& db, qint32 teamCode);
// Whether any rider belongs to the team.
bool hasRiders(const QSqlDatabase& db, qint32 teamCode);

} // namespace TeamList
