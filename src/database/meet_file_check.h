#pragma once

#include "database/db_connection.h"

#include <QString>
#include <QStringList>

// What start-up (and restore) learn about the file at the meet database path (or the meet's
// server database) before it is used: whether it is a sound meet database, and if not, whether
// it is merely locked or read-only or lies where the engine cannot open it, or its server
// cannot be reached (then nothing is wrong with it), or really is not a meet database.
struct MeetFileVerdict {
    enum class Kind { Usable, Locked, ReadOnly, PathTooLong, NotAFile, Unusable, Unreachable };
    Kind kind = Kind::Usable;
    QString reason;  // short cause, e.g. "the table TblClass is missing"
    QString message; // what the user is told, with what to do; empty when usable

    bool usable() const { return kind == Kind::Usable; }
};

namespace MeetFileCheck {

enum class Use { ReadWrite, ReadOnly };

// Examines the file at `path`. An interrupted write (a hot rollback journal or a WAL file
// beside it) is first finished by the engine, which needs the file writable; a file that
// `use` is ReadWrite for must be writable. Nothing else is changed, and a file that is not
// a regular file is never opened (a named pipe would hang the program).
MeetFileVerdict examine(const QString& path, Use use, int lockWaitMs = DbConnection::DefaultLockWaitMs);

// Empty when the engine can open a file at `path` by its name; otherwise why not: its path,
// links resolved, is longer than the engine takes (it must leave room for the journal's name).
QString pathProblem(const QString& path);

// The engine's files that belong with the database at `path` and exist now (journal, WAL).
QStringList companions(const QString& path);

} // namespace MeetFileCheck
