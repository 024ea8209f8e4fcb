#include "database/checked_file_writer.h"
#include "database/class_data.h"
#include "database/cls_db_manager.h"
#include "database/file_lock.h"
#include "database/meet_backup.h"
#include "database/meet_file_check.h"
#include "database/meet_locks.h"
#include "database/meet_schema.h"
#include "database/meet_server_check.h"
#include "database/sql.h"
#include "file_digest.h"
#include "meet_fixture.h"
#include "program_run.h"
#include "seed.h"
#include "startup/frm_main.h"
#include "startup/frm_settings.h"
#include "startup/region_settings.h"
#include "startup/sub_main.h"
#include "test_main.h"
#include "test_server.h"
#include "ui/meet_creation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTest>

namespace {

int teams(const QString& path) {
    DbConnection connection;
    connection.open(path, DbConnection::Mode::ReadOnly);
    return Sql::scalar(connection.db(), "SELECT count(*) FROM TblTeam").toInt();
}

// An empty file, last written `secondsAgo` seconds ago.
void makeFile(const QString& path, int secondsAgo = 0) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    if (secondsAgo > 0)
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

StartOptions windowedIn(const MeetFixture& meet) {
    return {meet.programFolder(), QSize(12000, 9000)};
}

// Every row of the nine tables as text, sorted: the meet as either engine holds it.
QStringList meetRows(const QSqlDatabase& db) {
    QStringList all;
    for (const MeetSchema::Table& table : MeetSchema::tables()) {
        CheckedQuery query = Sql::exec(db, "SELECT * FROM " + table.name);
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < table.fields.size(); ++i)
                values << query.value(i).toString();
            all << table.name + ": " + values.join('|');
        }
    }
    all.sort();
    return all;
}

QStringList meetRows(const QString& file) {
    DbConnection connection;
    connection.open(file, DbConnection::Mode::ReadOnly);
    return meetRows(connection.db());
}

// The definitions of a meet file's tables, as the engine keeps them.
QStringList schemaOf(const QString& file) {
    DbConnection connection;
    connection.open(file, DbConnection::Mode::ReadOnly);
    QStringList all;
    CheckedQuery query = Sql::exec(connection.db(), "SELECT sql FROM sqlite_master ORDER BY name");
    while (query.next())
        all << query.value(0).toString();
    return all;
}

// A new meet file, as start-up creates one (without label images).
QString newMeetFile(const QString& path) {
    Cls_Db_Manager(QFileInfo(path).path()).Build_Database(path, [](const QSqlDatabase&, const QString&) {});
    return path;
}

// A meet the secretary prepared on her laptop: every table holds a row, keys as her file gave them,
// and a team deleted after the last one was added, whose number is never to be given again.
void fillMeet(const QSqlDatabase& db) {
    for (const char* statement :
         {"INSERT INTO TblTeam (TeamName, Division, District) VALUES ('Oak Hill', 'A', '12')",
          "INSERT INTO TblTeam (TeamName, Division) VALUES ('Gone', 'B')",
          "DELETE FROM TblTeam WHERE TeamName = 'Gone'",
          "INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES ('Ann', 'Lee', 1, '101')",
          "INSERT INTO TblPerson (FirstName, LastName, TeamCode) VALUES ('Bo', 'Kim', 1)",
          "INSERT INTO TblCoach (FirstName, LastName, \"Primary\", Position, TeamCode) "
          "VALUES ('Cy', 'Fox', '555-0101', 'Head Coach', 1)",
          "INSERT INTO TblJudge (FirstName, LastName, Memo) VALUES ('Di', 'Ray', 'Two lines\nof memo')",
          "INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (17, 1)",
          "INSERT INTO TblPairing (RiderIndex, PartnerNumber, PartnerIndex, PartnerFirst, PartnerLast) "
          "VALUES (1, '102', 2, 'Bo', 'Kim')",
          "INSERT INTO TblClassJudges (JudgeID, ClassNumber, Division) VALUES (1, 17, 'A')",
          "INSERT INTO TblPlacing (ClassNumber, Place, RiderIndex, Points, Division, JudgeID) "
          "VALUES (17, 1, 1, 9.5, 'A', 1)"})
        Sql::exec(db, statement);
}

