#include "database/meet_file_check.h"
#include "database/meet_server_check.h"
#include "file_digest.h"
#include "meet_fixture.h"
#include "program_run.h"
#include "reports/report_data_source.h"
#include "startup/frm_main.h"
#include "startup/frm_settings.h"
#include "startup/region_settings.h"
#include "startup/sub_main.h"
#include "test_main.h"
#include "test_server.h"
#include "ui/user_settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

namespace {
const QString ScreenMessage =
    "Corravin cannot be used on a machine having a screen resolution less than 800X600 DPI";


StartOptions optionsFor(const MeetFixture& meet, QSize screen = {12000, 9000}) {
    return {meet.programFolder(), screen};
}
} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void refusesSmallScreensWithoutCreatingTheDatabase_data();
    void refusesSmallScreensWithoutCreatingTheDatabase();
    void firstStartAsksForTheRegionWithTheMainWindowHidden_data();
    void firstStartAsksForTheRegionWithTheMainWindowHidden();
    void laterStartShowsTheMainWindowForItsRegion();
    void reusesTheMeetDatabaseUnchanged();
    void serverComesFromTheSettingsWithoutAPassword();
    void useServerPointsThisUsersProgramAtAServer();
    void reportsAFileThatIsNotAMeetDatabase();
    void createMeetCommandBuildsTheFileOnce();
    void createMeetCommandRefusesABrokenFile();
    void installedProgramKeepsTheMeetInTheUserDataFolder_data();
    void installedProgramKeepsTheMeetInTheUserDataFolder();
    void commandLines_data();
    void commandLines();
    void outputThatCannotBeWrittenFailsTheCommand_data();
    void outputThatCannotBeWrittenFailsTheCommand();
};

void StartUpTest::refusesSmallScreensWithoutCreatingTheDatabase_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("refused");
    QTest::newRow("11999 wide") << QSize(11999, 9000) << true;
    QTest::newRow("8999 high") << QSize(12000, 8999) << true;
    QTest::newRow("exactly the minimum") << QSize(12000, 9000) << false;
}

void StartUpTest::refusesSmallScreensWithoutCreatingTheDatabase() {
    QFETCH(QSize, screen);
    QFETCH(bool, refused);
    MeetFixture meet(false);
    RegionSettings::write("B");
    if (refused)
        meet.messages.expectAppNotice(ScreenMessage);
    SubMain subMain(*meet.state);
    const auto status = subMain.Main(optionsFor(meet, screen));
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(status.has_value(), refused);
    QCOMPARE(meet.meetExists(), !refused);
    QCOMPARE(subMain.mainForm() != nullptr, !refused);
}

void StartUpTest::firstStartAsksForTheRegionWithTheMainWindowHidden_data() {
    QTest::addColumn<bool>("storedNA");
    QTest::newRow("nothing stored") << false;
    QTest::newRow("NA stored") << true;
}

void StartUpTest::firstStartAsksForTheRegionWithTheMainWindowHidden() {
    QFETCH(bool, storedNA);
    MeetFixture meet(false);
    if (storedNA)
        RegionSettings::write("NA");
    SubMain subMain(*meet.state);
    QVERIFY(!subMain.Main(optionsFor(meet)));
    QVERIFY(meet.meetExists());
    QCOMPARE(meet.state->ProgramFolder, QDir::cleanPath(meet.programFolder()));
    QVERIFY(meet.state->MeetDb.isOpen());
    QCOMPARE(ReportDataSource::of(*meet.state).databasePath(), meet.state->meetLocation().text());

    FrmMain* main = subMain.mainForm();
    QVERIFY(main && !main->isVisible());
    QCOMPARE(main->findChild<QLabel*>("LblTitle")->text(), QString("Region  Data Tracker"));
    FrmSettings* settings = main->settingsWindow();
    QVERIFY(settings);
    QVERIFY(!settings->findChild<QPushButton*>("CmdCancel")->isEnabled());
    QCOMPARE(settings->findChild<QLineEdit*>("TxtRegionLetter")->text(), QString());

    const QString confirm = "These settings are vital to the programs operation and should not be changed once "
                            "information is entered into the program. Are you sure you want to continue?";
    meet.messages.expectConfirm(confirm, true)
        .expectAppNotice("The Region must be specified before you may save these settings.");
    settings->CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(settings->isVisible());

    settings->findChild<QLineEdit*>("TxtRegionLetter")->setText("B");
    meet.messages.expectConfirm(confirm, true);
    settings->CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(RegionSettings::read(), QString("B"));
    QVERIFY(main->isVisible() && main->isEnabled());
    QCOMPARE(main->findChild<QLabel*>("LblTitle")->text(), QString("Region B Data Tracker"));
    QVERIFY(!main->settingsWindow() || !main->settingsWindow()->isVisible());
}

