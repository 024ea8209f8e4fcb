#include "meet_fixture.h"
#include "test_main.h"
#include "window_driver.h"

#include "registration/frm_coach.h"
#include "registration/frm_coach_mgmt.h"
#include "startup/frm_main.h"
#include "startup/frm_settings.h"
#include "startup/frm_utilities.h"
#include "ui/standard_questions.h"
#include "ui/sub_windows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {
// The main window with "Coaches" open and a coach being added for the first team.
FrmCoach* openAddCoach(MeetFixture& meet, FrmMain& main) {
    meet.exec("INSERT INTO TblTeam (TeamName, Division, District) VALUES ('Lakeside', 'B', '1')");
    main.show();
    main.Show_Menu(1);
    main.Select_Activity(2);
    auto* coaches = qobject_cast<FrmCoachMgmt*>(main.activityWindow());
    coaches->findChild<QComboBox*>("CbTeam")->setCurrentIndex(0);
    coaches->CbTeam_Click();
    coaches->CmdAddCoach_Click();
    FrmCoach* coach = coaches->coachWindow();
    coach->findChild<QLineEdit*>("TxtFirst")->setText("Ann");
    return coach;
}

} // namespace

class UnsavedInputTest : public QObject {
    Q_OBJECT
private slots:
    void changingTheActivityAsksTheOpenEntryWindowFirst();
    void exportAfterNoOpensNothing();
    void closingTheProgramAsksThenClosesSubWindowsBeforeTheDatabase();
    void subWindowsStayAboveAndUsableOverTheDisabledMainWindow();
    void recolouredButtonsKeepTheWindowsFont();
};

void UnsavedInputTest::changingTheActivityAsksTheOpenEntryWindowFirst() {
    MeetFixture meet;
    FrmMain main(*meet.state);
    QPointer<FrmCoach> coach = openAddCoach(meet, main);

    // "No" keeps everything: the activity, the panel, the window and its typing.
    meet.messages.expectConfirm(StandardQuestions::cancelText(), false)
        .expectConfirm(StandardQuestions::cancelText(), false)
        .expectConfirm(StandardQuestions::cancelText(), false);
    main.Select_Activity(1);
    main.Show_Menu(2);
    main.Close_Current_Activity();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(main.CurrentActivity(), 2);
    QCOMPARE(main.CurrentMenu(), 1);
    QVERIFY(coach && coach->isVisible());
    QCOMPARE(coach->findChild<QLineEdit*>("TxtFirst")->text(), QString("Ann"));

    // "Yes" lets the activity change, and the entry window goes with it, unsaved.
    meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    main.Select_Activity(1);
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(main.CurrentActivity(), 1);
    flushClosedWindows();
    QVERIFY(!coach);
    QCOMPARE(meet.count("TblCoach"), 0);
}

// Utilities -> Export to State closes the activity first; "No" to the entry window's
// question keeps it, its activity and its typing, and the export does not open.
void UnsavedInputTest::exportAfterNoOpensNothing() {
    MeetFixture meet;
    FrmMain main(*meet.state);
    QPointer<FrmCoach> coach = openAddCoach(meet, main);
    meet.messages.expectConfirm(StandardQuestions::cancelText(), false);
    (new FrmUtilities(*meet.state, &main))->LblExport_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(SubWindows::ownedBy(&main), QList<QWidget*>{coach.data()});
    QCOMPARE(main.CurrentActivity(), 2);
    QCOMPARE(coach->findChild<QLineEdit*>("TxtFirst")->text(), QString("Ann"));
    QVERIFY(main.isEnabled());
}

void UnsavedInputTest::closingTheProgramAsksThenClosesSubWindowsBeforeTheDatabase() {
    MeetFixture meet;
    FrmMain main(*meet.state);
    QPointer<FrmCoach> coach = openAddCoach(meet, main);

    meet.messages.expectConfirm(StandardQuestions::cancelText(), false);
    QVERIFY(!main.close());
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(main.isVisible() && coach && meet.state->MeetDb.isOpen());

    meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    QVERIFY(main.close());
    VERIFY_MESSAGES(meet.messages);
    flushClosedWindows();
    QVERIFY(!coach);
    QVERIFY(!main.isVisible());
    QVERIFY(!meet.state->MeetDb.isOpen());
}

// The settings window is owned by the main window for the window system (kept above it),
// yet stays usable while the main window is disabled; closing the program closes it
// first, and the main window does not come back.
void UnsavedInputTest::subWindowsStayAboveAndUsableOverTheDisabledMainWindow() {
    MeetFixture meet;
    meet.state->CurrentRegion = "B";
    FrmMain main(*meet.state);
    main.show();
    main.LblSettings_Click();
    QPointer<FrmSettings> settings = main.settingsWindow();
    QVERIFY(settings && settings->isVisible());
    QCOMPARE(settings->windowHandle()->transientParent(), main.windowHandle());
    QVERIFY(!main.isEnabled());
    QVERIFY(settings->isEnabled());

    meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    QVERIFY(main.close());
    VERIFY_MESSAGES(meet.messages);
    flushClosedWindows();
    QVERIFY(!settings);
    QVERIFY(!main.isVisible());
    QVERIFY(!meet.state->MeetDb.isOpen());
}

void UnsavedInputTest::recolouredButtonsKeepTheWindowsFont() {
    MeetFixture meet;
    FrmMain main(*meet.state);
    main.show();
    for (int round = 0; round < 2; ++round) {
        main.Show_Menu(1);
        main.Select_Activity(1);
        main.Select_Activity(1);
        main.Show_Menu(1);
    }
    main.Show_Menu(1);
    main.Select_Activity(1);
    for (const char* name : {"CmdActivity_1", "CmdActivity_2", "CmdAdmin_1", "LblSettings"}) {
        QWidget* widget = main.findChild<QWidget*>(name);
        QVERIFY2(widget, name);
        widget->ensurePolished();
        QCOMPARE(QFontInfo(widget->font()).family(), QFontInfo(main.font()).family());
    }
}

CORRAVIN_TEST(UnsavedInputTest)
#include "unsaved_input_test.moc"