QString laptopMeet(const QString& folder) {
    const QString path = newMeetFile(folder + "/laptop.mdb");
    DbConnection file;
    file.open(path);
    fillMeet(file.db());
    return path;
}

// The key the next new team gets.
int nextTeamCode(const QSqlDatabase& db) {
    return Sql::insertReturningKey(db, "INSERT INTO TblTeam (TeamName, Division) VALUES ('Latecomer', 'D')", {},
                                   "TeamCode")
        .toInt();
}

} // namespace

class SafeStartTest : public QObject {
    Q_OBJECT
private slots:
    void fullDiskDuringCreationEndsTheStartAndLeavesNoFile();
    void twoFirstStartsAtOnceShareOneMeetDatabase();
    void lockedMeetDatabaseIsReportedAndLeftAlone();
    void pdfNeverReplacesAFileTheProgramKeeps_data();
    void pdfNeverReplacesAFileTheProgramKeeps();
    void backupsAtStartAndBeforeALineupSwitchKeepTheNewest20();
    void restorePutsABackupBackAndRefusesADamagedFile();
    void openWindowHoldsTheMeetAgainstASecondWindowAndARestore();
    void pruningKeepsTheNewBackupAndFilesNotNamedByTheProgram();
    void leftoversOfKilledRunsGoAtTheNextStart();
    void backupRestoresAsAFileMeetWithTheSameRows();
    void restoreMovesALaptopMeetInPlaceOfTheMeet_data();
    void restoreMovesALaptopMeetInPlaceOfTheMeet();
    void refusedServerRestoreChangesNothing_data();
    void refusedServerRestoreChangesNothing();
};

void SafeStartTest::fullDiskDuringCreationEndsTheStartAndLeavesNoFile() {
    MeetFixture meet(false);
    RegionSettings::write("B");
    CheckedFileWriter::simulateFullDiskAfter(50000); // a few of the 36 label images fit
    SubMain failing(*meet.state);
    const auto status = failing.Main({meet.programFolder(), QSize(12000, 9000)});
    CheckedFileWriter::simulateFullDiskAfter(-1);
    QCOMPARE(status, std::optional<int>(1));
    const QStringList shown = meet.messages.shown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains("could not be written: No space left on device"), qPrintable(shown.first()));
    meet.messages.reset();
    QCOMPARE(QDir(meet.programFolder()).entryList({"*.mdb*"}, QDir::Files | QDir::Hidden), QStringList());
    // The images that were written are whole; no empty or half-written file is left.
    const QFileInfoList images = QDir(meet.programFolder() + "/LabelFiles").entryInfoList(QDir::Files | QDir::Hidden);
    QVERIFY(!images.isEmpty() && images.size() < 36);
    for (const QFileInfo& image : images)
        QVERIFY2(image.suffix() == "bmp" && image.size() == images.first().size(), qPrintable(image.fileName()));

    SubMain next(*meet.state);
    QVERIFY(!next.Main({meet.programFolder(), QSize(12000, 9000)}));
    QCOMPARE(QDir(meet.programFolder() + "/LabelFiles").entryList(QDir::Files).size(), 36);
    VERIFY_MESSAGES(meet.messages);
}

