#pragma once

#include "database/db_connection.h"
#include "database/sql.h"

#include <functional>

// A district file as the district level writes it, for the tests that import one; `damage`
// is run on it before it closes.
inline QString writeDistrictFile(const QString& folder, const QString& name,
                                 const std::function<void(const QSqlDatabase&)>& damage = {}) {
    const QString path = folder + "/" + name;
    DbConnection file;
    file.open(path, DbConnection::Mode::ReadWrite);
    const QSqlDatabase db = file.db();
    Sql::exec(db, "CREATE TABLE TblTeam (TeamCode INTEGER, TeamName TEXT, Division TEXT, District TEXT)");
    Sql::exec(db, "CREATE TABLE TblCoach (TeamCode INTEGER, CoachCode INTEGER, FirstName TEXT, LastName TEXT, "
                  "Position TEXT, Address TEXT, City TEXT, Zip TEXT, \"Primary\" TEXT, Secondary TEXT, Email TEXT)");
    Sql::exec(db, "CREATE TABLE tblperson (teamcode INTEGER, ridernumber TEXT, firstname TEXT, lastname TEXT, "
                  "address TEXT, city TEXT, zip TEXT)");
    Sql::exec(db, "INSERT INTO TblTeam VALUES (1, 'Hawks', 'B', '7'), (2, 'Owls', 'A', '7')");
    Sql::exec(db, "INSERT INTO TblCoach VALUES (1, 5, 'Ann', 'Lee', 'Head Coach', '', '', '', '', '', '')");
    Sql::exec(db, "INSERT INTO tblperson VALUES (1, '7', 'Bo', 'Ray', '', '', ''), (1, '7', 'Cy', 'Fox', '', '', ''), "
                  "(2, '12', 'Di', 'Orr', '1 Main St', 'Town', '12345')");
    if (damage)
        damage(db);
    return path;
}
