#include "meet_fixture.h"

#include "database/meet_schema.h"
#include "database/meet_server_check.h"
#include "database/sql.h"
#include "file_digest.h"
#include "reports/report_data_source.h"
#include "test_server.h"
#include "ui/meet_creation.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <stdexcept>

void useTemporarySettings(const QString& folder) {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

MeetFixture::MeetFixture(bool createDatabase) : state(std::make_unique<RunState>(messages, dialogs)) {
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder");
    useTemporarySettings(m_folder.filePath(QStringLiteral("settings")));
    state->ScreenWidth = 12000;
    state->ScreenHeight = 9000;
    state->ProgramFolder = m_folder.path();
    if (TestServer::inUse()) {
        state->MeetServer = TestServer::createDatabase(createDatabase);
        TestServer::setDatabaseOf(programFolder(), state->MeetServer);
    }
    if (createDatabase) {
        const MeetLocation location = state->meetLocation();
        MeetCreation::build(state->ProgramFolder, location);
        state->MeetDb.open(location);
        ReportDataSource::of(*state).setDatabasePath(location.text());
    }
}

// Every test that shows messages is held to its script, whether or not it checks it itself:
// a question nobody expected, or an answer nobody took, fails the test that left it.
MeetFixture::~MeetFixture() {
    state->MeetDb.close();
    if (TestServer::inUse()) {
        state->QARNConnection.reset(); // its connection goes with it
        TestServer::setDatabaseOf(programFolder(), {});
        TestServer::dropDatabase(state->MeetServer);
    }
    const QString problems = messages.problems();
    if (!problems.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("unchecked messages: ") + problems), __FILE__, __LINE__);
}

void MeetFixture::exec(const QString& statement, const QVariantList& values) const {
    Sql::exec(db(), statement, values);
}

QVariant MeetFixture::scalar(const QString& statement, const QVariantList& values) const {
    return Sql::scalar(db(), statement, values);
}

QStringList MeetFixture::column(const QString& statement, const QVariantList& values) const {
    QStringList all;
    auto query = Sql::exec(db(), statement, values);
    while (query.next())
        all << query.value(0).toString();
    return all;
}

bool MeetFixture::meetExists() const {
    if (!onServer())
        return QFile::exists(databasePath());
    DbConnection connection;
    connection.open(state->meetLocation(), DbConnection::Mode::ReadOnly);
    return MeetServerCheck::holdsTables(connection.db());
}

QByteArray MeetFixture::contentDigest() const {
    if (!onServer()) {
        state->MeetDb.close();
        const QByteArray bytes = digest(databasePath());
        state->MeetDb.open(databasePath());
        return bytes;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const MeetSchema::Table& table : MeetSchema::tables()) {
        QStringList columns;
        for (qsizetype i = 1; i <= table.fields.size(); ++i)
            columns << QString::number(i);
        // Names come from the schema, never from input.
        for (const QVariantMap& row :
             Sql::rows(db(), QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table.name, columns.join(u','))))
            for (const QVariant& value : row)
                hash.addData(value.toString().toUtf8() + '\x1f');
        hash.addData(QByteArrayView("\x1e"));
    }
    return hash.result();
}

void MeetFixture::refuseInserts(const QString& table, const QString& condition) const {
    // Table and condition come from the tests themselves, never from input.
    if (!onServer()) {
        exec(QStringLiteral(
                 "CREATE TRIGGER refuse BEFORE INSERT ON %1 %2 BEGIN SELECT RAISE(ABORT, 'disk is full'); END")
                 .arg(table, condition.isEmpty() ? QString() : QStringLiteral("WHEN ") + condition));
        return;
    }
    Sql::execDirect(db(), QStringLiteral("CREATE OR REPLACE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS "
                                         "$$ BEGIN RAISE EXCEPTION 'disk is full'; END $$"));
    Sql::execDirect(
        db(), QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 FOR EACH ROW %2 EXECUTE FUNCTION refuse()")
                  .arg(table, condition.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(condition)));
}

bool MeetFixture::endServerSession() const {
    const QVariant pid = scalar(QStringLiteral("SELECT pg_backend_pid()"));
    DbConnection other;
    other.open(state->meetLocation());
    Sql::exec(other.db(), QStringLiteral("SELECT pg_terminate_backend(?)"), {pid});
    auto alive = [&] {
        return Sql::scalar(other.db(), QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE pid = ?"), {pid})
                   .toInt() > 0;
    };
    QElapsedTimer waited;
    waited.start();
    while (alive()) {
        if (waited.hasExpired(10000))
            return false;
        QThread::msleep(10);
    }
    return true;
}

int MeetFixture::count(const QString& table) const {
    // Table names come from the tests themselves, never from input.
    return Sql::scalar(db(), QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
}

OtherStation::OtherStation(const MeetFixture& meet, int lockWaitMs) : state(messages, dialogs) {
    state.ScreenWidth = meet.state->ScreenWidth;
    state.ScreenHeight = meet.state->ScreenHeight;
    state.CurrentRegion = meet.state->CurrentRegion;
    state.ProgramFolder = meet.state->ProgramFolder;
    // The same meet, wherever it lives: on a server run the file path names no meet at all.
    state.MeetServer = meet.state->MeetServer;
    state.MeetDb.open(meet.state->meetLocation(), DbConnection::Mode::ReadWrite, lockWaitMs);
}

OtherStation::~OtherStation() {
    state.MeetDb.close();
    const QString problems = messages.problems();
    if (!problems.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("unchecked messages of the other station: ") + problems), __FILE__,
                     __LINE__);
}
