#pragma once

#include <QString>

// The PostgreSQL server a test run may work on: the environment variable CORRAVIN_TEST_SERVER
// names it by a URI (the run itself starts it, see tests/test_server.sh). When it is set, every
// MeetFixture makes a database of its own there, copied from a template that holds a new meet,
// and drops it when the test ends.
namespace TestServer {

// Whether this run works on the server rather than on meet files.
bool inUse();

// Makes a new database: a copy of a new meet, or an empty one. Answers its URI.
QString createDatabase(bool withMeet);
// Drops a database createDatabase made, ending any connection still open on it.
void dropDatabase(const QString& uri);

// The server database a test's program folder works with (empty: none), so that a run of the
// program's own binary on that folder is pointed at it with --server.
void setDatabaseOf(const QString& programFolder, const QString& uri);
QString databaseOf(const QString& programFolder);

} // namespace TestServer

// For a test that only makes sense for a meet file (journals, locks beside the file, backups).
#define SKIP_ON_SERVER(why)                                                                                            \
    do {                                                                                                               \
        if (TestServer::inUse())                                                                                       \
            QSKIP("a meet file only: " why);                                                                           \
    } while (false)

// For a test of what only a meet on a server does (the file half has tests of its own for it).
#define SKIP_ON_FILES(why)                                                                                             \
    do {                                                                                                               \
        if (!TestServer::inUse())                                                                                      \
            QSKIP("a meet on a server only: " why);                                                                    \
    } while (false)
