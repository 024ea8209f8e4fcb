#include "district_files.h"
#include "meet_fixture.h"
#include "test_main.h"
#include "window_driver.h"

#include "registration/frm_coach.h"
#include "registration/frm_coach_mgmt.h"
#include "startup/frm_main.h"
#include "startup/frm_utilities.h"
#include "ui/standard_questions.h"
#include "ui/sub_windows.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class UtilitiesMenuTest : public QObject {
    Q_OBJECT
private slots:
    void windowsOpenOverTheDisabledMainWindow_data();
    void windowsOpenOverTheDisabledMainWindow();
    void exportAsksTheOpenEntryWindowFirst_data();
    void exportAsksTheOpenEntryWindowFirst();
    void closingUnderItsOwnPickerWaitsForThePicker_data();
    void closingUnderItsOwnPickerWaitsForThePicker();
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
}

// Each window of the menu stands over the main window, which stays disabled until the window
// closes through its own button.
void UtilitiesMenuTest::windowsOpenOverTheDisabledMainWindow() {
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, closeButton);
    QFETCH(QString, question);
    MeetFixture meet;
    QTemporaryDir files;
    meet.dialogs.queue(writeDistrictFile(files.path(), "District7-2006.MDB")); // the import asks for a file
    FrmMain main(*meet.state);
    main.show();
    auto* menu = new FrmUtilities(*meet.state, &main);
    menu->show();
    QTest::mouseClick(control<QLabel>(menu, entry), Qt::LeftButton);
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

void UtilitiesMenuTest::exportAsksTheOpenEntryWindowFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps the entry window and opens nothing") << false;
    QTest::newRow("Yes closes it and opens the export") << true;
}

// A coach being added, with a name typed, when the export is chosen.
void UtilitiesMenuTest::exportAsksTheOpenEntryWindowFirst() {
    QFETCH(bool, answer);
    MeetFixture meet;
    meet.exec("INSERT INTO TblTeam (TeamName, Division, District) VALUES ('Lakeside', 'B', '1')");
    FrmMain main(*meet.state);
    main.show();
    main.Show_Menu(1);
    main.Select_Activity(2);
    auto* coaches = qobject_cast<FrmCoachMgmt*>(main.activityWindow());
    QVERIFY(coaches);
    control<QComboBox>(coaches, "CbTeam")->setCurrentIndex(0);
    coaches->CbTeam_Click();
    coaches->CmdAddCoach_Click();
    QPointer<FrmCoach> coach = coaches->coachWindow();
    setText(coach, "TxtFirst", "Ann");

    auto* menu = new FrmUtilities(*meet.state, &main);
    menu->show();
    meet.messages.expectConfirm(StandardQuestions::cancelText(), answer);
    QTest::mouseClick(control<QLabel>(menu, "LblExport"), Qt::LeftButton);
    VERIFY_MESSAGES(meet.messages);
    flushClosedWindows();
    const QList<QWidget*> owned = SubWindows::ownedBy(&main);
    QCOMPARE(owned.size(), 1);
    if (!answer) {
        QCOMPARE(owned.first(), coach.data());
        QCOMPARE(control<QLineEdit>(coach, "TxtFirst")->text(), QString("Ann"));
        QCOMPARE(main.CurrentActivity(), 2);
        QVERIFY(main.isEnabled());
        return;
    }
    QVERIFY(!coach);
    QCOMPARE(owned.first()->objectName(), QString("FrmDataExport"));
    QCOMPARE(main.CurrentActivity(), 0);
    QVERIFY(!main.isEnabled());
    owned.first()->close();
}

void UtilitiesMenuTest::closingUnderItsOwnPickerWaitsForThePicker_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("question"); // asked by Cancel; empty: none
    QTest::newRow("export, its folder picker") << "LblExport" << StandardQuestions::cancelText();
    QTest::newRow("import, its file picker") << "LblImport"
                                             << "";
}

// While a window's own picker runs, the window is blocked, yet its Cancel can be pressed
// through assistive technology. The window closes and its picker is cancelled; the window
// goes only after its picker has returned, and nothing is exported or imported.
void UtilitiesMenuTest::closingUnderItsOwnPickerWaitsForThePicker() {
    QFETCH(QString, entry);
    QFETCH(QString, question);
    MeetFixture meet;
    meet.exec("INSERT INTO TblTeam (TeamName, Division, District) VALUES ('Lakeside', 'B', '1')");
    QTemporaryDir files;
    meet.dialogs.queue(entry == "LblExport" ? files.path() : writeDistrictFile(files.path(), "District7-2006.MDB"));
    meet.dialogs.whileNextPickerIsOpen([](QWidget* window) {
        pressAccessibly(control<QPushButton>(window, "CmdCancel"), QAccessibleActionInterface::pressAction());
    });
    if (!question.isEmpty())
        meet.messages.expectConfirm(question, true);
    FrmMain main(*meet.state);
    main.show();
    auto* menu = new FrmUtilities(*meet.state, &main);
    menu->show();
    QTest::mouseClick(control<QLabel>(menu, entry), Qt::LeftButton);
    QPointer<QWidget> opened = SubWindows::ownedBy(&main).value(0);
    if (entry == "LblExport") {
        QVERIFY(opened);
        control<QPushButton>(opened, "CmdExport")->click();
    }
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(meet.dialogs.windowOutlivedPicker());
    QVERIFY(main.isEnabled());
    flushClosedWindows();
    QVERIFY(SubWindows::ownedBy(&main).isEmpty());
    QCOMPARE(QDir(files.path()).entryList(QDir::Files).size(), entry == "LblExport" ? 0 : 1);
    QCOMPARE(meet.count("TblTeam"), 1);
}

CORRAVIN_TEST(UtilitiesMenuTest)
#include "utilities_menu_test.moc"
