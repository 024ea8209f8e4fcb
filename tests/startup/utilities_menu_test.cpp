#include "district_files.h"
#include "meet_fixture.h"
#include "test_main.h"
#include "window_driver.h"

#include "startup/frm_main.h"
#include "startup/frm_utilities.h"
#include "ui/standard_questions.h"
#include "ui/sub_windows.h"

#include <QAccessible>
#include <QAction>
#include <QPointer>
#include <QPushButton>
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

CORRAVIN_TEST(UtilitiesMenuTest)
#include "utilities_menu_test.moc"
