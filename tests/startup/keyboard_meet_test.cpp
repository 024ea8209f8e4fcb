#include "meet_fixture.h"
#include "test_main.h"
#include "window_driver.h"

#include "reports/frm_report_preview.h"
#include "startup/frm_main.h"
#include "startup/frm_settings.h"
#include "startup/frm_utilities.h"
#include "ui/clickable_label.h"
#include "startup/sub_main.h"
#include "ui/standard_questions.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTest>

// A whole meet run by keyboard alone: every step is a key pressed in the control that has the
// focus (or the open menu), as the secretary's keys reach it.
namespace {
QWidget* keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

QString focused() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(no focus)");
}

void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = keyTarget();
    QVERIFY2(target, "no window has the keyboard");
    QTest::keyClick(target, key, modifiers);
}

void type(const QString& text) {
    QWidget* target = keyTarget();
    QVERIFY2(target, "no window has the keyboard");
    QTest::keyClicks(target, text);
}

// Presses Tab (Shift+Tab backwards) until the control of that name has the focus.
#define TAB_TO(name)                                                                                                   \
    do {                                                                                                               \
        for (int tabs_ = 0; tabs_ < 80 && focused() != (name); ++tabs_)                                               \
            key(Qt::Key_Tab);                                                                                          \
        QVERIFY2(focused() == (name), qPrintable(QStringLiteral("Tab never reached %1 (in %2)")                       \
                                                     .arg(name, QApplication::activeWindow()                          \
                                                                    ? QApplication::activeWindow()->objectName()      \
                                                                    : QStringLiteral("no window"))));                \
    } while (false)

#define ACTIVE_WINDOW_IS(name)                                                                                         \
    QTRY_COMPARE(QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : QString(), QString(name))

// Tabs to a field and types into it.
#define FILL(name, text)                                                                                               \
    do {                                                                                                               \
        TAB_TO(name);                                                                                                  \
        type(text);                                                                                                    \
    } while (false)

const QString SettingsQuestion = "These settings are vital to the programs operation and should not be changed once "
                                 "information is entered into the program. Are you sure you want to continue?";
} // namespace

class KeyboardMeetTest : public QObject {
    Q_OBJECT
private slots:
    void aWholeMeetByKeyboard();
    void keysAndAssistiveTechnologyPressOnlyWhatAClickWould();
};

