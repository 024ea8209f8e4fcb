#include "registration/frm_coach.h"
#include "registration/frm_coach_mgmt.h"
#include "seed.h"
#include "test_main.h"
#include "ui/standard_questions.h"
#include "window_driver.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString CoachDeleteQuestion =
    "Clicking OK will delete the selected Coach and cannot be undone. Are you sure you want to continue?";

QComboBox* teamBox(FrmCoachMgmt& mgmt) {
    return control<QComboBox>(&mgmt, "CbTeam");
}
QListWidget* coachList(FrmCoachMgmt& mgmt) {
    return control<QListWidget>(&mgmt, "LbCoaches");
}

void chooseTeam(FrmCoachMgmt& mgmt, int index) {
    teamBox(mgmt)->setCurrentIndex(index);
    mgmt.CbTeam_Click();
}

void clickCoach(FrmCoachMgmt& mgmt, int row) {
    coachList(mgmt)->setCurrentRow(row);
}
} // namespace

class CoachWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void submitValidatesInOrder_data();
    void submitValidatesInOrder();
    void listsTeamsAndCoachesHeadCoachesFirst();
    void addStoresEveryFieldForTheChosenTeam();
    void editKeepsTheTeamAndClearsTheCoachSelection();
    void savingACoachDeletedMeanwhileSaysSo();
    void unknownPositionIsEditedAsAssistant();
    void refusalsBeforeAChoice();
    void deleteAsksThenRemovesOneCoach();
    void reportWithoutTeamsSaysSo();
};

void CoachWindowsTest::submitValidatesInOrder_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("message");
    QTest::newRow("all empty") << ""
                               << "" << -1 << "The First Name box must be filled in";
    QTest::newRow("no last name") << "John"
                                  << "" << 0 << "The Last Name box must be filled in";
    QTest::newRow("no position") << "John"
                                 << "Smith" << -1 << "The Position box must have a valid entry";
}

void CoachWindowsTest::submitValidatesInOrder() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, position);
    QFETCH(QString, message);
    MeetFixture meet;
    FrmCoach window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Initialize_Add(Seed::team(meet, "Lakeside"));
    setText(&window, "TxtFirst", first);
    setText(&window, "TxtLast", last);
    choose(&window, "CbPosition", position);
    QSignalSpy closed(&window, &FrmCoach::closed);
    meet.messages.expectConfirm(StandardQuestions::saveText(), true).expectNotice("Submit Error", message);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(meet.count("TblCoach"), 0);
}

void CoachWindowsTest::listsTeamsAndCoachesHeadCoachesFirst() {
    MeetFixture meet;
    Seed::team(meet, "Oak", "C");
    const qint32 lakeside = Seed::team(meet, "Lakeside", "B");
    Seed::coach(meet, lakeside, "Amy", "Adams", "Assistant Coach");
    Seed::coach(meet, lakeside, "John", "Smith", "Head Coach");
    Seed::coach(meet, lakeside, "Bea", "Brown", "Assistant Coach");
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    QCOMPARE(entries(teamBox(mgmt)), QStringList({"Lakeside (B)", "Oak (C)"}));
    QCOMPARE(coachList(mgmt)->count(), 0);
    chooseTeam(mgmt, 0);
    QCOMPARE(mgmt.selectedTeam(), lakeside);
    QCOMPARE(control<QLabel>(&mgmt, "LblCurrentTeam")->text(), QString("Lakeside"));
    QCOMPARE(entries(coachList(mgmt)),
             QStringList({"Smith, John - Head Coach", "Adams, Amy - Assistant Coach", "Brown, Bea - Assistant Coach"}));
    clickCoach(mgmt, 2);
    QVERIFY(mgmt.selectedCoach() > 0);
    chooseTeam(mgmt, 1);
    QCOMPARE(mgmt.selectedCoach(), -1);
    QCOMPARE(coachList(mgmt)->count(), 0);
}

void CoachWindowsTest::addStoresEveryFieldForTheChosenTeam() {
    MeetFixture meet;
    Seed::team(meet, "Alder", "A");
    const qint32 lakeside = Seed::team(meet, "Lakeside", "B");
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    chooseTeam(mgmt, 1);
    mgmt.CmdAddCoach_Click();
    FrmCoach* window = mgmt.coachWindow();
    QVERIFY(window);
    QCOMPARE(entries(control<QComboBox>(window, "CbPosition")), QStringList({"Head Coach", "Assistant Coach"}));
    const QStringList boxes{"TxtFirst", "TxtLast",    "TxtAddress",   "TxtCity",
                            "TxtZip",   "TxtPrimary", "TxtSecondary", "TxtEmail"};
    const QStringList typed{"Zoë", "O'Brien", "1 \"Elm\" St", "Cork_*", "12%45", "555-1", "", "z@x.ie"};
    for (int i = 0; i < boxes.size(); ++i)
        setText(window, boxes[i], typed[i]);
    choose(window, "CbPosition", 1);
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window->CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.scalar("SELECT FirstName||'|'||LastName||'|'||Address||'|'||City||'|'||Zip||'|'||\"Primary\"||'|'||"
                         "Secondary||'|'||Email||'|'||Position||'|'||TeamCode FROM TblCoach")
                 .toString(),
             typed.join('|') + "|Assistant Coach|" + QString::number(lakeside));
    // Returning from the coach window shows the same team with its coaches, none chosen.
    QCOMPARE(teamBox(mgmt)->currentIndex(), 1);
    QCOMPARE(entries(coachList(mgmt)), QStringList({"O'Brien, Zoë - Assistant Coach"}));
    QCOMPARE(mgmt.selectedCoach(), -1);
}