void StartUpTest::laterStartShowsTheMainWindowForItsRegion() {
    MeetFixture meet(false);
    RegionSettings::write("B");
    SubMain subMain(*meet.state);
    QVERIFY(!subMain.Main(optionsFor(meet)));
    QVERIFY(subMain.mainForm()->isVisible());
    QCOMPARE(subMain.mainForm()->findChild<QLabel*>("LblTitle")->text(), QString("Region B Data Tracker"));
    QCOMPARE(meet.state->CurrentRegion, QString("B"));
    QVERIFY(!subMain.mainForm()->settingsWindow());
    // The window says which meet it works on.
    const QString where = meet.state->MeetServer.isEmpty()
                              ? QDir::toNativeSeparators(meet.databasePath())
                              : "database " + meet.state->MeetDb.location().database() + " on the server";
    QVERIFY2(subMain.mainForm()->findChild<QLabel*>("LblMeetLocation")->toolTip().startsWith("Meet: " + where),
             qPrintable(subMain.mainForm()->findChild<QLabel*>("LblMeetLocation")->toolTip()));
    VERIFY_MESSAGES(meet.messages);
}

// The settings may name the server a station's meet lives on, but never with its password.
void StartUpTest::serverComesFromTheSettingsWithoutAPassword() {
    MeetFixture meet(false);
    const QString server = meet.state->MeetServer; // none on a run on meet files
    UserSettings settings;
    settings.setValue("ProgramConst/MeetServer", "postgresql://ann:pw@db.office/meet");
    settings.sync();
    meet.messages.expectNotice("Corravin",
                               "Corravin could not start: the server address postgresql://ann:pw@db.office/meet "
                               "cannot be used: it holds a password; give the password in ~/.pgpass or PGPASSWORD "
                               "instead (MeetServer in the settings).",
                               Messages::Icon::Critical);
    SubMain subMain(*meet.state);
    QCOMPARE(subMain.Prepare(optionsFor(meet)), std::optional<int>(1));
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!meet.state->MeetDb.isOpen());
    QVERIFY(!QFile::exists(meet.databasePath()));
    if (server.isEmpty())
        return;
    // A station whose settings name the server starts on it, builds the meet there, and keeps no file.
    meet.state->MeetServer.clear();
    settings.setValue("ProgramConst/MeetServer", server);
    settings.sync();
    SubMain onServer(*meet.state);
    QVERIFY(!onServer.Prepare(optionsFor(meet)));
    QCOMPARE(meet.state->MeetServer, server);
    QVERIFY(meet.state->MeetDb.onServer());
    QCOMPARE(meet.count("TblClass"), 17);
    QVERIFY(!QFile::exists(meet.databasePath()));
}

// `use-server` stores the address for this user without opening anything; a password is refused.
void StartUpTest::useServerPointsThisUsersProgramAtAServer() {
    QTemporaryDir folder;
    CorravinRun pointing(folder.path(), {"use-server", "postgresql://secretary@office-pc/spring2006"});
    const RunOutcome pointed = pointing.finish();
    QCOMPARE(pointed.status, 0);
    QCOMPARE(pointed.out, QString("The meet of this PC is now database spring2006 on the server office-pc."));
    QCOMPARE(QSettings(pointing.settingsFile(), QSettings::IniFormat).value("ProgramConst/MeetServer").toString(),
             QString("postgresql://secretary@office-pc/spring2006"));
    QVERIFY(QDir(folder.path()).isEmpty());

    CorravinRun refused(folder.path(), {"use-server", "postgresql://ann:pw@office-pc/spring2006"});
    const RunOutcome outcome = refused.finish();
    QCOMPARE(outcome.status, 1);
    QVERIFY2(outcome.err.contains("Nothing was changed: the server address postgresql://ann:pw@office-pc/spring2006 "
                                  "cannot be used: it holds a password"),
             qPrintable(outcome.err));
    QVERIFY(!QFile::exists(refused.settingsFile()));
}

