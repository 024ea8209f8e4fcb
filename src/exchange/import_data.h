#pragma once

#include "database/district_file.h"

#include <QSqlDatabase>
#include <QStringList>

// Writing a district file's teams, coaches and riders into the meet database.
namespace ImportData {

// Adds every team of the file as a new team with its coaches and riders, in one
// transaction: on failure the meet database is as it was (the error is thrown). Answers
// the imported riders whose back number (by value) a rider of the meet or an earlier
// rider of the file already had, as "number first last" lines, so the secretary can
// renumber them.
QStringList importAll(const QSqlDatabase& db, const DistrictFile::Content& content);

} // namespace ImportData