void SafeStartTest::twoFirstStartsAtOnceShareOneMeetDatabase() {
    MeetFixture meet(false);
    CorravinRun first(meet.programFolder(), {"create-meet"});
    CorravinRun second(meet.programFolder(), {"create-meet"});
    const RunOutcome one = first.finish();
    const RunOutcome two = second.finish();
    QVERIFY2(one.status == 0 && two.status == 0, qPrintable(one.err + two.err));
    QCOMPARE(one.out, two.out);
    if (meet.onServer()) {
        // One of them built the meet, the other waited and found it: one class line-up, no file.
        QVERIFY(MeetServerCheck::examine(meet.state->meetLocation()).usable());
        meet.state->MeetDb.open(meet.state->meetLocation());
        QCOMPARE(meet.count("TblClass"), 17);
        QCOMPARE(QDir(meet.programFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        return;
    }
    QVERIFY(MeetFileCheck::examine(meet.databasePath(), MeetFileCheck::Use::ReadWrite).usable());
    QCOMPARE(QDir(meet.programFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"QARNReduzuduv2006.mdb"});
}

void SafeStartTest::lockedMeetDatabaseIsReportedAndLeftAlone() {
    SKIP_ON_SERVER("a file locked by another program");
    MeetFixture meet;
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Hill', 'A')");
    // Read before the lock: closing any handle on the file drops this process's locks on it.
    const QByteArray before = digest(meet.databasePath());
    meet.exec("BEGIN EXCLUSIVE");
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Pending', 'A')");
    const RunOutcome outcome = runCorravin(meet.programFolder(), {"create-meet"});
    QCOMPARE(outcome.status, 1);
    QVERIFY2(outcome.err.contains("The meet database " + QDir::toNativeSeparators(meet.databasePath()) +
                                  " is in use by another program") &&
                 !outcome.err.contains("Move"),
             qPrintable(outcome.err));
    meet.exec("ROLLBACK");
    QCOMPARE(digest(meet.databasePath()), before);
    QCOMPARE(meet.count("TblTeam"), 1);
}

void SafeStartTest::pdfNeverReplacesAFileTheProgramKeeps_data() {
    QTest::addColumn<QString>("target"); // relative to the program folder
    QTest::newRow("meet database") << "QARNReduzuduv2006.mdb";
    QTest::newRow("meet database in another case") << "qarnreduzuduv2006.MDB";
    QTest::newRow("its journal") << "QARNReduzuduv2006.mdb-journal";
    QTest::newRow("the lock a window holds") << "QARNReduzuduv2006.mdb.lock";
    QTest::newRow("through a link") << "link.pdf";
    QTest::newRow("through a link to its journal, not there") << "journal-link.pdf";
    QTest::newRow("label image") << "LabelFiles/formWfandS.bmp";
    QTest::newRow("backup") << "Backups/kept.mdb";
}

void SafeStartTest::pdfNeverReplacesAFileTheProgramKeeps() {
    QFETCH(QString, target);
    MeetFixture meet;
    QDir(meet.programFolder()).mkdir("Backups");
    QFile::link(meet.databasePath(), meet.programFolder() + "/link.pdf");
    QFile::link(meet.databasePath() + "-journal", meet.programFolder() + "/journal-link.pdf");
    const QString path = meet.programFolder() + "/" + target;
    const QByteArray before = digest(path);
    const QByteArray meetBefore = digest(meet.databasePath());
    const RunOutcome outcome = runCorravin(meet.programFolder(), {"print", "coach-list", "--pdf", path});
    QCOMPARE(outcome.status, 1);
    QVERIFY2(outcome.err.contains("The report was not written to"), qPrintable(outcome.err));
    QCOMPARE(digest(path), before);
    QCOMPARE(digest(meet.databasePath()), meetBefore);
}

void SafeStartTest::backupsAtStartAndBeforeALineupSwitchKeepTheNewest20() {
    SKIP_ON_SERVER("backups");
    MeetFixture meet;
    const QString folder = MeetBackup::folder(meet.databasePath());
    QVERIFY(QDir().mkpath(folder));
    for (int day = 1; day <= 25; ++day)
        QVERIFY(QFile::copy(
            meet.databasePath(),
            QString("%1/QARNReduzuduv2006-200101%2-120000-000-start.mdb").arg(folder).arg(day, 2, 10, QChar('0'))));
    QFile notes(folder + "/notes.txt");
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();
    meet.state->MeetDb.close();
    RegionSettings::write("C");

    SubMain subMain(*meet.state);
    QVERIFY(!subMain.Main({meet.programFolder(), QSize(12000, 9000)}));
    QStringList backups = MeetBackup::list(meet.databasePath());
    QCOMPARE(backups.size(), MeetBackup::Kept);
    QVERIFY(backups.first().endsWith("-20010107-120000-000-start.mdb"));
    QVERIFY(!backups.last().startsWith(folder + "/QARNReduzuduv2006-2001"));
    QVERIFY(QFile::exists(folder + "/notes.txt"));

    FrmMain* main = subMain.mainForm();
    main->LblSettings_Click();
    main->settingsWindow()->findChild<QComboBox*>("cbClassVersion")->setCurrentIndex(1);
    meet.messages.expectConfirm("These settings are vital to the programs operation and should not be changed once "
                                "information is entered into the program. Are you sure you want to continue?",
                                true);
    main->settingsWindow()->CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(ClassData::className(meet.db(), 2), QString("Hunt Seat Fitting & Showing"));
    backups = MeetBackup::list(meet.databasePath());
    QCOMPARE(backups.size(), MeetBackup::Kept);
    QVERIFY(backups.last().endsWith("-line-up.mdb"));
    DbConnection backup;
    backup.open(backups.last(), DbConnection::Mode::ReadOnly);
    QCOMPARE(ClassData::className(backup.db(), 2), QString("Saddle Seat Fitting and Showing"));
}

void SafeStartTest::restorePutsABackupBackAndRefusesADamagedFile() {
    SKIP_ON_SERVER("backups");
    MeetFixture meet;
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Hill', 'A')");
    meet.state->MeetDb.close();
    const RunOutcome backup = runCorravin(meet.programFolder(), {"backup"});
    QCOMPARE(backup.status, 0);
    QVERIFY2(backup.out.endsWith("-on-demand.mdb") && QFile::exists(backup.out), qPrintable(backup.err));

    meet.state->MeetDb.open(meet.databasePath());
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Later', 'A')");
    meet.state->MeetDb.close();
    const RunOutcome restored = runCorravin(meet.programFolder(), {"restore", backup.out});
    QCOMPARE(restored.status, 0);
    QCOMPARE(teams(meet.databasePath()), 1);
    const QStringList backups = MeetBackup::list(meet.databasePath());
    QVERIFY(backups.last().endsWith("-before-restore.mdb"));
    QVERIFY(restored.out.contains(QDir::toNativeSeparators(backups.last())));
    QCOMPARE(teams(backups.last()), 2);
    QVERIFY(MeetFileCheck::examine(meet.databasePath(), MeetFileCheck::Use::ReadWrite).usable());

    QFile damaged(meet.programFolder() + "/damaged.mdb");
    QVERIFY(QFile::copy(backup.out, damaged.fileName()));
    QVERIFY(damaged.open(QIODevice::ReadWrite));
    damaged.seek(4096); // the pages after the schema
    damaged.write(QByteArray(8192, '\x7f'));
    damaged.close();
    const QByteArray before = digest(meet.databasePath());
    const RunOutcome refused = runCorravin(meet.programFolder(), {"restore", damaged.fileName()});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains("is not a healthy meet database"), qPrintable(refused.err));
    QCOMPARE(digest(meet.databasePath()), before);
    QCOMPARE(MeetBackup::list(meet.databasePath()), backups);
}

void SafeStartTest::openWindowHoldsTheMeetAgainstASecondWindowAndARestore() {
    SKIP_ON_SERVER("the lock beside the file");
    MeetFixture meet;
    meet.state->MeetDb.close();
    RegionSettings::write("B");
    const QString path = meet.databasePath();
    const RunOutcome backup = runCorravin(meet.programFolder(), {"backup"});
    QCOMPARE(backup.status, 0);
    auto window = std::make_unique<SubMain>(*meet.state);
    QVERIFY(!window->Main(windowedIn(meet)));
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Hill', 'B')");
    const QStringList backups = MeetBackup::list(path);
    const QByteArray before = digest(path);

    RunState secondState(meet.messages, meet.dialogs);
    meet.messages.expectNotice("Corravin",
                               QString("The meet database %1 is open in another window of Corravin (process %2 on "
                                       "host %3).\n\nWork on in that window, or close it and start Corravin again.")
                                   .arg(QDir::toNativeSeparators(path))
                                   .arg(QCoreApplication::applicationPid())
                                   .arg(QSysInfo::machineHostName()),
                               Messages::Icon::Critical);
    SubMain second(secondState);
    QCOMPARE(second.Main(windowedIn(meet)), std::optional<int>(1));
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!second.mainForm() && !secondState.MeetDb.isOpen());

    const RunOutcome restore = runCorravin(meet.programFolder(), {"restore", backup.out});
    QCOMPARE(restore.status, 1);
    QVERIFY2(restore.err.contains("was not restored: the meet database is open in Corravin (process ") &&
                 restore.err.contains("Close the program first, then restore again."),
             qPrintable(restore.err));
    QCOMPARE(digest(path), before);
    QCOMPARE(MeetBackup::list(path), backups);
    QCOMPARE(runCorravin(meet.programFolder(), {"backup"}).status, 0); // reading goes on
    meet.exec("UPDATE TblTeam SET Division = 'C'");                    // and so do the window's saves

    // Closed, the window lets go; killed, it leaves a lock that the next start clears.
    window.reset();
    CorravinRun killed(meet.programFolder(), {});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(MeetLocks::hold(path)), 30000);
    killed.kill();
    QVERIFY(QFile::exists(MeetLocks::hold(path)));
    QVERIFY(!second.Main(windowedIn(meet)));
    VERIFY_MESSAGES(meet.messages);
}

