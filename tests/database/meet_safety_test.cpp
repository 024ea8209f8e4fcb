#include "database/checked_file_writer.h"
#include "database/db_exception.h"
#include "database/engine_work_limit.h"
#include "database/meet_file_check.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "file_digest.h"
#include "meet_fixture.h"
#include "test_server.h"
#include "ui/meet_creation.h"
#include "test_main.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char* WriterRole = "CORRAVIN_TEST_INTERRUPTED_WRITER";
constexpr int RowsBefore = 3;

// Started as a child with WriterRole set, this binary becomes a writer that is killed in the
// middle of a transaction: it changes every team and adds thousands more, with so small a
// cache that changed pages reach the file before any commit, says "ready" and waits.
[[maybe_unused]] const bool interruptedWriterRole = [] {
    const QString path = qEnvironmentVariable(WriterRole);
    if (path.isEmpty())
        return false;
    int argc = 1;
    char name[] = "interrupted-writer";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    DbConnection connection;
    connection.open(path);
    const QSqlDatabase db = connection.db();
    Sql::exec(db, "PRAGMA cache_size = 10");
    Sql::exec(db, "BEGIN");
    Sql::exec(db, "UPDATE TblTeam SET TeamName = 'Half written'");
    for (int i = 0; i < 3000; ++i)
        Sql::exec(db, "INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, 'A', '1')",
                  {QString("Team %1 of an interrupted import").arg(i)});
    std::printf("ready\n");
    std::fflush(stdout);
    QThread::sleep(120);
    std::_Exit(0);
}();

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Copies a database file and, when it has one, the journal of its interrupted write.
bool copyWithJournal(const QString& from, const QString& to) {
    return QFile::copy(from, to) && (!QFile::exists(from + "-journal") || QFile::copy(from + "-journal", to + "-journal"));
}

// Puts the meet database (and its journal) on a disk that cannot be written, as the user running the test
// feels it: file modes do not stop root, so root gets a read-only mount instead.
bool moveOntoReadOnlyDisk(MeetFixture& meet, const QString& mountPoint, QString& path) {
    meet.state->MeetDb.close();
    QDir().mkpath(mountPoint);
    path = QDir(mountPoint).filePath("QARNReduzuduv2006.mdb");
#ifdef Q_OS_UNIX
    if (::geteuid() == 0) {
        if (!run("mount", {"-t", "tmpfs", "-o", "size=4m", "tmpfs", mountPoint}))
            return false;
        return copyWithJournal(meet.databasePath(), path) && run("mount", {"-o", "remount,ro", mountPoint});
    }
#endif
    return copyWithJournal(meet.databasePath(), path) && QFile::setPermissions(path, QFile::ReadOwner) &&
           QFile::setPermissions(mountPoint, QFile::ReadOwner | QFile::ExeOwner);
}

// Undoes whatever part of moveOntoReadOnlyDisk was done, so the temporary folder can go.
void leaveReadOnlyDisk(const QString& mountPoint) {
#ifdef Q_OS_UNIX
    if (::geteuid() == 0) {
        run("umount", {mountPoint});
        return;
    }
#endif
    QFile::setPermissions(mountPoint, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A folder under `base` in which the meet database's full path is `length` bytes long.
QString folderForMeetPathOf(const QString& base, qsizetype length) {
    QString folder = QFileInfo(base).canonicalFilePath();
    const qsizetype name = QString("/QARNReduzuduv2006.mdb").size();
    while (length - folder.size() - name > 201)
        folder += '/' + QString(200, 'd');
    return folder + '/' + QString(length - folder.size() - name - 1, 'e');
}

} // namespace

class MeetSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SKIP_ON_SERVER("journals, damaged files, read-only disks and files from outside"); }
    void startUpCheckNamesEachFault_data();
    void startUpCheckNamesEachFault();
    void interruptedWriteIsRecoveredAsBeforeIt();
    void readErrorAfterTheFirstRowIsAnError();
    void journalOfAMovedMeetDatabaseBlocksANewOne();
    void folderPathTooLongForTheEngineIsCalledSo();
    void failedWriteKeepsTheOldFileWhole();
    void workOnAFileFromOutsideIsBounded_data();
    void workOnAFileFromOutsideIsBounded();
};

