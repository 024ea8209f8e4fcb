#include "database/transaction_guard.h"
#include "seed.h"
#include "test_main.h"
#include "test_server.h"
#include "window_driver.h"

#include "entries/frm_class_assignments.h"
#include "entries/frm_entries.h"
#include "ui/check_box_grid.h"
#include "ui/standard_questions.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString TwoTeams = "One rider cannot be involved in two different 2 Person Relay Teams";
const QString NoPartner = "All riders entered in the 2 Person Relay must have a relay partner listed";

QString saveQuestion(int entries) {
    return QString("This will save all the changes made to this form. There are currently %1 entries for this team. "
                   "Are you sure you want to continue?")
        .arg(entries);
}

// A team of division B with riders numbered 101, 102, ...; answers the riders' indexes.
QList<qint32> seedTeam(MeetFixture& meet, const QString& name, int riders, int firstNumber = 101) {
    const qint32 team = Seed::team(meet, name);
    QList<qint32> indexes;
    for (int i = 1; i <= riders; ++i)
        indexes << Seed::rider(meet, team, QString("First%1").arg(i), QString("Last%1").arg(i),
                               QString::number(firstNumber + i - 1));
    return indexes;
}

qint32 teamCode(MeetFixture& meet, const QString& name) {
    return meet.scalar("SELECT TeamCode FROM TblTeam WHERE TeamName = ?", {name}).toInt();
}

// The grid of a team, built as "Add Entries" builds it (not shown: its controls are
// checked through what they would show), at the fixture's station or another.
std::unique_ptr<frmClassAssignments> openGrid(MeetFixture& meet, const QString& team, RunState* station = nullptr) {
    auto grid = std::make_unique<frmClassAssignments>(station ? *station : *meet.state);
    grid->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!grid->InitializeForm(teamCode(meet, team)))
        return nullptr;
    return grid;
}

void click(CheckBoxGrid& grid, int row, int classNumber) { grid.box(row, classNumber)->click(); }
} // namespace

class ClassEntriesTest : public QObject {
    Q_OBJECT
private slots:
    void pickerRefusesWithoutTeamOrRiders();
    void gridFitsTheSmallestScreenAndScrolls();
    void wideScreenShowsThePartnerColumnAtOnce();
    void relayClassOpensThePartnerBox();
    void storedEntriesAndPairingsAreShown();
    void typedPartnerStaysAsTyped();
    void relayRulesRefuseInOrder_data();
    void relayRulesRefuseInOrder();
    void submitReplacesOnlyTheTeamsRows();
    void failedSaveLeavesTheOldRowsAndTheGrid();
    void saveFromAnOutdatedGridIsRefused();
    void lostConnectionKeepsTheGridAndTheNextSubmitSaves();
};

void ClassEntriesTest::pickerRefusesWithoutTeamOrRiders() {
    MeetFixture meet;
    seedTeam(meet, "Hawks", 2);
    seedTeam(meet, "Empty", 0);
    Seed::team(meet, "Other", "A");
    FrmEntries picker(*meet.state);
    picker.Set_Division("B");
    auto* teams = control<QComboBox>(&picker, "CbTeamName");
    QCOMPARE(entries(teams), QStringList({"Empty", "Hawks"}));
    meet.messages.expectAppNotice("Please Provide the Team to be Entered")
        .expectAppNotice("There are currently no riders for the selected team.");
    picker.CmdSubmit_Click();
    teams->setCurrentIndex(0);
    picker.CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!picker.subWindow());

    teams->setCurrentIndex(1);
    picker.CmdSubmit_Click();
    QPointer<EntryWindow> grid = picker.subWindow();
    QVERIFY(grid && grid->isVisible());
    QVERIFY(!picker.isEnabled());
    grid->close();
    QVERIFY(picker.isEnabled());
}