void SafeStartTest::pruningKeepsTheNewBackupAndFilesNotNamedByTheProgram() {
    SKIP_ON_SERVER("backups");
    MeetFixture meet(false);
    const QString folder = MeetBackup::folder(meet.databasePath());
    const RunOutcome nothing = runCorravin(meet.programFolder(), {"backup"});
    QCOMPARE(nothing.status, 1);
    QVERIFY2(nothing.err.contains("No backup was made: there is no meet database " +
                                  QDir::toNativeSeparators(meet.databasePath())),
             qPrintable(nothing.err));
    QVERIFY(!QFile::exists(meet.databasePath()) && !QFile::exists(folder));

    MeetCreation::build(meet.programFolder(), meet.databasePath());
    QVERIFY(QDir().mkpath(folder));
    // Backups from a PC whose clock runs years ahead, and copies kept by hand.
    for (int second = 0; second < MeetBackup::Kept + 5; ++second)
        makeFile(
            QString("%1/QARNReduzuduv2006-20990101-1200%2-000-start.mdb").arg(folder).arg(second, 2, 10, QChar('0')));
    const QStringList byHand = {
        "QARNReduzuduv2006-20000101-120000-000-MyCopy.mdb", "QARNReduzuduv2006-20000101-120000-000-keep.mdb",
        "QARNReduzuduv2006-20000101-120000-000-Start.mdb", "qarnreduzuduv2006-20000101-120000-000-start.mdb"};
    for (const QString& name : byHand)
        makeFile(folder + "/" + name);

    const RunOutcome backup = runCorravin(meet.programFolder(), {"backup"});
    QCOMPARE(backup.status, 0);
    QVERIFY2(QFile::exists(backup.out), qPrintable(backup.out));
    QCOMPARE(MeetBackup::list(meet.databasePath()).size(), MeetBackup::Kept);
    const RunOutcome restored = runCorravin(meet.programFolder(), {"restore", backup.out});
    QCOMPARE(restored.status, 0);
    const QStringList kept = QDir(folder).entryList({"*-before-restore.mdb"});
    QCOMPARE(kept.size(), 1);
    QVERIFY2(restored.out.contains(QDir::toNativeSeparators(folder + "/" + kept.first())), qPrintable(restored.out));
    QCOMPARE(MeetBackup::list(meet.databasePath()).size(), MeetBackup::Kept);
    for (const QString& name : byHand)
        QVERIFY2(QFile::exists(folder + "/" + name), qPrintable(name));
}

