#include "test_server.h"

#include "database/cls_db_manager.h"
#include "database/db_connection.h"
#include "database/sql.h"

#include <QCoreApplication>
#include <atomic>

namespace {

QString serverUri() { return qEnvironmentVariable("CORRAVIN_TEST_SERVER"); }

// The URI of another database on the same server: libpq lets a dbname setting name it.
QString uriOf(const QString& database) {
    const QString uri = serverUri();
    return uri + (uri.contains(u'?') ? u'&' : u'?') + QStringLiteral("dbname=") + database;
}

QString databaseOf(const QString& uri) {
    return MeetLocation::server(uri).database();
}

// The connection that makes and drops the test databases, open for the whole run.
DbConnection& administration() {
    static DbConnection connection;
    if (!connection.isOpen())
        connection.open(serverUri());
    return connection;
}

// Names are made here from the process id and a count, never from input.
QString newName(const QString& kind) {
    static std::atomic<int> count{0};
    return QStringLiteral("%1_%2_%3").arg(kind).arg(QCoreApplication::applicationPid()).arg(++count);
}

void create(const QString& database, const QString& from = {}) {
    Sql::execDirect(administration().db(),
                    QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(database, from.isEmpty() ? "template0" : from));
}

// A database with a new meet, built once per test binary, from which each test's is copied.
QString meetTemplate() {
    static QString name;
    if (name.isEmpty()) {
        const QString building = newName(QStringLiteral("meet_template"));
        create(building);
        Cls_Db_Manager(QString()).Build_Server_Meet(MeetLocation::server(uriOf(building)),
                                                     [](const QSqlDatabase&, const QString&) {});
        name = building;
        // Dropped when the binary ends; a binary that crashes leaves it to the server's end.
        std::atexit([] { TestServer::dropDatabase(uriOf(name)); });
    }
    return name;
}

} // namespace

namespace TestServer {

bool inUse() { return !serverUri().isEmpty(); }

QString createDatabase(bool withMeet) {
    const QString name = newName(QStringLiteral("meet"));
    create(name, withMeet ? meetTemplate() : QString());
    return uriOf(name);
}

void dropDatabase(const QString& uri) {
    Sql::execDirect(administration().db(), QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(databaseOf(uri)));
}

} // namespace TestServer