// 12000 by 9000 twips: a window of 11900 by 8400 holds 14 columns and 8 rows.
void ClassEntriesTest::gridFitsTheSmallestScreenAndScrolls() {
    MeetFixture meet;
    seedTeam(meet, "Hawks", 5);
    auto window = openGrid(meet, "Hawks");
    CheckBoxGrid& grid = window->grid();
    QCOMPARE(grid.visibleCols(), 14);
    QCOMPARE(grid.visibleRows(), 8);
    QVERIFY(!grid.verticalBar()->isVisibleTo(window.get()));
    QVERIFY(grid.horizontalBar()->isVisibleTo(window.get()));
    QCOMPARE(grid.horizontalBar()->maximum(), 4);
    QCOMPARE(control<QLineEdit>(window.get(), "TxtTeam")->text(), QString("Hawks (B)"));
    QCOMPARE(control<QLabel>(window.get(), "lblrider_2")->text(), QString("First2 Last2 - (102)"));
    QVERIFY(shows(window.get(), "lbltitlearray_14") && !shows(window.get(), "lbltitlearray_15"));
    QVERIFY(!shows(window.get(), "Cbpartner_1"));
    QVERIFY(window->findChild<QWidget*>("Vertlinearray_14") && !window->findChild<QWidget*>("Vertlinearray_15"));
    QVERIFY(window->findChild<QWidget*>("Horzlinearray_6") && !window->findChild<QWidget*>("Horzlinearray_7"));

    grid.horizontalBar()->setValue(4);
    QCOMPARE(grid.firstCol(), 5);
    QCOMPARE(grid.lastCol(), 18);
    QVERIFY(!shows(window.get(), "lbltitlearray_4") && shows(window.get(), "lbltitlearray_5"));
    QVERIFY(shows(window.get(), "lbltitlearray_18") && shows(window.get(), "Cbpartner_5"));
    // Column 5 now stands where column 1 stood; the partner box in the 14th place.
    QCOMPARE(grid.box(3, 5)->x(), control<QWidget>(window.get(), "lbltitlearray_5")->x());
    QCOMPARE(grid.partnerBox(1)->x(), control<QWidget>(window.get(), "lbltitlearray_18")->x());
    QVERIFY(!grid.box(3, 4)->isVisibleTo(window.get()));
}

// The partner boxes stand in the view at once and scroll with their rows.
void ClassEntriesTest::wideScreenShowsThePartnerColumnAtOnce() {
    MeetFixture meet;
    meet.state->ScreenWidth = 15000;
    meet.state->ScreenHeight = 11000;
    seedTeam(meet, "Hawks", 20);
    auto window = openGrid(meet, "Hawks");
    QVERIFY(shows(window.get(), "Cbpartner_1") && shows(window.get(), "lbltitlearray_18"));
    window->grid().verticalBar()->setValue(window->grid().verticalBar()->maximum());
    QVERIFY(shows(window.get(), "Cbpartner_20") && !shows(window.get(), "Cbpartner_1"));
}

// The relay class opens the row's partner box, and closes and empties it again, however its
// box changes (here through assistive technology, a toggle without a click); an entrant left
// without a partner is refused.
void ClassEntriesTest::relayClassOpensThePartnerBox() {
    MeetFixture meet;
    seedTeam(meet, "Hawks", 6);
    auto window = openGrid(meet, "Hawks");
    CheckBoxGrid& grid = window->grid();
    auto toggle = [&] { pressAccessibly(grid.box(2, 17), QAccessibleActionInterface::toggleAction()); };
    QComboBox* partner = grid.partnerBox(2);
    QVERIFY(!partner->isEnabled());
    toggle();
    QVERIFY(partner->isEnabled());
    QCOMPARE(partner->count(), 6);
    QCOMPARE(partner->itemText(0), QString("101"));
    partner->setEditText("104");
    toggle();
    QVERIFY(!partner->isEnabled());
    QCOMPARE(partner->currentText(), QString());

    toggle();
    meet.messages.expectConfirm(saveQuestion(1), true).expectAppNotice(NoPartner);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.count("TblEntry"), 0);
}