void SafeStartTest::leftoversOfKilledRunsGoAtTheNextStart() {
    SKIP_ON_SERVER("files killed runs leave beside the meet file");
    MeetFixture meet(false);
    RegionSettings::write("B");
    const QString path = meet.databasePath();
    const QString folder = MeetBackup::folder(path);
    QVERIFY(QDir().mkpath(folder));
    const QString partial = folder + "/QARNReduzuduv2006-20240101-120000-000-start.mdb.partial-99999";
    const QStringList leftovers = {path + ".building-99999", path + ".restoring-99999",
                                   path + ".restoring-99999.partial-99999", partial};
    const QStringList others = {path + ".building-notes", folder + "/QARNReduzuduv2006-mine.mdb.partial-1"};
    for (const QString& file : leftovers + others)
        makeFile(file);
    // A start killed while it took a lock leaves the lock file empty.
    makeFile(MeetLocks::creation(path), 60);
    makeFile(MeetLocks::hold(path), 60);

    QElapsedTimer started;
    started.start();
    {
        SubMain subMain(*meet.state);
        QVERIFY(!subMain.Main(windowedIn(meet)));
    }
    QVERIFY2(started.elapsed() < 20000, qPrintable(QString::number(started.elapsed())));
    VERIFY_MESSAGES(meet.messages);
    for (const QString& file : leftovers + QStringList{MeetLocks::creation(path), MeetLocks::hold(path)})
        QVERIFY2(!QFile::exists(file), qPrintable(file));
    for (const QString& file : others)
        QVERIFY2(QFile::exists(file), qPrintable(file));

    // A backup still being made keeps its file.
    makeFile(partial);
    FileLock making(MeetLocks::backups(path));
    QVERIFY(making.take(0));
    QCOMPARE(runCorravin(meet.programFolder(), {"create-meet"}).status, 0);
    QVERIFY(QFile::exists(partial));
}

