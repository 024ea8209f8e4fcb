#include "district_files.h"
#include "meet_fixture.h"
#include "seed.h"
#include "test_main.h"
#include "test_server.h"
#include "window_driver.h"

#include "database/meet_backup.h"
#include "reports/report_data_source.h"
#include "startup/frm_restore_backup.h"
#include "startup/frm_main.h"
#include "startup/frm_utilities.h"
#include "ui/standard_questions.h"
#include "ui/sub_windows.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Chooses an entry of the open utilities menu as a click would.
void chooseEntry(FrmMain& main, const QString& entry) {
    auto* menu = main.findChild<FrmUtilities*>();
    QVERIFY(menu && menu->isVisible());
    QAction* action = menu->findChild<QAction*>(entry);
    QVERIFY(action);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}
} // namespace

class UtilitiesMenuTest : public QObject {
    Q_OBJECT
private slots:
    void windowsOpenOverTheDisabledMainWindow_data();
    void windowsOpenOverTheDisabledMainWindow();
    void closingUnderItsOwnPickerWaitsForThePicker_data();
    void closingUnderItsOwnPickerWaitsForThePicker();
    void backUpNowAndRestoreFromTheWindow();
    void aServerMeetIsBackedUpButNotRestoredFromTheWindow();
};

void UtilitiesMenuTest::windowsOpenOverTheDisabledMainWindow_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("closeButton");
    QTest::addColumn<QString>("question"); // asked on closing; empty: none
    QTest::newRow("rider numbers") << "LblAssignNum"
                                   << "FrmAssignNumbers"
                                   << "CmdClose"
                                   << "";
    QTest::newRow("export") << "LblExport"
                            << "FrmDataExport"
                            << "CmdCancel" << StandardQuestions::cancelText();
    QTest::newRow("import of a chosen file") << "LblImport"
                                             << "FrmDataImport"
                                             << "CmdCancel"
                                             << "";
    QTest::newRow("restore a backup") << "LblRestore"
                                      << "FrmRestoreBackup"
                                      << "CmdCancel"
                                      << "";
    QTest::newRow("publish results") << "LblPublish"
                                     << "FrmPublishResults"
                                     << "CmdCancel"
                                     << "";
}

// Each window of the menu stands over the main window, which stays disabled until the window
// closes through its own button.
void UtilitiesMenuTest::windowsOpenOverTheDisabledMainWindow() {
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, closeButton);
    QFETCH(QString, question);
    if (entry == "LblRestore")
        SKIP_ON_SERVER("backups are meet files");
    MeetFixture meet;
    QTemporaryDir files;
    meet.dialogs.queue(writeDistrictFile(files.path(), "District7-2006.MDB")); // the import asks for a file
    FrmMain main(*meet.state);
    main.show();
    main.LblUtilities_Click();
    chooseEntry(main, entry);
    const QList<QWidget*> owned = SubWindows::ownedBy(&main);
    QCOMPARE(owned.size(), 1);
    QPointer<QWidget> opened = owned.first();
    QCOMPARE(opened->objectName(), window);
    QVERIFY(opened->isEnabled() && !main.isEnabled());

    if (!question.isEmpty())
        meet.messages.expectConfirm(question, true);
    control<QPushButton>(opened, closeButton)->click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(main.isEnabled());
    flushClosedWindows();
    QVERIFY(!opened);
}

void UtilitiesMenuTest::closingUnderItsOwnPickerWaitsForThePicker_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("export, its folder picker") << "LblExport";
    QTest::newRow("import, its file picker") << "LblImport";
}

// While a window's own picker runs, the window is blocked, yet its Cancel can be pressed
// through assistive technology. The window closes and its picker is cancelled; the window
// goes only after its picker has returned.
void UtilitiesMenuTest::closingUnderItsOwnPickerWaitsForThePicker() {
    QFETCH(QString, entry);
    MeetFixture meet;
    meet.exec("INSERT INTO TblTeam (TeamName, Division, District) VALUES ('Lakeside', 'B', '1')");
    meet.dialogs.whileNextPickerIsOpen([](QWidget* window) {
        pressAccessibly(control<QPushButton>(window, "CmdCancel"), QAccessibleActionInterface::pressAction());
    });
    if (entry == "LblExport") // the import's Cancel asks nothing
        meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    FrmMain main(*meet.state);
    main.show();
    main.LblUtilities_Click();
    chooseEntry(main, entry);
    if (entry == "LblExport")
        control<QPushButton>(SubWindows::ownedBy(&main).value(0, &main), "CmdExport")->click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(meet.dialogs.windowOutlivedPicker());
    QVERIFY(main.isEnabled());
    flushClosedWindows();
    QVERIFY(SubWindows::ownedBy(&main).isEmpty());
}

namespace {
// The last message shown, "title | text", which the test checks itself (it names files made
// meanwhile); the script starts afresh.
QString takeLastShown(ScriptedMessages& messages) {
    const QString last = messages.shown().value(messages.shown().size() - 1);
    messages.reset();
    return last;
}

QStringList teamsSeenByReports(RunState& state) {
    QStringList names;
    ReportDataSource::of(state).read([&](const QSqlDatabase& db) {
        QSqlQuery query("SELECT TeamName FROM TblTeam ORDER BY TeamName", db);
        while (query.next())
            names << query.value(0).toString();
        return RowSet(QStringLiteral("Teams"), {"TeamName"});
    });
    return names;
}

// Opens the utilities menu and chooses an entry.
void clickEntry(FrmMain& main, const QString& entry) {
    main.LblUtilities_Click();
    chooseEntry(main, entry);
}
} // namespace

