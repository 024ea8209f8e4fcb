#include "registration/frm_team.h"
#include "registration/frm_team_mgmt.h"
#include "seed.h"
#include "test_main.h"
#include "ui/standard_questions.h"
#include "window_driver.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QString SubmitError = "Submit Error";
const QString DeleteError = "Delete Error";
const QString TeamDeleteQuestion = "You are about to delete the selected team and coaches assigned to it. This action "
                               "cannot be undone. Are you sure you want to continue?";

QListWidget* teamList(FrmTeamMgmt& mgmt) {
    return control<QListWidget>(&mgmt, "LbTeam");
}

void clickTeam(FrmTeamMgmt& mgmt, int row) {
    teamList(mgmt)->setCurrentRow(row);
}

void fillTeam(FrmTeam* window, const QString& name, int division, const QString& district) {
    setText(window, "TxtTeam", name);
    choose(window, "CbDivision", division);
    setText(window, "TxtDistrict", district);
}
} // namespace

class TeamWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void submitValidatesInOrder_data();
    void submitValidatesInOrder();
    void addStoresTheTeamAsTypedAndLeavesNoSelection();
    void editFillsTheWindowAndSelectsTheTeamAgain();
    void answeringNoKeepsTheWindowAndWritesNothing();
    void sameNamedTeamsMapByPosition();
    void deleteRefusals_data();
    void deleteRefusals();
    void deleteRemovesTheTeamAndItsCoachesOnly();
    void teamWindowDisablesTheWindowsBeneathUntilItCloses();
};

void TeamWindowsTest::submitValidatesInOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("division");
    QTest::addColumn<QString>("district");
    QTest::addColumn<QString>("message");
    QTest::newRow("all empty: name only") << "" << -1 << ""
                                          << "The Team Name box must be filled in";
    QTest::newRow("no division") << "Lakeside" << -1 << ""
                                 << "You must select a division for this team";
    QTest::newRow("no district") << "Lakeside" << 1 << ""
                                 << "You must specify the district of this team";
    QTest::newRow("blank name passes") << "  " << 2 << ""
                                       << "You must specify the district of this team";
}

void TeamWindowsTest::submitValidatesInOrder() {
    QFETCH(QString, name);
    QFETCH(int, division);
    QFETCH(QString, district);
    QFETCH(QString, message);
    MeetFixture meet;
    FrmTeam window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Initialize_Add();
    fillTeam(&window, name, division, district);
    QSignalSpy closed(&window, &FrmTeam::closed);
    meet.messages.expectConfirm(StandardQuestions::saveText(), true).expectNotice(SubmitError, message);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(control<QLineEdit>(&window, "TxtTeam")->text(), name);
    QCOMPARE(meet.count("TblTeam"), 0);
}

void TeamWindowsTest::addStoresTheTeamAsTypedAndLeavesNoSelection() {
    MeetFixture meet;
    Seed::team(meet, "Lakeside", "B");
    FrmTeamMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    clickTeam(mgmt, 0);

    mgmt.CmdAddTeam_Click();
    QCOMPARE(mgmt.selectedTeam(), -1);
    FrmTeam* window = mgmt.teamWindow();
    QVERIFY(window);
    QCOMPARE(control<QComboBox>(window, "CbDivision")->currentIndex(), -1);
    fillTeam(window, "O'Brien's \"100%\" Zoë_*", 0, "7'");
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window->CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    flushClosedWindows();
    QVERIFY(!mgmt.teamWindow());

    QCOMPARE(meet.scalar("SELECT TeamName || '|' || Division || '|' || District FROM TblTeam WHERE Division = 'A'")
                 .toString(),
             QString("O'Brien's \"100%\" Zoë_*|A|7'"));
    QCOMPARE(entries(teamList(mgmt)), QStringList({"Lakeside (B)", "O'Brien's \"100%\" Zoë_* (A)"}));
    QCOMPARE(teamList(mgmt)->selectedItems().size(), 0);
}

void TeamWindowsTest::editFillsTheWindowAndSelectsTheTeamAgain() {
    MeetFixture meet;
    Seed::team(meet, "Alder", "A");
    // A code beyond 16 bits must reach the team window whole.
    meet.exec("INSERT INTO TblTeam (TeamCode, TeamName, Division, District) VALUES (70000, 'Lakeside', 'C', '12')");
    FrmTeamMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    clickTeam(mgmt, 1);
    QCOMPARE(mgmt.selectedTeam(), 70000);

    mgmt.CmdEditTeam_Click();
    FrmTeam* window = mgmt.teamWindow();
    QVERIFY(window);
    QCOMPARE(control<QLineEdit>(window, "TxtTeam")->text(), QString("Lakeside"));
    QCOMPARE(control<QComboBox>(window, "CbDivision")->currentText(), QString("C"));
    QCOMPARE(control<QLineEdit>(window, "TxtDistrict")->text(), QString("12"));
    fillTeam(window, "Zebra Hill", 3, "9");
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window->CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);

    QCOMPARE(meet.scalar("SELECT TeamName || Division || District FROM TblTeam WHERE TeamCode = 70000").toString(),
             QString("Zebra HillD9"));
    QCOMPARE(meet.count("TblTeam"), 2);
    QCOMPARE(entries(teamList(mgmt)), QStringList({"Alder (A)", "Zebra Hill (D)"}));
    QCOMPARE(teamList(mgmt)->currentRow(), 1);
    QCOMPARE(mgmt.selectedTeam(), 70000);
}

