#include "district_files.h"
#include "meet_fixture.h"
#include "program_run.h"
#include "test_main.h"
#include "test_server.h"

#include "database/district_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class ExchangeCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void exportAndImportFromTheCommandLine();
    void damagedDistrictFilesNeverCrashTheReader();
    void lostConnectionFailsTheCommand();
};

// The headless commands run the windows' code: an import fills a new meet and counts the rows
// it wrote, an export of one division writes only its teams, and refusals get their status.
void ExchangeCommandsTest::exportAndImportFromTheCommandLine() {
    QTemporaryDir program;
    QTemporaryDir files;
    // Riders of a team the file does not have would be counted and never written.
    const QString orphans = writeDistrictFile(files.path(), "District8-2006.MDB", [](const QSqlDatabase& db) {
        Sql::exec(db, "UPDATE tblperson SET teamcode = 3 WHERE teamcode = 2");
    });
    RunOutcome run = runCorravin(program.path(), {"import", orphans});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err.trimmed().section('\n', -1),
             QString("The file District8-2006.MDB cannot be imported: in row 3 of the table TblPerson the field "
                     "TeamCode names no team of the file."));
    // A district's lower-case division is stored as the meet writes it.
    const QString district = writeDistrictFile(files.path(), "District7-2006.MDB", [](const QSqlDatabase& db) {
        Sql::exec(db, "UPDATE TblTeam SET Division = 'a' WHERE TeamName = 'Owls'");
    });
    run = runCorravin(program.path(), {"import", district});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains("Data Import Successful: 2 teams, 1 coaches, 3 riders"), qPrintable(run.out));

    const QString out = files.filePath("a");
    const QString outB = files.filePath("b");
    QDir().mkpath(out);
    QDir().mkpath(outB);
    // Without a region letter the file would have no region in its name.
    run = runCorravin(program.path(), {"export", "--folder", out, "--division", "a"});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("Nothing was exported: no region letter is set"), qPrintable(run.err));
    QVERIFY(QDir(out).entryList(QDir::Files).isEmpty());
    run = runCorravin(program.path(), {"export", "--folder", out, "--division", "a"}, "C");
    QCOMPARE(run.status, 0);
    QVERIFY2(!run.err.contains("still in use"), qPrintable(run.err)); // the file was closed whole
    QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{"RegionC-2006.mdb"});
    DbConnection file;
    file.open(QDir(out).filePath("RegionC-2006.mdb"), DbConnection::Mode::ReadOnly);
    QCOMPARE(Sql::scalar(file.db(), "SELECT group_concat(TeamName || Division) FROM TblTeam").toString(),
             QString("OwlsA"));
    QCOMPARE(Sql::scalar(file.db(), "SELECT group_concat(RiderNumber) FROM TblPerson").toString(), QString("12"));
    file.close();
    // Hawks' two riders numbered 7 cannot both go into an export file: nothing is written.
    run = runCorravin(program.path(), {"export", "--folder", outB, "--division", "B"}, "C");
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("has the rider number 7, which another exported rider has"), qPrintable(run.err));
    QVERIFY(QDir(outB).entryList(QDir::Files).isEmpty());
    run = runCorravin(program.path(), {"export", "--folder", outB, "--division", "a", "--team", "hawks"}, "C");
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("There is no team named hawks in the A Division."), qPrintable(run.err));
    QVERIFY(QDir(outB).entryList(QDir::Files).isEmpty());

    run = runCorravin(program.path(), {"export", "--folder", out, "--team", "owls"}, "C");
    QCOMPARE(run.status, 1); // the file is there and a headless run answers the overwrite question No
    QVERIFY(run.err.contains("Would you like to overwrite it?"));
    run = runCorravin(program.path(), {"import", files.filePath("missing.mdb")});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains("cannot be imported"));
}

// Hundreds of damaged copies of a district file (cut short, bytes flipped): each is either
// read whole and sound or refused with a reason; none crashes or hangs the reader.
void ExchangeCommandsTest::damagedDistrictFilesNeverCrashTheReader() {
    QTemporaryDir files;
    const QString sound = writeDistrictFile(files.path(), "District1-2006.MDB");
    QFile original(sound);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    QRandomGenerator random(2006);
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        QByteArray damaged = bytes;
        if (i % 3 == 0)
            damaged.truncate(random.bounded(bytes.size()));
        else
            for (int flips = 1 + i % 7; flips > 0; --flips)
                damaged[random.bounded(damaged.size())] = char(random.bounded(256));
        const QString path = files.filePath(QString("District%1-2006.MDB").arg(i));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
        file.close();
        const DistrictFile::Read read = DistrictFile::read(path, QString());
        if (!read.problem.isEmpty()) {
            ++refused;
            QVERIFY2(read.problem.startsWith(QString("The file District%1-2006.MDB cannot be imported: ").arg(i)),
                     qPrintable(read.problem));
            QVERIFY(read.content.teams.isEmpty() && read.content.riders.isEmpty());
        }
    }
    QVERIFY(refused > 100);
}

// An import whose server session ends while it waits to write says so on standard error and
// fails, having written nothing.
void ExchangeCommandsTest::lostConnectionFailsTheCommand() {
    SKIP_ON_FILES("a meet file has no connection to lose");
    MeetFixture meet;
    QTemporaryDir files;
    const QString district = writeDistrictFile(files.path(), "District7-2006.MDB");
    DbConnection watcher;
    watcher.open(meet.state->meetLocation());
    // Reads go on (the start-up checks); the import's first insert waits.
    QSqlDatabase holder = meet.db();
    QVERIFY(holder.transaction());
    Sql::execDirect(holder, "LOCK TABLE TblTeam IN EXCLUSIVE MODE");
    CorravinRun run(meet.programFolder(), {"import", district});
    QVariant waiting;
    QElapsedTimer waited;
    waited.start();
    while (!waiting.isValid() && !waited.hasExpired(30000)) {
        QThread::msleep(20);
        waiting = Sql::scalar(watcher.db(), "SELECT pid FROM pg_stat_activity WHERE datname = current_database() "
                                            "AND wait_event_type = 'Lock' AND wait_event = 'relation'");
    }
    QVERIFY(waiting.isValid());
    Sql::exec(watcher.db(), "SELECT pg_terminate_backend(?)", {waiting});
    const RunOutcome outcome = run.finish();
    holder.rollback();
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err.trimmed().section('\n', -1),
             QString("The connection to the meet server was lost; your change was not saved."));
    QCOMPARE(meet.count("TblTeam"), 0);
}

CORRAVIN_TEST(ExchangeCommandsTest)
#include "exchange_commands_test.moc"