// "Back Up Now" makes an on-demand backup; "Restore a Backup..." lists the backups newest
// first and puts the chosen one back while the program holds the meet: its connections
// (the reports' too) read the restored file afterwards, and the replaced file is kept.
void UtilitiesMenuTest::backUpNowAndRestoreFromTheWindow() {
    SKIP_ON_SERVER("backups are meet files");
    MeetFixture meet;
    Seed::team(meet, "Before", "A");
    FrmMain main(*meet.state);
    main.show();
    clickEntry(main, "LblBackUpNow");
    const QStringList made = MeetBackup::list(meet.databasePath());
    QCOMPARE(made.size(), 1);
    QCOMPARE(takeLastShown(meet.messages),
             "Corravin | A backup of the meet database was made:\n\n" + QDir::toNativeSeparators(made.first()));

    Seed::team(meet, "After", "A");
    QCOMPARE(teamsSeenByReports(*meet.state), QStringList({"After", "Before"}));
    QFile damaged(MeetBackup::folder(meet.databasePath()) + "/QARNReduzuduv2006-20010101-000000-000-start.mdb");
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("not a meet") > 0);
    damaged.close();

    clickEntry(main, "LblRestore");
    auto* window = qobject_cast<FrmRestoreBackup*>(SubWindows::ownedBy(&main).value(0));
    QVERIFY(window && !main.isEnabled());
    const QList<MeetBackup::BackupFile> listed = MeetBackup::newestFirst(meet.databasePath());
    QCOMPARE(entries(control<QListWidget>(window, "LstBackups")),
             QStringList({FrmRestoreBackup::listText(listed[0]), FrmRestoreBackup::listText(listed[1])}));
    QVERIFY(entries(control<QListWidget>(window, "LstBackups")).first().contains("   on-demand   "));

    meet.messages.expectAppNotice("Choose the backup to restore.");
    window->CmdRestore_Click();
    VERIFY_MESSAGES(meet.messages);
    const auto question = [](const MeetBackup::BackupFile& backup) {
        return "Put the backup made " + backup.made.toString("yyyy-MM-dd HH:mm:ss") + " (" + backup.reason +
               ") in place of the meet database? The meet database as it is now is kept in the backups first.";
    };
    control<QListWidget>(window, "LstBackups")->setCurrentRow(1);
    meet.messages.expectConfirm(question(listed[1]), true);
    QTest::keyClick(control<QListWidget>(window, "LstBackups"), Qt::Key_Return); // Enter on a backup restores it
    QVERIFY(takeLastShown(meet.messages)
                .startsWith("Corravin | " + QDir::toNativeSeparators(listed[1].path) +
                            " was not restored: it is not a healthy meet database"));
    QCOMPARE(meet.column("SELECT TeamName FROM TblTeam ORDER BY TeamName"), QStringList({"After", "Before"}));

    control<QListWidget>(window, "LstBackups")->setCurrentRow(0);
    meet.messages.expectConfirm(question(listed[0]), true);
    window->CmdRestore_Click();
    const QString kept = MeetBackup::list(meet.databasePath()).last();
    QVERIFY(kept.endsWith("-before-restore.mdb"));
    QCOMPARE(takeLastShown(meet.messages), "Corravin | Restored " + QDir::toNativeSeparators(listed[0].path) + " as " +
                                               QDir::toNativeSeparators(meet.databasePath()) +
                                               ".\n\nThe meet database it replaced is kept as " +
                                               QDir::toNativeSeparators(kept) + ".");
    QCOMPARE(meet.column("SELECT TeamName FROM TblTeam ORDER BY TeamName"), QStringList({"Before"}));
    QCOMPARE(teamsSeenByReports(*meet.state), QStringList({"Before"}));
    flushClosedWindows();
    QVERIFY(SubWindows::ownedBy(&main).isEmpty() && main.isEnabled());
}

// A meet on the server is kept by the server's own backups: both entries say so.
// A server meet is backed up as a meet file from the window too; restoring it is left to the
// command line, run while no station works on the meet.
void UtilitiesMenuTest::aServerMeetIsBackedUpButNotRestoredFromTheWindow() {
    if (!TestServer::inUse())
        QSKIP("a meet on the server only");
    MeetFixture meet;
    FrmMain main(*meet.state);
    main.show();
    const QString server = meet.state->MeetServer;
    clickEntry(main, "LblBackUpNow");
    const QStringList made = MeetBackup::list(meet.databasePath());
    QCOMPARE(made.size(), 1);
    QCOMPARE(takeLastShown(meet.messages),
             "Corravin | A backup of the meet database was made:\n\n" + QDir::toNativeSeparators(made.first()));
    meet.messages.expectNotice(Messages::appTitle(),
                               "A backup file was not restored: the meet lives on the server " + server +
                                   ", where other stations may be working on it. Close Corravin on every station, "
                                   "then restore with: corravin restore FILE",
                               Messages::Icon::Critical);
    clickEntry(main, "LblRestore");
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(SubWindows::ownedBy(&main).isEmpty() && main.isEnabled());
}

CORRAVIN_TEST(UtilitiesMenuTest)
#include "utilities_menu_test.moc"