void StartUpTest::reusesTheMeetDatabaseUnchanged() {
    MeetFixture meet(false);
    RegionSettings::write("C");
    {
        SubMain first(*meet.state);
        QVERIFY(!first.Main(optionsFor(meet)));
        meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Hill', 'C')");
        meet.state->MeetDb.close();
    }
    const QDateTime written = QFileInfo(meet.databasePath()).lastModified();
    SubMain second(*meet.state);
    QVERIFY(!second.Main(optionsFor(meet)));
    QCOMPARE(meet.scalar("SELECT TeamName FROM TblTeam").toString(), QString("Oak Hill"));
    QCOMPARE(QFileInfo(meet.databasePath()).lastModified(), written);
}

void StartUpTest::reportsAFileThatIsNotAMeetDatabase() {
    SKIP_ON_SERVER("serverMeetIsBuiltOnlyInAnEmptyDatabase is its counterpart");
    MeetFixture meet(false);
    RegionSettings::write("B");
    QFile file(meet.databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'z'));
    file.close();
    meet.messages.expectNotice("Corravin",
                               "The file " + QDir::toNativeSeparators(meet.databasePath()) +
                                   " is not a usable meet database: file is not a database.\n\nMove the file away to "
                                   "have a new meet database created, or put the right file in its place.",
                               Messages::Icon::Critical);
    SubMain subMain(*meet.state);
    QCOMPARE(subMain.Main(optionsFor(meet)), std::optional<int>(1));
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!subMain.mainForm());
    QCOMPARE(QFileInfo(meet.databasePath()).size(), 2048);
}

void StartUpTest::createMeetCommandBuildsTheFileOnce() {
    MeetFixture meet(false);
    const RunOutcome created = runCorravin(meet.programFolder(), {"create-meet"});
    QCOMPARE(created.status, 0);
    const MeetLocation location = meet.state->meetLocation();
    QCOMPARE(created.out, meet.onServer() ? location.description()
                                          : QDir::toNativeSeparators(QDir::cleanPath(meet.databasePath())));
    QCOMPARE((meet.onServer() ? MeetServerCheck::examine(location)
                              : MeetFileCheck::examine(meet.databasePath(), MeetFileCheck::Use::ReadOnly))
                 .message,
             QString());
    QCOMPARE(QDir(meet.programFolder() + "/LabelFiles").entryList(QDir::Files).size(), 36);

    meet.state->MeetDb.open(location);
    const QByteArray before = meet.contentDigest();
    QCOMPARE(runCorravin(meet.programFolder(), {"create-meet"}).status, 0);
    QCOMPARE(meet.contentDigest(), before);
}