void MeetSafetyTest::startUpCheckNamesEachFault_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("told"); // part of the message
    using K = MeetFileVerdict::Kind;
    QTest::newRow("sound") << "sound" << int(K::Usable) << "";
    QTest::newRow("locked by another connection") << "locked" << int(K::Locked) << "is in use by another program";
    QTest::newRow("read-only disk") << "read-only" << int(K::ReadOnly) << "cannot be written";
    QTest::newRow("text file") << "text" << int(K::Unusable) << "file is not a database";
    QTest::newRow("database without the meet's tables")
        << "empty" << int(K::Unusable) << "the table TblClass is missing";
    QTest::newRow("table lacking a field")
        << "field" << int(K::Unusable) << "the field RiderNumber of the table TblPerson is missing";
    QTest::newRow("column of another type")
        << "type" << int(K::Unusable)
        << "the field RiderNumber of the table TblPerson is of type INTEGER instead of TEXT";
    QTest::newRow("folder at the path") << "folder" << int(K::NotAFile) << "is taken by a folder";
#ifdef Q_OS_UNIX
    QTest::newRow("named pipe at the path") << "pipe" << int(K::NotAFile) << "is taken by a special file";
#endif
    QTest::newRow("damaged file with its journal")
        << "journal" << int(K::Unusable) << "Move the file away together with ";
}

void MeetSafetyTest::startUpCheckNamesEachFault() {
    QFETCH(QString, fault);
    QFETCH(int, kind);
    QFETCH(QString, told);
    MeetFixture meet;
    QString path = meet.databasePath();
    const QString mountPoint = meet.programFolder() + "/readonly";
    // Runs however the test ends: a mount left behind would outlive the test.
    const auto leaveDisk = qScopeGuard([&] {
        if (fault == "read-only")
            leaveReadOnlyDisk(mountPoint);
    });
    DbConnection holder;
    if (fault == "locked") {
        holder.open(path);
        Sql::exec(holder.db(), "BEGIN EXCLUSIVE");
    } else if (fault == "read-only") {
        if (!moveOntoReadOnlyDisk(meet, mountPoint, path))
            QSKIP("no read-only disk can be made here");
    } else if (fault == "text" || fault == "empty") {
        meet.state->MeetDb.close();
        QVERIFY(QFile::remove(path));
        if (fault == "text") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        } else {
            DbConnection other;
            other.open(path);
            Sql::exec(other.db(), "CREATE TABLE Other (x INTEGER)");
        }
    } else if (fault == "field") {
        meet.exec("ALTER TABLE TblPerson DROP COLUMN RiderNumber");
    } else if (fault == "type") {
        meet.exec("ALTER TABLE TblPerson RENAME COLUMN RiderNumber TO OldNumber");
        meet.exec("ALTER TABLE TblPerson ADD COLUMN RiderNumber INTEGER");
    } else if (fault == "journal") {
        QFile file(path + "-journal");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("journal");
        file.close();
        meet.state->MeetDb.close();
        QVERIFY(QFile::remove(path));
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
    } else if (fault == "folder" || fault == "pipe") {
        meet.state->MeetDb.close();
        QVERIFY(QFile::remove(path));
#ifdef Q_OS_UNIX
        QVERIFY(fault == "folder" ? QDir().mkdir(path) : ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#endif
    }
    meet.state->MeetDb.close();
    const QByteArray before = digest(path);

    QElapsedTimer waited;
    waited.start();
    const MeetFileVerdict verdict = MeetFileCheck::examine(path, MeetFileCheck::Use::ReadWrite, 300);
    QVERIFY2(waited.elapsed() < 3000, "the check must not hang");
    QCOMPARE(int(verdict.kind), kind);
    QVERIFY2(verdict.message.contains(told), qPrintable(verdict.message));
    if (!told.isEmpty())
        QVERIFY2(verdict.message.contains(QDir::toNativeSeparators(path)), qPrintable(verdict.message));
    if (kind == int(MeetFileVerdict::Kind::Unusable))
        QVERIFY2(verdict.message.startsWith("The file " + QDir::toNativeSeparators(path) +
                                            " is not a usable meet database: "),
                 qPrintable(verdict.message));
    // Only a file that is really not a meet database is said to be one worth moving away.
    QCOMPARE(verdict.message.contains("Move "),
             kind == int(MeetFileVerdict::Kind::NotAFile) || kind == int(MeetFileVerdict::Kind::Unusable));
    if (fault == "journal")
        QVERIFY(verdict.message.contains(QDir::toNativeSeparators(path + "-journal")));
    QCOMPARE(digest(path), before);
}

