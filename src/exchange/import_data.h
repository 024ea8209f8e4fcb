#pragma once

#include "database/district_file.h"

#include <QSqlDatabase>
#include <QStringList>

// Writing a district file's teams, coaches and riders into the meet database.
namespace ImportData {

struct Imported {
    qsizetype teams = 0; // rows written to the meet database
    qsizetype coaches = 0;
    qsizetype riders = 0;
    // The imported riders whose back number (by value, or by text without regard to case) a
    // rider of the meet or an earlier rider of the file already had, as "number first last"
    // lines, so the secretary can renumber them.
    QStringList clashes;
};

// Adds every team of the file as a new team with its coaches and riders, in one
// transaction: on failure the meet database is as it was (the error is thrown).
Imported importAll(const QSqlDatabase& db, const DistrictFile::Content& content);

} // namespace ImportData