// A backup of a meet on a server is a meet file like any other: restored on a laptop, it is the same meet.
void SafeStartTest::backupRestoresAsAFileMeetWithTheSameRows() {
    MeetFixture meet;
    fillMeet(meet.db());
    const QStringList rows = meetRows(meet.db());
    const RunOutcome backup = runCorravin(meet.programFolder(), {"backup"});
    QCOMPARE(backup.status, 0);
    QCOMPARE(MeetBackup::list(meet.databasePath()), QStringList{backup.out});
    QVERIFY(backup.out.endsWith("-on-demand.mdb"));
    QTemporaryDir laptop;
    QCOMPARE(schemaOf(backup.out), schemaOf(newMeetFile(laptop.filePath("new.mdb"))));

    const RunOutcome restored = runCorravin(laptop.path(), {"restore", backup.out});
    QCOMPARE(restored.status, 0);
    DbConnection file;
    file.open(laptop.filePath(RunState::meetDatabaseFileName()));
    QCOMPARE(meetRows(file.db()), rows);
    QCOMPARE(nextTeamCode(file.db()), 3); // not 2, which the deleted team had
}

void SafeStartTest::restoreMovesALaptopMeetInPlaceOfTheMeet_data() {
    QTest::addColumn<bool>("meetThere");
    QTest::addColumn<bool>("withRows");
    QTest::newRow("into an empty database") << false << false;
    QTest::newRow("into a new meet") << true << false;
    QTest::newRow("over a meet with rows") << true << true;
}