void MeetSafetyTest::interruptedWriteIsRecoveredAsBeforeIt() {
    MeetFixture meet;
    for (int i = 0; i < RowsBefore; ++i)
        meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'B')", {QString("Team %1").arg(i)});
    const QString path = meet.databasePath();
    meet.state->MeetDb.close();
    const QByteArray before = digest(path);

    QProcess writer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(WriterRole, path);
    writer.setProcessEnvironment(environment);
    writer.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(writer.waitForReadyRead(30000));
    QCOMPARE(writer.readAll().trimmed(), QByteArray("ready"));
    writer.kill();
    QVERIFY(writer.waitForFinished(10000));
    // What a crash leaves: a journal, and a file that holds half the transaction.
    QVERIFY(QFile::exists(path + "-journal"));
    QVERIFY(digest(path) != before);

    // On a disk that cannot be written the write cannot be finished, and the check says so
    // rather than calling the file damaged.
    const QString mountPoint = meet.programFolder() + "/readonly";
    const auto leaveDisk = qScopeGuard([&] { leaveReadOnlyDisk(mountPoint); });
    QString readOnlyPath;
    if (moveOntoReadOnlyDisk(meet, mountPoint, readOnlyPath)) {
        const MeetFileVerdict stuck = MeetFileCheck::examine(readOnlyPath, MeetFileCheck::Use::ReadOnly);
        QCOMPARE(int(stuck.kind), int(MeetFileVerdict::Kind::ReadOnly));
        QVERIFY2(stuck.message.contains("a write that was interrupted"), qPrintable(stuck.message));
    }

    const MeetFileVerdict verdict = MeetFileCheck::examine(path, MeetFileCheck::Use::ReadWrite);
    QVERIFY2(verdict.usable(), qPrintable(verdict.message));
    QVERIFY(!QFile::exists(path + "-journal"));
    meet.state->MeetDb.open(path);
    QCOMPARE(meet.count("TblTeam"), RowsBefore);
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName LIKE 'Team _'").toInt(), RowsBefore);
}

void MeetSafetyTest::readErrorAfterTheFirstRowIsAnError() {
    MeetFixture meet(false);
    const QString path = meet.programFolder() + "/rows.db";
    {
        DbConnection connection;
        connection.open(path);
        Sql::exec(connection.db(), "CREATE TABLE Numbers (Text TEXT)");
        TransactionGuard transaction(connection.db());
        Sql::execEach(connection.db(), "INSERT INTO Numbers (Text) VALUES (?)",
                      QList<QVariantList>(200, QVariantList{QString(400, 'n')}));
        transaction.commit();
    }
    // Zeros over the last page, the last leaf of the table: the engine reads the first
    // rows and fails when the scan gets there.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(file.size() - 4096));
    file.write(QByteArray(4096, '\0'));
    file.close();

    DbConnection connection;
    connection.open(path);
    int read = 0;
    try {
        CheckedQuery rows = Sql::exec(connection.db(), "SELECT Text FROM Numbers");
        while (rows.next())
            ++read;
        QFAIL("the rows ran out without an error");
    } catch (const DbException& error) {
        QVERIFY2(error.engineText().contains("malformed"), qPrintable(error.engineText()));
    }
    QVERIFY(read > 0);
    QVERIFY_THROWS_EXCEPTION(DbException, Sql::rows(connection.db(), "SELECT Text FROM Numbers"));
}

void MeetSafetyTest::journalOfAMovedMeetDatabaseBlocksANewOne() {
    MeetFixture meet(false);
    QFile journal(meet.databasePath() + "-journal");
    QVERIFY(journal.open(QIODevice::WriteOnly));
    journal.write(QByteArray(512, 'j'));
    journal.close();
    try {
        MeetCreation::build(meet.programFolder(), meet.databasePath());
        QFAIL("a new meet database was built beside a journal that is not its own");
    } catch (const std::runtime_error& error) {
        QVERIFY2(QString(error.what()).contains(QDir::toNativeSeparators(journal.fileName())), error.what());
    }
    QCOMPARE(QDir(meet.programFolder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"QARNReduzuduv2006.mdb-journal"});
}

