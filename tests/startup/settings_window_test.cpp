#include "database/class_data.h"
#include "meet_fixture.h"
#include "startup/frm_main.h"
#include "startup/frm_settings.h"
#include "startup/region_settings.h"
#include "test_main.h"
#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString Confirm = "These settings are vital to the programs operation and should not be changed once "
                        "information is entered into the program. Are you sure you want to continue?";
const QString CancelQuestion = "Cancelling will result in a loss of all changes. Are you sure you want to continue?";

QStringList classes2And3(const MeetFixture& meet) {
    QStringList rows;
    for (const ClassRow& row : ClassData::all(meet.db()))
        if (row.ClassNumber == 2 || row.ClassNumber == 3)
            rows << QString("%1|%2|%3").arg(row.ClassName).arg(row.MaxEntries).arg(row.ImagePath);
    return rows;
}

// A region already set up, the main window open with an activity, then the Settings label clicked.
struct SettingsScene {
    MeetFixture meet;
    std::unique_ptr<FrmMain> main;
    QPointer<FrmSettings> settings;

    SettingsScene() {
        meet.state->CurrentRegion = "C";
        RegionSettings::write("C");
        main = std::make_unique<FrmMain>(*meet.state);
        main->show();
        main->Select_Activity(1);
        main->LblSettings_Click();
        settings = main->settingsWindow();
    }
    bool closed() const {
        flushClosedWindows();
        return !settings;
    }
    void reopen() {
        main->LblSettings_Click();
        settings = main->settingsWindow();
    }
    QLineEdit* letter() const { return settings->findChild<QLineEdit*>("TxtRegionLetter"); }
    QComboBox* lineup() const { return settings->findChild<QComboBox*>("cbClassVersion"); }
};
} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOverADisabledMainWindowAndClosesTheActivity();
    void switchesTheClassLineupBothWays();
    void noAnswerLeavesEverythingAsItWas();
    void cancelAsksFirstAndSavesNothing();
    void regionIsStoredExactlyAsTyped_data();
    void regionIsStoredExactlyAsTyped();
    void refusesALetterThatCannotBePartOfAFileName_data();
    void refusesALetterThatCannotBePartOfAFileName();
};

void SettingsWindowTest::opensOverADisabledMainWindowAndClosesTheActivity() {
    SettingsScene scene;
    QVERIFY(scene.settings);
    QCOMPARE(scene.main->CurrentActivity(), 0);
    QVERIFY(!scene.main->isEnabled());
    QCOMPARE(scene.settings->findChild<QLabel*>("LblFormTitle")->text(), QString("District Setup Information"));
    QCOMPARE(scene.letter()->text(), QString("C"));
    QVERIFY(scene.settings->findChild<QPushButton*>("CmdCancel")->isEnabled());
    QCOMPARE(scene.lineup()->count(), 2);
    QCOMPARE(scene.lineup()->itemText(0), QString("My Region uses the standard class line up"));
    QCOMPARE(scene.lineup()->itemText(1), QString("My Region uses the modified class lineup"));
    QCOMPARE(scene.lineup()->currentIndex(), 0); // a new database has the standard line-up
    VERIFY_MESSAGES(scene.meet.messages);
}

void SettingsWindowTest::switchesTheClassLineupBothWays() {
    SettingsScene scene;
    const QStringList untouched = classes2And3(scene.meet);
    scene.meet.messages.expectConfirm(Confirm, true);
    scene.settings->CmdSubmit_Click(); // same form as found: no row changes
    QCOMPARE(classes2And3(scene.meet), untouched);
    QVERIFY(scene.closed());
    QVERIFY(scene.main->isEnabled());

    scene.reopen();
    scene.lineup()->setCurrentIndex(1);
    scene.meet.messages.expectConfirm(Confirm, true);
    scene.settings->CmdSubmit_Click();
    QCOMPARE(classes2And3(scene.meet), (QStringList{"Hunt Seat Fitting & Showing|4|HSFandS.bmp",
                                                    "Saddle Seat Fitting & Showing|4|SSFandS.bmp"}));
    QCOMPARE(ClassData::className(scene.meet.db(), 1), QString("Western Fitting and Showing"));

    scene.reopen();
    QCOMPARE(scene.lineup()->currentIndex(), 1); // recognised as modified
    scene.lineup()->setCurrentIndex(0);
    scene.meet.messages.expectConfirm(Confirm, true);
    scene.settings->CmdSubmit_Click();
    QCOMPARE(classes2And3(scene.meet), (QStringList{"Saddle Seat Fitting & Showing|4|SSFandS.bmp",
                                                    "Hunt Seat Fitting & Showing|4|HSFandS.bmp"}));
    VERIFY_MESSAGES(scene.meet.messages);
}

