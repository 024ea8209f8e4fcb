#include "test_server.h"

#include "database/cls_db_manager.h"
#include "database/db_connection.h"
#include "database/sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <atomic>

namespace {

QString serverUri() {
    return qEnvironmentVariable("CORRAVIN_TEST_SERVER");
}

// The URI of another database on the same server: libpq lets a dbname setting name it.
QString uriOf(const QString& database) {
    const QString uri = serverUri();
    return uri + (uri.contains(u'?') ? u'&' : u'?') + QStringLiteral("dbname=") + database;
}

QString nameOf(const QString& uri) {
    return MeetLocation::server(uri).database();
}

QHash<QString, QString>& databasesOfFolders() {
    static QHash<QString, QString> all;
    return all;
}

// The connection that makes and drops the test databases, open for the whole run. Never
// destroyed: at exit Qt's registry of connections may already be gone.
DbConnection& administration() {
    static DbConnection* connection = new DbConnection;
    if (!connection->isOpen())
        connection->open(serverUri());
    return *connection;
}

// Names are made here from the process id and a count, never from input.
QString newName(const QString& kind) {
    static std::atomic<int> count{0};
    return QStringLiteral("%1_%2_%3").arg(kind).arg(QCoreApplication::applicationPid()).arg(++count);
}

void create(const QString& database, const QString& from = {}) {
    Sql::execDirect(
        administration().db(),
        QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(database, from.isEmpty() ? "template0" : from));
}

// A database with a new meet, from which each test's is copied: built by the first test binary
// that needs it (one at a time: the binaries may run side by side), kept for the server's life.
QString meetTemplate() {
    static const QString name = [] {
        const QString building = QStringLiteral("meet_template");
        const QSqlDatabase db = administration().db();
        Sql::exec(db, QStringLiteral("SELECT pg_advisory_lock(1)"));
        if (Sql::scalar(db, QStringLiteral("SELECT count(*) FROM pg_database WHERE datname = ?"), {building}).toInt() ==
            0) {
            create(building);
            Cls_Db_Manager(QString()).Build_Server_Meet(MeetLocation::server(uriOf(building)),
                                                        [](const QSqlDatabase&, const QString&) {});
        }
        Sql::exec(db, QStringLiteral("SELECT pg_advisory_unlock(1)"));
        return building;
    }();
    return name;
}

} // namespace

namespace TestServer {

bool inUse() {
    return !serverUri().isEmpty();
}

QString createDatabase(bool withMeet) {
    const QString name = newName(QStringLiteral("meet"));
    create(name, withMeet ? meetTemplate() : QString());
    return uriOf(name);
}

void dropDatabase(const QString& uri) {
    Sql::execDirect(administration().db(), QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(nameOf(uri)));
}

void setDatabaseOf(const QString& programFolder, const QString& uri) {
    if (uri.isEmpty())
        databasesOfFolders().remove(QDir::cleanPath(programFolder));
    else
        databasesOfFolders().insert(QDir::cleanPath(programFolder), uri);
}

QString databaseOf(const QString& programFolder) {
    return databasesOfFolders().value(QDir::cleanPath(programFolder));
}

} // namespace TestServer