void MeetSafetyTest::folderPathTooLongForTheEngineIsCalledSo() {
    MeetFixture meet;
    meet.state->MeetDb.close();
    const QString tooLong = folderForMeetPathOf(meet.programFolder(), 530);
    QVERIFY(QDir().mkpath(tooLong));
    try {
        MeetCreation::build(tooLong, tooLong + "/QARNReduzuduv2006.mdb");
        QFAIL("a meet database was created where the engine cannot open it");
    } catch (const std::runtime_error& error) {
        QVERIFY2(QString(error.what()).contains("the path of its folder is too long"), error.what());
    }
    QCOMPARE(QDir(tooLong).entryList(QDir::Files | QDir::Hidden), QStringList());

    // Around the engine's limit, the check calls too long exactly the paths the engine refuses.
    for (qsizetype length = 498; length <= 512; ++length) {
        const QString path = folderForMeetPathOf(meet.programFolder(), length) + "/QARNReduzuduv2006.mdb";
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && QFile::copy(meet.databasePath(), path));
        bool engineOpens = true;
        try {
            DbConnection().open(path);
        } catch (const DbException&) {
            engineOpens = false;
        }
        const QByteArray before = digest(path);
        const MeetFileVerdict verdict = MeetFileCheck::examine(path, MeetFileCheck::Use::ReadWrite);
        QCOMPARE(int(verdict.kind),
                 int(engineOpens ? MeetFileVerdict::Kind::Usable : MeetFileVerdict::Kind::PathTooLong));
        QCOMPARE(verdict.message.startsWith("The meet database " + QDir::toNativeSeparators(path) +
                                            " cannot be opened: the path of its folder is too long"),
                 !engineOpens);
        QCOMPARE(digest(path), before);
    }
}

void MeetSafetyTest::failedWriteKeepsTheOldFileWhole() {
    QTemporaryDir folder;
    const QString path = folder.filePath("standings.csv");
    const QByteArray old(875, 'o');
    QVERIFY(!CheckedFileWriter::write(path, old));
    const QStringList alone{"standings.csv"};

    // The disk fails each step in turn: every write of a part, the flush, the sync, the rename.
    const QByteArray fresh(200 * 1024, 'n');
    int failures = 0;
    for (;; ++failures) {
        CheckedFileWriter::simulateFailureAt(failures);
        const QString error = CheckedFileWriter::write(path, fresh).why();
        CheckedFileWriter::simulateFailureAt(-1);
        if (error.isEmpty())
            break;
        QCOMPARE(error, QString("Input/output error"));
        QCOMPARE(digest(path), QCryptographicHash::hash(old, QCryptographicHash::Sha256));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), alone);
    }
    QVERIFY2(failures >= 6, "a file in several parts is written, flushed and synced step by step");
    QCOMPARE(digest(path), QCryptographicHash::hash(fresh, QCryptographicHash::Sha256));

#ifdef Q_OS_UNIX
    // A real full disk, which refuses the bytes only when they are flushed from a buffer.
    if (::geteuid() != 0)
        return;
    const QString disk = folder.filePath("disk");
    QVERIFY(QDir().mkpath(disk));
    if (!run("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}))
        return;
    const auto unmount = qScopeGuard([&] { run("umount", {disk}); });
    const QString small = disk + "/standings.csv";
    QVERIFY(!CheckedFileWriter::write(small, old));
    QFile filler(disk + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    filler.close();
    QVERIFY2(CheckedFileWriter::write(small, QByteArray(1000, 'n')).why().contains("No space left on device"),
             "a full disk is a failure");
    QCOMPARE(digest(small), QCryptographicHash::hash(old, QCryptographicHash::Sha256));
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden), QStringList({"filler", "standings.csv"}));
#endif
}

void MeetSafetyTest::workOnAFileFromOutsideIsBounded_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("why"); // empty: stopped by the engine itself
    QTest::addColumn<QString>("words");
    const QString endless = "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) ";
    QTest::newRow("memory") << endless + "SELECT x FROM n ORDER BY -x"
                            << "reading it needed more than 16 MB of memory"
                            << "interrupted";
    QTest::newRow("time") << endless + "SELECT count(*) FROM n"
                          << "reading it took more than 2 seconds"
                          << "interrupted";
    QTest::newRow("value length") << "SELECT zeroblob(2000000)"
                                  << ""
                                  << "it holds a value far longer than any field takes";
}

// Each bound stops a statement that would otherwise run without end, within seconds.
void MeetSafetyTest::workOnAFileFromOutsideIsBounded() {
    QFETCH(QString, query);
    QFETCH(QString, why);
    QFETCH(QString, words);
    MeetFixture meet(false);
    DbConnection connection;
    connection.open(meet.programFolder() + "/outside.db", DbConnection::Mode::ReadWrite);
    EngineWorkLimit limit(connection.db(), 2, 16);
    QElapsedTimer clock;
    clock.start();
    try {
        Sql::scalar(connection.db(), query);
        QFAIL("the statement ran to its end");
    } catch (const DbException& error) {
        QVERIFY2(error.fileProblem().startsWith(words), qPrintable(error.fileProblem()));
    }
    QCOMPARE(limit.exceeded(), why);
    QVERIFY(clock.elapsed() < 20000);
}

CORRAVIN_TEST(MeetSafetyTest)
#include "meet_safety_test.moc"