void CoachWindowsTest::editKeepsTheTeamAndClearsTheCoachSelection() {
    MeetFixture meet;
    const qint32 team = Seed::team(meet, "Lakeside");
    const qint32 coach = Seed::coach(meet, team, "John", "Smith");
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    chooseTeam(mgmt, 0);
    clickCoach(mgmt, 0);
    mgmt.CmdEditCoach_Click();
    FrmCoach* window = mgmt.coachWindow();
    QVERIFY(window);
    QCOMPARE(control<QLineEdit>(window, "TxtFirst")->text(), QString("John"));
    QCOMPARE(control<QComboBox>(window, "CbPosition")->currentText(), QString("Head Coach"));
    setText(window, "TxtLast", "Smyth");
    meet.messages.expectConfirm(StandardQuestions::saveText(), true)
        .expectAppNotice("You must first select the coach you want to edit.");
    window->CmdSubmit_Click();
    mgmt.CmdEditCoach_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.scalar("SELECT LastName || TeamCode FROM TblCoach WHERE CoachCode = ?", {coach}).toString(),
             "Smyth" + QString::number(team));
    QCOMPARE(entries(coachList(mgmt)), QStringList({"Smyth, John - Head Coach"}));
}

// A coach deleted while its window was open is not "saved": the user is told and the
// window stays open with the input.
void CoachWindowsTest::savingACoachDeletedMeanwhileSaysSo() {
    MeetFixture meet;
    const qint32 coach = Seed::coach(meet, Seed::team(meet, "Lakeside"), "John", "Smith");
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    chooseTeam(mgmt, 0);
    clickCoach(mgmt, 0);
    mgmt.CmdEditCoach_Click();
    QPointer<FrmCoach> window = mgmt.coachWindow();
    setText(window, "TxtLast", "Smyth");
    meet.exec("DELETE FROM TblCoach WHERE CoachCode = ?", {coach});
    meet.messages.expectConfirm(StandardQuestions::saveText(), true)
        .expectAppNotice("The selected coach no longer exists.")
        .expectConfirm("Clicking OK will delete the selected Coach and cannot be undone. Are you sure you want to "
                       "continue?",
                       true)
        .expectAppNotice("The selected coach no longer exists.");
    window->CmdSubmit_Click();
    QVERIFY(window && window->isVisible());
    QCOMPARE(control<QLineEdit>(window, "TxtLast")->text(), QString("Smyth"));
    mgmt.CmdDeleteCoach_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.count("TblCoach"), 0);
}

void CoachWindowsTest::unknownPositionIsEditedAsAssistant() {
    MeetFixture meet;
    const qint32 coach = Seed::coach(meet, Seed::team(meet, "Lakeside"), "John", "Smith", "Groom");
    FrmCoach window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(window.Initialize_Edit(coach));
    QCOMPARE(control<QComboBox>(&window, "CbPosition")->currentText(), QString("Assistant Coach"));
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.scalar("SELECT Position FROM TblCoach").toString(), QString("Assistant Coach"));
}

void CoachWindowsTest::refusalsBeforeAChoice() {
    MeetFixture meet;
    Seed::coach(meet, Seed::team(meet, "Lakeside"), "John", "Smith");
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    meet.messages.expectAppNotice("You must first select the team you want to add the coach to.")
        .expectAppNotice("You must first select the coach you want to edit.")
        .expectNotice("Delete Error", "You must select a coach to delete");
    mgmt.CmdAddCoach_Click();
    mgmt.CmdEditCoach_Click();
    mgmt.CmdDeleteCoach_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!mgmt.coachWindow());
    QCOMPARE(meet.count("TblCoach"), 1);
}

void CoachWindowsTest::deleteAsksThenRemovesOneCoach() {
    MeetFixture meet;
    const qint32 team = Seed::team(meet, "Lakeside");
    Seed::coach(meet, team, "John", "Smith");
    Seed::coach(meet, team, "Amy", "Adams", "Assistant Coach");
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    chooseTeam(mgmt, 0);
    clickCoach(mgmt, 1);
    meet.messages.expectConfirm(CoachDeleteQuestion, false);
    mgmt.CmdDeleteCoach_Click();
    QCOMPARE(meet.count("TblCoach"), 2);
    meet.messages.expectConfirm(CoachDeleteQuestion, true);
    mgmt.CmdDeleteCoach_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.column("SELECT LastName FROM TblCoach"), QStringList{"Smith"});
    QCOMPARE(entries(coachList(mgmt)), QStringList({"Smith, John - Head Coach"}));
    QCOMPARE(mgmt.selectedCoach(), -1);
}

void CoachWindowsTest::reportWithoutTeamsSaysSo() {
    MeetFixture meet;
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    meet.messages.expectAppNotice("There are currently no coaches entered.");
    mgmt.CmdCoachReport_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!mgmt.reportWindow());
}

CORRAVIN_TEST(CoachWindowsTest)
#include "coach_windows_test.moc"