void ClassEntriesTest::storedEntriesAndPairingsAreShown() {
    MeetFixture meet;
    const QList<qint32> riders = seedTeam(meet, "Hawks", 4);
    meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (17, ?), (3, ?), (18, ?)",
              {riders[0], riders[1], riders[1]});
    Seed::pairing(meet, riders[0], riders[2]);
    Seed::pairing(meet, riders[3], riders[0]);
    auto window = openGrid(meet, "Hawks");
    CheckBoxGrid& grid = window->grid();
    QVERIFY(grid.isTicked(1, 17) && grid.isTicked(2, 3));
    QCOMPARE(grid.tickedCount(), 2); // class 18 has no column and is left out
    QVERIFY(grid.partnerBox(1)->isEnabled());
    QCOMPARE(grid.partnerBox(1)->currentText(), QString("103"));
    // A pairing whose rider is not entered in the relay shows in a closed box.
    QVERIFY(!grid.partnerBox(4)->isEnabled());
    QCOMPARE(grid.partnerBox(4)->currentText(), QString("101"));
}

// What is typed in a partner box is neither completed to a team-mate's number ("2" to "20")
// nor added to the list every box shares; the box keeps its row's name for a screen reader.
void ClassEntriesTest::typedPartnerStaysAsTyped() {
    MeetFixture meet;
    meet.state->ScreenWidth = 15000;
    meet.state->ScreenHeight = 11000;
    const qint32 team = Seed::team(meet, "Hawks");
    for (const char* number : {"100", "20"})
        Seed::rider(meet, team, "Ann", "Lee", number);
    auto window = openGrid(meet, "Hawks");
    click(window->grid(), 1, 17);
    QComboBox* partner = window->grid().partnerBox(1);
    window->show(); // typed into the focused box, where completion works
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    partner->setFocus();
    QTest::keyClicks(partner->lineEdit(), "2");
    // Enter takes what is typed, and asks to save the grid as Submit does.
    meet.messages.expectConfirm("This will save all the changes made to this form. There are currently 1 entries "
                                "for this team. Are you sure you want to continue?",
                                false);
    QTest::keyClick(partner->lineEdit(), Qt::Key_Return);
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(partner->currentText(), QString("2"));
    QCOMPARE(entries(partner), QStringList({"100", "20"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(partner)->text(QAccessible::Name),
             QString("Ann Lee - (100), relay partner"));
}

void ClassEntriesTest::relayRulesRefuseInOrder_data() {
    QTest::addColumn<QList<int>>("entrants");
    QTest::addColumn<QStringList>("partners");
    QTest::addColumn<QString>("message");
    QTest::newRow("no partner") << QList<int>{1, 3} << QStringList{"102", ""} << NoPartner;
    QTest::newRow("same partner twice, by value") << QList<int>{1, 3} << QStringList{"102", "0102"} << TwoTeams;
    QTest::newRow("duplicate found before an empty box") << QList<int>{1, 2, 3} << QStringList{"104", "", "104"}
                                                         << TwoTeams;
    QTest::newRow("each names the other") << QList<int>{1, 2} << QStringList{"102", "101"} << TwoTeams;
    QTest::newRow("names himself") << QList<int>{1} << QStringList{"101"} << TwoTeams;
    QTest::newRow("rider of another team") << QList<int>{1} << QStringList{"201"}
                                           << "The relay partner 201 is not a rider of this team.";
    QTest::newRow("no such rider") << QList<int>{1} << QStringList{"x9"}
                                   << "The relay partner x9 is not a rider of this team.";
}

// Each refusal leaves the database as it was and the grid open with the edits.
void ClassEntriesTest::relayRulesRefuseInOrder() {
    QFETCH(QList<int>, entrants);
    QFETCH(QStringList, partners);
    QFETCH(QString, message);
    MeetFixture meet;
    const QList<qint32> riders = seedTeam(meet, "Hawks", 4);
    seedTeam(meet, "Owls", 1, 201);
    meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (5, ?)", {riders[3]});
    auto window = openGrid(meet, "Hawks");
    CheckBoxGrid& grid = window->grid();
    grid.setClassMax(17, 3);
    for (int i = 0; i < entrants.size(); ++i) {
        click(grid, entrants[i], 17);
        grid.partnerBox(entrants[i])->setEditText(partners[i]);
    }
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(saveQuestion(entrants.size() + 1), true).expectAppNotice(message);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(meet.column("SELECT ClassNumber || '/' || RiderIndex FROM TblEntry"),
             QStringList{QString("5/%1").arg(riders[3])});
    QCOMPARE(meet.count("TblPairing"), 0);
    QVERIFY(grid.isTicked(entrants[0], 17));
}

void ClassEntriesTest::submitReplacesOnlyTheTeamsRows() {
    MeetFixture meet;
    const QList<qint32> hawks = seedTeam(meet, "Hawks", 4);
    const QList<qint32> owls = seedTeam(meet, "Owls", 1, 201);
    meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (17, ?), (2, ?), (17, ?)",
              {hawks[0], hawks[1], owls[0]});
    Seed::pairing(meet, hawks[0], hawks[1]);
    Seed::pairing(meet, owls[0], owls[0]);
    auto window = openGrid(meet, "Hawks");
    CheckBoxGrid& grid = window->grid();
    click(grid, 1, 17); // the stored relay entry goes, with its pairing
    click(grid, 3, 17);
    grid.partnerBox(3)->setEditText("0104");
    click(grid, 4, 9);
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(saveQuestion(3), true);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(meet.column("SELECT ClassNumber || '/' || RiderIndex FROM TblEntry ORDER BY RiderIndex, ClassNumber"),
             QStringList({QString("2/%1").arg(hawks[1]), QString("17/%1").arg(hawks[2]), QString("9/%1").arg(hawks[3]),
                          QString("17/%1").arg(owls[0])}));
    QCOMPARE(meet.column("SELECT RiderIndex || ':' || PartnerIndex || ':' || PartnerNumber || ':' || PartnerFirst "
                         "FROM TblPairing ORDER BY RiderIndex"),
             QStringList({QString("%1:%2:104:First4").arg(hawks[2]).arg(hawks[3]),
                          QString("%1:%1:201:First1").arg(owls[0])}));

    // Nothing ticked: the question says 0 and every entry of the team goes.
    auto again = openGrid(meet, "Hawks");
    for (int row = 1; row <= 4; ++row)
        for (int c = 1; c <= 17; ++c)
            if (again->grid().isTicked(row, c))
                click(again->grid(), row, c);
    meet.messages.expectConfirm(saveQuestion(0), true);
    again->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.column("SELECT RiderIndex FROM TblEntry"), QStringList{QString::number(owls[0])});
    QCOMPARE(meet.count("TblPairing"), 1);
}