void StartUpTest::createMeetCommandRefusesABrokenFile() {
    SKIP_ON_SERVER("a broken file and a missing program folder");
    MeetFixture meet(false);
    QFile file(meet.databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("garbage");
    file.close();
    const RunOutcome broken = runCorravin(meet.programFolder(), {"create-meet"});
    QCOMPARE(broken.status, 1);
    QVERIFY2(broken.err.contains("is not a usable meet database"), qPrintable(broken.err));

    const RunOutcome missing = runCorravin(meet.programFolder() + "/nowhere", {"create-meet"});
    QCOMPARE(missing.status, 1);
    QVERIFY2(missing.err.contains("Corravin could not start") && missing.err.contains("does not exist"),
             qPrintable(missing.err));
}

void StartUpTest::installedProgramKeepsTheMeetInTheUserDataFolder_data() {
    QTest::addColumn<bool>("binaryFolderWritable");
    QTest::addColumn<bool>("dataHomeSet"); // XDG_DATA_HOME names the folder "data"
    QTest::addColumn<bool>("folderGiven"); // --program-folder names the folder "given"
    QTest::addColumn<QString>("meetFolder");
    QTest::newRow("build folder run") << true << false << false << "bin";
    QTest::newRow("installed") << false << false << false << "home/.local/share/Corravin";
    QTest::newRow("installed, XDG_DATA_HOME") << false << true << false << "data/Corravin";
    QTest::newRow("installed, --program-folder") << false << true << true << "given";
}

// A copy of the program in a folder it may or may not write, run by an ordinary user (root
// writes into any folder, so root runs it as nobody) with an empty home.
void StartUpTest::installedProgramKeepsTheMeetInTheUserDataFolder() {
    SKIP_ON_SERVER("where the meet file lives");
    QFETCH(bool, binaryFolderWritable);
    QFETCH(bool, dataHomeSet);
    QFETCH(bool, folderGiven);
    QFETCH(QString, meetFolder);
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (::geteuid() == 0 && !nobody)
        QSKIP("no ordinary user to run the program as");
    QTemporaryDir base;
    const auto folder = [&](const QString& name, bool userOwns) {
        const QString path = base.filePath(name);
        QDir().mkpath(path);
        if (nobody && userOwns)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    };
    QVERIFY(QFile::setPermissions(base.path(), QFile::permissions(base.path()) | QFile::ExeOther | QFile::ExeGroup));
    folder("bin", binaryFolderWritable);
    folder("home", true);
    folder("data", true);
    folder("given", true);
    const QString binary = base.filePath("bin/corravin");
    QVERIFY(QFile::copy(corravinBinary(), binary));
    const auto binaryFolderMode = QFile::permissions(base.filePath("bin"));
    const auto restoreMode = qScopeGuard([&] { QFile::setPermissions(base.filePath("bin"), binaryFolderMode); });
    const auto unwritable = binaryFolderMode & ~(QFile::WriteOwner | QFile::WriteUser);
    if (!binaryFolderWritable)
        QVERIFY(QFile::setPermissions(base.filePath("bin"), unwritable));

    QVERIFY(QFile::setPermissions(base.filePath("home"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment environment;
    environment.insert("HOME", base.filePath("home"));
    environment.insert("XDG_RUNTIME_DIR", base.filePath("home"));
    environment.insert("PATH", "/usr/bin:/bin");
    environment.insert("LANG", "C.UTF-8");
    if (dataHomeSet)
        environment.insert("XDG_DATA_HOME", base.filePath("data"));
    QStringList arguments{binary};
    if (nobody)
        arguments = QStringList{QStandardPaths::findExecutable("setpriv"), QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                                QStringLiteral("--regid=%1").arg(nobody->pw_gid), "--clear-groups"} + arguments;
    if (folderGiven)
        arguments << "--program-folder" << base.filePath("given");
    arguments << "create-meet";
    QProcess run;
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(base.filePath("home"));
    run.start(arguments.takeFirst(), arguments);
    QVERIFY(run.waitForFinished(60000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    const QString meet = QDir::cleanPath(base.filePath(meetFolder + "/QARNReduzuduv2006.mdb"));
    QCOMPARE(QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed(), QDir::toNativeSeparators(meet));
    QVERIFY(QFileInfo(meet).isFile());
    QVERIFY(QFileInfo(base.filePath(meetFolder + "/LabelFiles")).isDir());
}

void StartUpTest::commandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // a pattern in what the run printed (a refusal goes to standard error)
    const auto row = [](const char* name, const char* line, int status, const QString& said) {
        QTest::newRow(name) << QString(line).split(u' ', Qt::SkipEmptyParts) << status << said;
    };
    row("help", "--help", 0, "^usage: corravin .*\nreports: coach-list, rider-list,");
    row("version", "--version", 0, "^corravin \\d+\\.\\d+$");
    row("help with a command", "--help backup", 2, "--help goes without a command");
    row("unknown command", "frobnicate", 2, "unknown command frobnicate");
    row("unknown option", "--colour create-meet", 2, "unknown option --colour");
    row("program folder twice", "--program-folder . create-meet", 2, "--program-folder is given twice");
    row("create-meet argument", "create-meet extra", 2, "create-meet takes no arguments");
    row("create-meet option", "create-meet --folder .", 2, "unknown option --folder");
    row("backup argument", "backup extra", 2, "backup takes no arguments");
    row("restore without a file", "restore", 2, "restore needs a backup file");
    row("restore two files", "restore a.mdb b.mdb", 2, "restore takes one backup file, not a.mdb and b.mdb");
    row("import without a file", "import", 2, "import needs a district file");
    row("import option", "import a.mdb --team Owls", 2, "unknown option --team");
    row("export without a folder", "export --division A", 2, "export needs --folder DIR");
    row("export division twice", "export --folder . --division A --division B", 2, "--division is given twice");
    row("export folder twice", "export --folder . --folder ..", 2, "--folder is given twice");
    row("export bad division", "export --folder . --division Z", 2, "the division must be A, B, C or D, not Z");
    row("export value missing", "export --folder . --team", 2, "--team needs a value");
    row("export argument", "export --folder . Owls", 2, "export takes no arguments");
    row("export runs", "export --division b --folder .", 1, "There are no teams in the B Division");
    row("print without a report", "print", 2, "print needs a report");
    row("print unknown report", "print menu --pdf x.pdf", 2, "there is no report menu");
    row("print two reports", "print standings coach-list --pdf x.pdf", 2,
        "print takes one report, not standings and coach-list");
    row("print no file", "print coach-list", 2, "print needs --pdf FILE or --csv FILE");
    row("print value missing", "print coach-list --pdf", 2, "--pdf needs a value");
    row("print bad division", "print standings --division E --pdf x.pdf", 2, "A, B, C or D, not E");
    row("print bad order", "print class-sheet --division A --class 1 --order shuffled --pdf x.pdf", 2,
        "the order must be random or sequential, not shuffled");
    row("print class out of range", "print class-sheet --division A --class 18 --order random --pdf x.pdf", 2,
        "the class must be a number from 1 to 17, not 18");
    row("print class not a number", "print class-sheet --division A --class five --order random --pdf x.pdf", 2,
        "from 1 to 17, not five");
    row("print option the report does not take", "print standings --division A --team Owls --pdf x.pdf", 2,
        "the report standings takes no --team");
    row("print option the report needs", "print high-point --pdf x.pdf", 2, "the report high-point needs --division");
    row("print every class to csv", "print class-sheet --division A --order random --csv x.csv", 2,
        "the report class-sheet without --class is written to PDF only");
    row("print every division to csv", "print standings --csv x.csv", 2,
        "the report standings without --division is written to PDF only");
    row("print division twice", "print standings --division A --division B --pdf x.pdf", 2,
        "--division is given twice");
    row("print csv twice", "print standings --division A --csv a.csv --csv b.csv", 2, "--csv is given twice");
    row("print pdf and csv one file", "print standings --division A --pdf x.csv --csv x.csv", 2,
        "--pdf and --csv name the same file");
    row("print pdf linked to the csv", "print standings --division A --pdf linked.pdf --csv x.csv", 2, "the same file");
    row("print csv through a linked folder", "print standings --division A --pdf x.csv --csv here/x.csv", 2,
        "the same file");
    row("print unknown option", "print standings --colour red --pdf x.pdf", 2, "unknown option --colour");
    row("print runs, options first", "print --pdf x.pdf --division b slot-sheets", 1,
        "no teams or riders entered in the B Division");
    row("publish without a folder", "publish", 2, "publish needs --folder DIR");
    row("publish folder twice", "publish --folder . --folder ..", 2, "--folder is given twice");
    row("publish argument", "publish --folder . extra", 2, "publish takes no arguments");
    row("server with a password", "--server postgresql://ann:pw@h/meet create-meet", 2,
        "the server address postgresql://ann:pw@h/meet cannot be used: it holds a password; give the password in "
        "~/.pgpass or PGPASSWORD instead");
    row("server without a database", "--server postgresql://h backup", 2, "it names no database");
    row("server twice", "--server postgresql://h/a --server postgresql://h/b create-meet", 2,
        "--server is given twice");
}

// Every command reads its command line from one table: a bad line is refused with the problem
// named and the usage, status 2, before anything is opened or created.
void StartUpTest::commandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QTemporaryDir folder;
    QVERIFY(QFile::link(folder.filePath("x.csv"), folder.filePath("linked.pdf"))); // to a file not made yet
    QVERIFY(QFile::link(folder.path(), folder.filePath("here")));
    const RunOutcome run = runCorravin(folder.path(), arguments);
    QCOMPARE(run.status, status);
    const QRegularExpression pattern(said, QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2((status == 0 ? run.out : run.err).contains(pattern), qPrintable(run.out + run.err));
    if (status != 2)
        return;
    QVERIFY2(run.err.contains("\nusage: corravin [--program-folder DIR]"), qPrintable(run.err));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList({"here", "linked.pdf"}));
}

void StartUpTest::outputThatCannotBeWrittenFailsTheCommand_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("create-meet prints the meet database") << QStringList{"create-meet"};
    QTest::newRow("backup prints the backup") << QStringList{"backup"};
    QTest::newRow("--help prints the usage") << QStringList{"--help"};
}

void StartUpTest::outputThatCannotBeWrittenFailsTheCommand() {
    QFETCH(QStringList, arguments);
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no device that refuses every write here");
    MeetFixture meet;
    meet.state->MeetDb.close();
    const RunOutcome run = CorravinRun(meet.programFolder(), arguments, "/dev/full").finish();
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("What the command printed could not be written to the standard output: No space left "
                              "on device."),
             qPrintable(run.err));
}

CORRAVIN_TEST(StartUpTest)
#include "start_up_test.moc"