void KeyboardMeetTest::aWholeMeetByKeyboard() {
    MeetFixture meet(false);
    ScriptedMessages& messages = meet.messages;
    SubMain subMain(*meet.state);
    QVERIFY(!subMain.Main({meet.programFolder(), QSize(12000, 9000)}));
    FrmMain& main = *subMain.mainForm();

    // First start: the region letter, Enter for Submit.
    ACTIVE_WINDOW_IS("FrmSettings");
    FILL("TxtRegionLetter", "B");
    messages.expectConfirm(SettingsQuestion, true);
    key(Qt::Key_Return);
    VERIFY_MESSAGES(messages);
    ACTIVE_WINDOW_IS("FrmMain");
    QCOMPARE(meet.state->CurrentRegion, QString("B"));

    // The division, then Administration > Teams > Add Team.
    TAB_TO("CbDivision");
    type("B");
    QCOMPARE(main.divisionText(), QString("B"));
    TAB_TO("CmdAdmin_0");
    key(Qt::Key_Space);
    QCOMPARE(focused(), QString("CmdAdmin_1")); // the same menu's button on the panel now shown
    TAB_TO("CmdActivity_1");
    key(Qt::Key_Space);
    TAB_TO("CmdAddTeam");
    key(Qt::Key_Space);
    ACTIVE_WINDOW_IS("FrmTeam");
    FILL("TxtTeam", "Lakeside");
    TAB_TO("CbDivision");
    type("B");
    FILL("TxtDistrict", "7");
    messages.expectConfirm(StandardQuestions::saveText(), true);
    key(Qt::Key_Return);
    VERIFY_MESSAGES(messages);
    QCOMPARE(meet.column("SELECT TeamName || '/' || Division || '/' || District FROM TblTeam"),
             QStringList{"Lakeside/B/7"});
    ACTIVE_WINDOW_IS("FrmMain");

    // Coaches: the team, Add Coach.
    TAB_TO("CmdActivity_2");
    key(Qt::Key_Space);
    TAB_TO("CbTeam");
    type("L");
    TAB_TO("CmdAddCoach");
    key(Qt::Key_Space);
    ACTIVE_WINDOW_IS("FrmCoach");
    FILL("TxtFirst", "Cora");
    FILL("TxtLast", "Hale");
    TAB_TO("CbPosition");
    type("H");
    messages.expectConfirm(StandardQuestions::saveText(), true);
    key(Qt::Key_Return);
    VERIFY_MESSAGES(messages);
    QCOMPARE(meet.column("SELECT FirstName || ' ' || Position FROM TblCoach"), QStringList{"Cora Head Coach"});
    ACTIVE_WINDOW_IS("FrmMain");

    // Three riders; Escape in a fourth asks Cancel's question and keeps nothing.
    TAB_TO("CmdActivity_3");
    key(Qt::Key_Space);
    const QStringList riders[] = {{"1", "Ann", "Adams"}, {"2", "Bea", "Baker"}, {"3", "Cal", "Cole"}};
    for (const QStringList& rider : riders) {
        TAB_TO("CmdAdd");
        key(Qt::Key_Space);
        ACTIVE_WINDOW_IS("FrmRider");
        FILL("RiderListBoxArray_0", rider[0]);
        TAB_TO("LbTeamCode");
        type("L");
        FILL("RiderListBoxArray_1", rider[1]);
        FILL("RiderListBoxArray_2", rider[2]);
        messages.expectConfirm(StandardQuestions::saveText(), true);
        key(Qt::Key_Return);
        VERIFY_MESSAGES(messages);
        ACTIVE_WINDOW_IS("FrmMain");
    }
    TAB_TO("CmdAdd");
    key(Qt::Key_Space);
    ACTIVE_WINDOW_IS("FrmRider");
    FILL("RiderListBoxArray_1", "Dee");
    messages.expectConfirm(StandardQuestions::cancelText(), true);
    key(Qt::Key_Escape);
    VERIFY_MESSAGES(messages);
    ACTIVE_WINDOW_IS("FrmMain");
    QCOMPARE(meet.count("TblPerson"), 3);

    // Numbers: Utilities (Alt+U) > Assign Rider #s > Sequentially, 101 to 199.
    key(Qt::Key_U, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    key(Qt::Key_Return); // its first entry
    ACTIVE_WINDOW_IS("FrmAssignNumbers");
    TAB_TO("cmdSequential");
    key(Qt::Key_Space);
    QCOMPARE(focused(), QString("TxtSeqRange1"));
    type("101");
    FILL("TxtSeqRange2", "199");
    messages.expectAppNotice("The sequential number assignment was successful.");
    key(Qt::Key_Return);
    VERIFY_MESSAGES(messages);
    QCOMPARE(meet.column("SELECT FirstName || ' ' || RiderNumber FROM TblPerson ORDER BY RiderNumber"),
             (QStringList{"Ann 101", "Bea 102", "Cal 103"}));
    key(Qt::Key_Escape); // Close
    ACTIVE_WINDOW_IS("FrmMain");

    // Entries: Entry Booth > Rider Entries, the team, Enter for Add Entries. Ann in class 1
    // and in the relay with Bea (102), by arrows and Space.
    TAB_TO("CmdEntryBooth_1");
    key(Qt::Key_Space);
    TAB_TO("CmdActivity_8");
    key(Qt::Key_Space);
    TAB_TO("CbTeamName");
    type("L");
    key(Qt::Key_Return);
    ACTIVE_WINDOW_IS("frmClassAssignments");
    QCOMPARE(focused(), QString("ChbArrayControl_1"));
    key(Qt::Key_Space);
    for (int c = 1; c < 17; ++c)
        key(Qt::Key_Right);
    QCOMPARE(focused(), QString("ChbArrayControl_17"));
    key(Qt::Key_Space);
    key(Qt::Key_Right);
    QCOMPARE(focused(), QString("Cbpartner_1"));
    type("102");
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QString("ChbArrayControl_17"));
    key(Qt::Key_Down); // Bea's relay box
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    QCOMPARE(focused(), QString("ChbArrayControl_50")); // Cal, class 16
    messages.expectConfirm("This will save all the changes made to this form. There are currently 2 entries for this "
                           "team. Are you sure you want to continue?",
                           true);
    key(Qt::Key_Return);
    VERIFY_MESSAGES(messages);
    QCOMPARE(meet.column("SELECT p.FirstName || ' ' || e.ClassNumber FROM TblEntry e JOIN TblPerson p ON "
                         "p.RiderIndex = e.RiderIndex ORDER BY e.ClassNumber"),
             (QStringList{"Ann 1", "Ann 17"}));
    QCOMPARE(meet.column("SELECT PartnerFirst FROM TblPairing"), QStringList{"Bea"});
    ACTIVE_WINDOW_IS("FrmMain");

    // Two judges, and their classes 1 and 17 in the judge grid.
    TAB_TO("CmdAdmin_3");
    key(Qt::Key_Space);
    TAB_TO("CmdActivity_4");
    key(Qt::Key_Space);
    for (const QString& last : {QString("Marsh"), QString("North")}) {
        TAB_TO("CmdAddJudge");
        key(Qt::Key_Space);
        ACTIVE_WINDOW_IS("FrmJudge");
        FILL("TxtFirst", "Jo");
        FILL("TxtLast", last);
        messages.expectConfirm(StandardQuestions::saveText(), true);
        key(Qt::Key_Return);
        VERIFY_MESSAGES(messages);
        ACTIVE_WINDOW_IS("FrmMain");
    }
    TAB_TO("CmdMeetSetup_1");
    key(Qt::Key_Space);
    TAB_TO("CmdActivity_5");
    key(Qt::Key_Space);
    TAB_TO("CmdAssignclasses");
    key(Qt::Key_Space);
    ACTIVE_WINDOW_IS("FrmJudgeAssignments");
    TAB_TO("ChbArrayControl_1");
    key(Qt::Key_Space);
    for (int c = 1; c < 17; ++c)
        key(Qt::Key_Right);
    key(Qt::Key_Space);
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    for (int c = 1; c < 17; ++c)
        key(Qt::Key_Left);
    key(Qt::Key_Space);
    messages.expectConfirm("You are about to save the changes you have made to the judge assignments. Are you sure "
                           "you want to continue?",
                           true);
    key(Qt::Key_Return);
    VERIFY_MESSAGES(messages);
    QCOMPARE(meet.column("SELECT ClassNumber || Division FROM TblClassJudges ORDER BY ClassNumber"),
             (QStringList{"1B", "1B", "17B", "17B"}));
    ACTIVE_WINDOW_IS("FrmMain");

    // Placings of classes 1 and 17: the class, Enter for Add Placings, the first place, Enter.
    TAB_TO("CmdEntryBooth_2");
    key(Qt::Key_Space);
    TAB_TO("CmdActivity_10");
    key(Qt::Key_Space);
    for (const Qt::Key firstOrLast : {Qt::Key_Home, Qt::Key_End}) { // classes 1 and 17
        TAB_TO("CbClass");
        key(firstOrLast);
        key(Qt::Key_Return);
        ACTIVE_WINDOW_IS("FrmPlaceAssign");
        TAB_TO("CbPlacing1_0");
        type("1");
        TAB_TO("CbPlacing2_0");
        type("1");
        messages.expectConfirm(StandardQuestions::saveText(), true);
        key(Qt::Key_Return);
        VERIFY_MESSAGES(messages);
        ACTIVE_WINDOW_IS("FrmMain");
    }
    QCOMPARE(meet.column("SELECT ClassNumber || ':' || Place || ':' || RiderIndex FROM TblPlacing "
                         "ORDER BY ClassNumber, JudgeID"),
             (QStringList{"1:1:1", "1:1:1", "17:1:1", "17:1:1"}));

    // The standings open in their preview, which Escape closes; so does a class sheet's.
    TAB_TO("CmdReports_3");
    key(Qt::Key_Space);
    TAB_TO("CmdActivity_11");
    key(Qt::Key_Space);
    QTRY_VERIFY(qobject_cast<FrmReportPreview*>(QApplication::activeWindow()));
    key(Qt::Key_Escape);
    ACTIVE_WINDOW_IS("FrmMain");
    QCOMPARE(main.CurrentActivity(), 0);
    TAB_TO("CmdEntryBooth_4");
    key(Qt::Key_Space);
    TAB_TO("CmdActivity_9");
    key(Qt::Key_Space);
    TAB_TO("CbClass");
    key(Qt::Key_End);
    TAB_TO("cmdSequential");
    key(Qt::Key_Space);
    QTRY_VERIFY(qobject_cast<FrmReportPreview*>(QApplication::activeWindow()));
    TAB_TO("CmdClose");
    key(Qt::Key_Return);
    ACTIVE_WINDOW_IS("FrmMain");
    VERIFY_MESSAGES(messages);
}