void ClassEntriesTest::failedSaveLeavesTheOldRowsAndTheGrid() {
    MeetFixture meet;
    const QList<qint32> riders = seedTeam(meet, "Hawks", 3);
    meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (4, ?)", {riders[0]});
    auto window = openGrid(meet, "Hawks");
    click(window->grid(), 2, 17);
    window->grid().partnerBox(2)->setEditText("103");
    meet.refuseInserts("TblPairing");
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(saveQuestion(2), true);
    window->CmdApply_Click();
    QCOMPARE(meet.messages.shown().size(), 2);
    QVERIFY(meet.messages.shown().at(1).contains("disk is full"));
    meet.messages.reset();
    QCOMPARE(closed.count(), 0);
    QCOMPARE(meet.column("SELECT ClassNumber || '/' || RiderIndex FROM TblEntry"),
             QStringList{QString("4/%1").arg(riders[0])});
    QVERIFY(window->grid().isTicked(2, 17));
    QCOMPARE(window->grid().partnerBox(2)->currentText(), QString("103"));
}

// Two stations open the grid of one team. The first save stands; the second, from a grid read
// before it, is refused and keeps its ticks. While a station holds the write lock past the
// other's wait, the other is told to try again, and can.
void ClassEntriesTest::saveFromAnOutdatedGridIsRefused() {
    MeetFixture meet;
    const QList<qint32> riders = seedTeam(meet, "Hawks", 2);
    OtherStation other(meet, 100);
    auto mine = openGrid(meet, "Hawks");
    auto theirs = openGrid(meet, "Hawks", &other.state);
    click(theirs->grid(), 1, 3);
    other.messages.expectConfirm(saveQuestion(1), true);
    theirs->CmdApply_Click();
    VERIFY_MESSAGES(other.messages);

    click(mine->grid(), 2, 5);
    QSignalSpy closed(mine.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(saveQuestion(1), true)
        .expectAppNotice("The entries of the team Hawks or its riders were changed at another station since this "
                         "window opened them. Your changes were not saved; close this window and open it again to "
                         "see them.");
    mine->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QVERIFY(mine->grid().isTicked(2, 5) && !mine->grid().isTicked(1, 3));
    const QStringList theirRows{QString("3/%1").arg(riders[0])};
    QCOMPARE(meet.column("SELECT ClassNumber || '/' || RiderIndex FROM TblEntry"), theirRows);

    auto again = openGrid(meet, "Hawks", &other.state);
    click(again->grid(), 2, 5);
    {
        const TransactionGuard holding(meet.db()); // the meet's write lock, on either engine
        other.messages.expectConfirm(saveQuestion(2), true)
            .expectNotice(Messages::appTitle(),
                          "Another station was saving to the meet at the same moment, so your change was not saved. "
                          "Please try again.",
                          Messages::Icon::Exclamation);
        again->CmdApply_Click();
        VERIFY_MESSAGES(other.messages);
    }
    QCOMPARE(meet.column("SELECT ClassNumber || '/' || RiderIndex FROM TblEntry"), theirRows);
    other.messages.expectConfirm(saveQuestion(2), true);
    again->CmdApply_Click();
    VERIFY_MESSAGES(other.messages);
    QCOMPARE(meet.count("TblEntry"), 2);
}

// The server ends the grid's session (a restart, a dropped network): the save is told as lost
// and keeps the ticks, a read says the same without speaking of a change, and the next Submit
// connects again and saves, never the failed one behind the secretary's back.
void ClassEntriesTest::lostConnectionKeepsTheGridAndTheNextSubmitSaves() {
    SKIP_ON_FILES("a meet file has no connection to lose");
    MeetFixture meet;
    seedTeam(meet, "Hawks", 2);
    const qint32 hawks = teamCode(meet, "Hawks");
    auto window = openGrid(meet, "Hawks");
    click(window->grid(), 1, 3);
    DbConnection watcher;
    watcher.open(meet.state->meetLocation());
    auto entries = [&] { return Sql::scalar(watcher.db(), "SELECT count(*) FROM TblEntry").toInt(); };
    QSignalSpy closed(window.get(), &EntryWindow::closed);

    QVERIFY(meet.endServerSession());
    meet.messages.expectConfirm(saveQuestion(1), true)
        .expectNotice(Messages::appTitle(), "The connection to the meet server was lost; your change was not saved.",
                      Messages::Icon::Critical);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QVERIFY(window->grid().isTicked(1, 3));
    QCOMPARE(entries(), 0);

    QVERIFY(meet.endServerSession());
    meet.messages.expectNotice(Messages::appTitle(), "The connection to the meet server was lost.",
                               Messages::Icon::Critical);
    frmClassAssignments another(*meet.state);
    another.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(!another.InitializeForm(hawks));
    VERIFY_MESSAGES(meet.messages);

    meet.messages.expectConfirm(saveQuestion(1), true);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(entries(), 1);
}

CORRAVIN_TEST(ClassEntriesTest)
#include "class_entries_test.moc"