// The secretary moves her meet from her laptop to the office: every row arrives with its keys, the
// numbers her file gave are never given again, and a meet that was there is kept as a backup.
void SafeStartTest::restoreMovesALaptopMeetInPlaceOfTheMeet() {
    QFETCH(bool, meetThere);
    QFETCH(bool, withRows);
    MeetFixture meet(meetThere);
    QStringList before;
    if (withRows) {
        Seed::team(meet, "Harbor", "C");
        Seed::team(meet, "Bay", "C");
        meet.exec("DELETE FROM TblTeam WHERE TeamName = 'Bay'");
        before = meetRows(meet.db());
    }
    meet.state->MeetDb.close();
    QTemporaryDir laptopFolder;
    const QString laptop = laptopMeet(laptopFolder.path());
    const QStringList moved = meetRows(laptop);

    const RunOutcome restored = runCorravin(meet.programFolder(), {"restore", laptop});
    QCOMPARE(restored.status, 0);
    const QString into = meet.onServer() ? "into the " + meet.state->meetLocation().description()
                                         : "as " + QDir::toNativeSeparators(meet.databasePath());
    QVERIFY2(restored.out.startsWith(QString("Restored %1 %2.").arg(QDir::toNativeSeparators(laptop), into)),
             qPrintable(restored.out + restored.err));
    meet.state->MeetDb.open(meet.state->meetLocation());
    QCOMPARE(meetRows(meet.db()), moved);
    QCOMPARE(nextTeamCode(meet.db()), 3);

    // A file meet is always kept; a server meet when it held more than a new meet's classes.
    const QStringList kept = MeetBackup::list(meet.databasePath());
    QCOMPARE(kept.size(), withRows || (meetThere && !meet.onServer()) ? 1 : 0);
    if (!kept.isEmpty()) {
        QVERIFY(kept.first().endsWith("-before-restore.mdb"));
        QVERIFY2(restored.out.contains(QDir::toNativeSeparators(kept.first())), qPrintable(restored.out));
    }
    if (withRows)
        QCOMPARE(meetRows(kept.first()), before);
}

void SafeStartTest::refusedServerRestoreChangesNothing_data() {
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("said");
    QTest::newRow("another station") << "station"
                                     << "was not restored: another connection is open on the database ";
    QTest::newRow("damaged file") << "damaged"
                                  << "was not restored: it is not a healthy meet database (";
    QTest::newRow("not a meet") << "export"
                                << "was not restored: it is not a healthy meet database (the table TblClass is "
                                   "missing)";
}

// Nothing on the server changes while another station works on the meet, nor for a file that is
// no sound meet.
void SafeStartTest::refusedServerRestoreChangesNothing() {
    SKIP_ON_FILES(
        "restorePutsABackupBackAndRefusesADamagedFile and openWindowHoldsTheMeetAgainstASecondWindowAndARestore "
        "are their file counterparts");
    QFETCH(QString, problem);
    QFETCH(QString, said);
    MeetFixture meet;
    Seed::team(meet, "Harbor", "C");
    const QByteArray before = meet.contentDigest();
    meet.state->MeetDb.close();
    QString file = laptopMeet(meet.programFolder());
    DbConnection station;
    if (problem == "station") {
        station.open(meet.state->meetLocation());
    } else if (problem == "damaged") {
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        damaged.seek(4096); // the pages after the schema
        damaged.write(QByteArray(8192, '\x7f'));
    } else {
        file = meet.programFolder() + "/export.mdb";
        QCOMPARE(Cls_Db_Manager::Build_Export_Database(file, {}), QString());
    }

    const RunOutcome refused = runCorravin(meet.programFolder(), {"restore", file});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains(QDir::toNativeSeparators(file) + " " + said), qPrintable(refused.err));
    meet.state->MeetDb.open(meet.state->meetLocation());
    QCOMPARE(meet.contentDigest(), before);
    QVERIFY(!QFileInfo::exists(MeetBackup::folder(meet.databasePath())));
}

CORRAVIN_TEST(SafeStartTest)
#include "safe_start_test.moc"
