#pragma once

#include "database/team_list.h"

#include <QSqlDatabase>

// TblTeam writes (the reads are TeamList's). Every function throws DbException when the
// engine refuses.
namespace TeamData {

// Adds a team and answers the code the engine gave it.
qint32 insert(const QSqlDatabase& db, const TeamRow& team);
bool update(const QSqlDatabase& db, const TeamRow& team); // false: no such team

// Deletes the team and its coaches together, or neither.
bool removeWithCoaches(const QSqlDatabase& db, qint32 teamCode); // false: no such team

} // namespace TeamData