void TeamWindowsTest::answeringNoKeepsTheWindowAndWritesNothing() {
    MeetFixture meet;
    FrmTeam window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Initialize_Add();
    fillTeam(&window, "Lakeside", 1, "3");
    QSignalSpy closed(&window, &FrmTeam::closed);
    meet.messages.expectConfirm(StandardQuestions::saveText(), false)
        .expectConfirm(StandardQuestions::cancelText(), false);
    window.CmdSubmit_Click();
    window.CmdCancel_Click();
    QCOMPARE(closed.count(), 0);
    meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    window.CmdCancel_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(meet.count("TblTeam"), 0);
}

void TeamWindowsTest::sameNamedTeamsMapByPosition() {
    MeetFixture meet;
    const qint32 first = Seed::team(meet, "Lakeside", "B");
    const qint32 second = Seed::team(meet, "Lakeside", "B");
    FrmTeamMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    QCOMPARE(entries(teamList(mgmt)), QStringList({"Lakeside (B)", "Lakeside (B)"}));
    clickTeam(mgmt, 1);
    QCOMPARE(mgmt.selectedTeam(), second);
    clickTeam(mgmt, 0);
    QCOMPARE(mgmt.selectedTeam(), first);
    // The arrow keys select as the mouse does: Edit and Delete act on the highlighted team.
    QTest::keyClick(teamList(mgmt), Qt::Key_Down);
    QCOMPARE(mgmt.selectedTeam(), second);
}

void TeamWindowsTest::deleteRefusals_data() {
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("withRider");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing selected") << false << false << "You must select a team to Delete";
    QTest::newRow("team with a rider") << true << true
                                       << "You cannot delete a team that currently has riders belonging to it";
}

void TeamWindowsTest::deleteRefusals() {
    QFETCH(bool, select);
    QFETCH(bool, withRider);
    QFETCH(QString, message);
    MeetFixture meet;
    const qint32 team = Seed::team(meet, "Lakeside");
    Seed::coach(meet, team, "John", "Smith");
    if (withRider)
        Seed::rider(meet, team, "Anna", "Smith", "12");
    FrmTeamMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    if (select)
        clickTeam(mgmt, 0);
    meet.messages.expectNotice(DeleteError, message);
    mgmt.CmdDeleteTeam_Click();
    if (!select) {
        meet.messages.expectNotice("Edit Error", "You must select a team before you can edit it");
        mgmt.CmdEditTeam_Click();
        QVERIFY(!mgmt.teamWindow());
    }
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.count("TblTeam"), 1);
    QCOMPARE(meet.count("TblCoach"), 1);
}

void TeamWindowsTest::deleteRemovesTheTeamAndItsCoachesOnly() {
    MeetFixture meet;
    const qint32 doomed = Seed::team(meet, "Alder");
    const qint32 kept = Seed::team(meet, "Birch");
    Seed::coach(meet, doomed, "John", "Smith");
    Seed::coach(meet, doomed, "Jane", "Doe", "Assistant Coach");
    Seed::coach(meet, kept, "Ken", "Lee");
    FrmTeamMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    clickTeam(mgmt, 0);

    meet.messages.expectConfirm(TeamDeleteQuestion, false);
    mgmt.CmdDeleteTeam_Click();
    QCOMPARE(meet.count("TblTeam"), 2);

    meet.messages.expectConfirm(TeamDeleteQuestion, true);
    mgmt.CmdDeleteTeam_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.column("SELECT TeamCode FROM TblTeam"), QStringList{QString::number(kept)});
    QCOMPARE(meet.column("SELECT LastName FROM TblCoach"), QStringList{"Lee"});
    QCOMPARE(entries(teamList(mgmt)), QStringList({"Birch (B)"}));
    QCOMPARE(mgmt.selectedTeam(), -1);
}

void TeamWindowsTest::teamWindowDisablesTheWindowsBeneathUntilItCloses() {
    MeetFixture meet;
    FrmTeamMgmt mgmt(*meet.state);
    mgmt.show();
    mgmt.CmdAddTeam_Click();
    QVERIFY(!mgmt.isEnabled());
    QVERIFY(mgmt.teamWindow()->isVisible());
    QVERIFY(mgmt.teamWindow()->isEnabled());
    meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    mgmt.teamWindow()->CmdCancel_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(mgmt.isEnabled());
}

CORRAVIN_TEST(TeamWindowsTest)
#include "team_windows_test.moc"
