#include "database/meet_file_check.h"
#include "file_digest.h"
#include "meet_fixture.h"
#include "program_run.h"
#include "reports/report_data_source.h"
#include "startup/frm_main.h"
#include "startup/frm_settings.h"
#include "startup/region_settings.h"
#include "startup/sub_main.h"
#include "test_main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
    void reportsAFileThatIsNotAMeetDatabase();
    void createMeetCommandBuildsTheFileOnce();
    void createMeetCommandRefusesABrokenFile();
    void badArgumentsGetTheUsage();
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
    QCOMPARE(QFile::exists(meet.databasePath()), !refused);
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
    QVERIFY(QFile::exists(meet.databasePath()));
    QCOMPARE(meet.state->ProgramFolder, QDir::cleanPath(meet.programFolder()));
    QVERIFY(meet.state->MeetDb.isOpen());
    QCOMPARE(ReportDataSource::of(*meet.state).databasePath(), meet.databasePath());

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
    VERIFY_MESSAGES(meet.messages);
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
    QCOMPARE(created.out, QDir::toNativeSeparators(QDir::cleanPath(meet.databasePath())));
    QCOMPARE(MeetFileCheck::examine(meet.databasePath(), MeetFileCheck::Use::ReadOnly).message, QString());
    QCOMPARE(QDir(meet.programFolder() + "/LabelFiles").entryList(QDir::Files).size(), 36);

    const QByteArray before = digest(meet.databasePath());
    QCOMPARE(runCorravin(meet.programFolder(), {"create-meet"}).status, 0);
    QCOMPARE(digest(meet.databasePath()), before);
}

void StartUpTest::createMeetCommandRefusesABrokenFile() {
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

void StartUpTest::badArgumentsGetTheUsage() {
    for (const QStringList& arguments :
         {QStringList{"frobnicate"}, QStringList{"--program-folder"}, QStringList{"--colour", "create-meet"},
          QStringList{"create-meet", "extra"}}) {
        const RunOutcome run = runCorravin(QString(), arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("usage: corravin"), qPrintable(run.err));
    }
}

void StartUpTest::outputThatCannotBeWrittenFailsTheCommand_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("create-meet prints the meet database") << QStringList{"create-meet"};
    QTest::newRow("backup prints the backup") << QStringList{"backup"};
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
