#include "database/server_restore.h"

#include "database/cls_db_manager.h"
#include "database/db_connection.h"
#include "database/db_exception.h"
#include "database/meet_backup.h"
#include "database/meet_file_check.h"
#include "database/meet_rows.h"
#include "database/meet_server_check.h"
#include "database/sql.h"
#include "database/transaction_guard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <stdexcept>

namespace ServerRestore {

namespace {

// Other sessions of programs on the same database; the server's own workers do not count.
int otherConnections(const QSqlDatabase& db) {
    return Sql::scalar(db, QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = current_database() "
                                          "AND pid <> pg_backend_pid() AND backend_type = 'client backend'"))
        .toInt();
}

// A connection just closed leaves the server a moment later. Each count runs in a statement of
// its own, so it sees the server as it is then.
int otherConnectionsOnceClosed(const QSqlDatabase& db) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int others = otherConnections(db);
        if (others == 0 || waited.elapsed() >= ClosingWaitMs)
            return others;
        QThread::msleep(50);
    }
}

QString connectedProblem(int others, const MeetLocation& server) {
    return QStringLiteral("%1 open on the %2 (Corravin on another station, or another program). Close %3 first, "
                          "then restore again")
        .arg(others == 1 ? QStringLiteral("another connection is")
                         : QStringLiteral("%1 other connections are").arg(others),
             server.description(), others == 1 ? QStringLiteral("it") : QStringLiteral("them"));
}

} // namespace

QString restore(const QString& backupFile, const MeetLocation& server, const QString& meetDbPath) {
    auto refuse = [&](const QString& why) {
        return std::runtime_error(
            QStringLiteral("%1 was not restored: %2").arg(QDir::toNativeSeparators(backupFile), why).toStdString());
    };
    // The whole file is read before the server is touched: a file that cannot be read changes nothing.
    const MeetFileVerdict verdict = MeetFileCheck::examine(backupFile, MeetFileCheck::Use::ReadOnly);
    if (!verdict.usable())
        throw refuse(QStringLiteral("it is not a healthy meet database (%1)").arg(verdict.reason));
    MeetRows::Content content;
    try {
        DbConnection file;
        file.open(backupFile, DbConnection::Mode::ReadOnly);
        content = MeetRows::read(file.db());
    } catch (const DbException& error) {
        throw refuse(QStringLiteral("it could not be read (%1)").arg(error.fileProblem()));
    }

    try {
        DbConnection meet;
        meet.open(server);
        const QSqlDatabase db = meet.db();
        if (const int others = otherConnectionsOnceClosed(db))
            throw refuse(connectedProblem(others, server));
        QString kept;
        if (MeetServerCheck::holdsTables(db)) {
            if (const QString problem = MeetServerCheck::schemaProblem(db); !problem.isEmpty())
                throw refuse(QStringLiteral("the %1 holds tables, but not those of a meet (%2)")
                                 .arg(server.description(), problem));
            if (MeetRows::holdsEntries(db))
                kept = MeetBackup::make(meet, QStringLiteral("before-restore"), meetDbPath);
        }
        TransactionGuard transaction(db);
        // Under the write lock no station's save gets in; one that connected meanwhile is refused.
        if (const int others = otherConnections(db))
            throw refuse(connectedProblem(others, server));
        if (!Cls_Db_Manager::Build_Server_Tables(db))
            MeetRows::clear(db);
        MeetRows::write(db, content);
        transaction.commit();
        return kept;
    } catch (const DbException& error) {
        throw refuse(error.engineText());
    }
}

} // namespace ServerRestore