// At the first start Cancel is disabled, so Escape cancels nothing. While the settings are open
// the main window is disabled and its Settings label opens nothing, by key or press action;
// Escape then asks Cancel's question. The Utilities label opens its menu by press action too.
void KeyboardMeetTest::keysAndAssistiveTechnologyPressOnlyWhatAClickWould() {
    MeetFixture meet(false);
    SubMain subMain(*meet.state);
    QVERIFY(!subMain.Main({meet.programFolder(), QSize(12000, 9000)}));
    FrmMain& main = *subMain.mainForm();
    ACTIVE_WINDOW_IS("FrmSettings");
    key(Qt::Key_Escape);
    QVERIFY(main.settingsWindow()->isVisible());
    FILL("TxtRegionLetter", "B");
    meet.messages.expectConfirm(SettingsQuestion, true);
    key(Qt::Key_Return);
    ACTIVE_WINDOW_IS("FrmMain");
    VERIFY_MESSAGES(meet.messages);

    key(Qt::Key_S, Qt::AltModifier);
    ACTIVE_WINDOW_IS("FrmSettings");
    QPointer<FrmSettings> settings = main.settingsWindow();
    auto* label = main.findChild<ClickableLabel*>("LblSettings");
    pressAccessibly(label, QAccessibleActionInterface::pressAction());
    QTest::keyClick(label, Qt::Key_Space);
    QCOMPARE(main.settingsWindow(), settings.data());
    meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    key(Qt::Key_Escape);
    VERIFY_MESSAGES(meet.messages);
    ACTIVE_WINDOW_IS("FrmMain");

    auto* utilities = main.findChild<ClickableLabel*>("LblUtilities");
    QCOMPARE(QAccessible::queryAccessibleInterface(utilities)->text(QAccessible::Name), QString("Utilities"));
    pressAccessibly(utilities, QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(qobject_cast<FrmUtilities*>(QApplication::activePopupWidget()));
    key(Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

CORRAVIN_TEST(KeyboardMeetTest)
#include "keyboard_meet_test.moc"