void SettingsWindowTest::noAnswerLeavesEverythingAsItWas() {
    SettingsScene scene;
    const QStringList before = classes2And3(scene.meet);
    scene.letter()->setText("Q");
    scene.lineup()->setCurrentIndex(1);
    scene.meet.messages.expectConfirm(Confirm, false);
    scene.settings->CmdSubmit_Click();
    VERIFY_MESSAGES(scene.meet.messages);
    QVERIFY(scene.settings && scene.settings->isVisible());
    QCOMPARE(scene.lineup()->currentIndex(), 1);
    QCOMPARE(scene.letter()->text(), QString("Q"));
    QCOMPARE(RegionSettings::read(), QString("C"));
    QCOMPARE(scene.meet.state->CurrentRegion, QString("C"));
    QCOMPARE(classes2And3(scene.meet), before);
    QVERIFY(!scene.main->isEnabled());
}

void SettingsWindowTest::cancelAsksFirstAndSavesNothing() {
    SettingsScene scene;
    scene.letter()->setText("Q");
    scene.lineup()->setCurrentIndex(1);
    scene.meet.messages.expectConfirm(CancelQuestion, false);
    scene.settings->CmdCancel_Click();
    QVERIFY(scene.settings && scene.settings->isVisible());

    scene.meet.messages.expectConfirm(CancelQuestion, true);
    scene.settings->CmdCancel_Click();
    VERIFY_MESSAGES(scene.meet.messages);
    QVERIFY(scene.closed());
    QCOMPARE(RegionSettings::read(), QString("C"));
    QCOMPARE(ClassData::className(scene.meet.db(), 2), QString("Saddle Seat Fitting and Showing"));
    QVERIFY(scene.main->isEnabled() && scene.main->isVisible());
    QCOMPARE(scene.main->findChild<QLabel*>("LblTitle")->text(), QString("Region C Data Tracker"));
    QCOMPARE(scene.main->CurrentMenu(), 0);
}

void SettingsWindowTest::regionIsStoredExactlyAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("lower case") << "b";
    QTest::newRow("blanks") << " B 2 ";
    QTest::newRow("several characters") << "North";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Ö");
}

void SettingsWindowTest::regionIsStoredExactlyAsTyped() {
    QFETCH(QString, typed);
    SettingsScene scene;
    scene.letter()->setText(typed);
    scene.meet.messages.expectConfirm(Confirm, true);
    scene.settings->CmdSubmit_Click();
    VERIFY_MESSAGES(scene.meet.messages);
    QCOMPARE(RegionSettings::read(), typed);
    QCOMPARE(scene.meet.state->CurrentRegion, typed);
    QCOMPARE(scene.main->findChild<QLabel*>("LblTitle")->text(), "Region " + typed + " Data Tracker");
}

void SettingsWindowTest::refusesALetterThatCannotBePartOfAFileName_data() {
    QTest::addColumn<QString>("typed");
    for (const char* letter : {"B/1", "B\\", "C:", "A*", "?", "\"X\"", "<B>", "B|C"})
        QTest::newRow(letter) << QString(letter);
}

void SettingsWindowTest::refusesALetterThatCannotBePartOfAFileName() {
    QFETCH(QString, typed);
    SettingsScene scene;
    scene.letter()->setText(typed);
    scene.meet.messages.expectConfirm(Confirm, true)
        .expectAppNotice("The Region may not contain any of the characters \\ / : * ? \" < > | because it becomes "
                         "part of the export file name.");
    scene.settings->CmdSubmit_Click();
    VERIFY_MESSAGES(scene.meet.messages);
    QVERIFY(scene.settings && scene.settings->isVisible());
    QCOMPARE(RegionSettings::read(), QString("C"));
    QCOMPARE(scene.meet.state->CurrentRegion, QString("C"));
}

CORRAVIN_TEST(SettingsWindowTest)
#include "settings_window_test.moc"
