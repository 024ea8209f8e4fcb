#include "judging_fixture.h"
#include "test_main.h"

#include "judging/frm_judge_assignments.h"
#include "judging/frm_judge_class_mgmt.h"
#include "judging/frm_judge_mgmt.h"
#include "ui/check_box_grid.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString AssignSave = "You are about to save the changes you have made to the judge assignments. Are you sure "
                           "you want to continue?";
const QString AssignTwo = "You must have 2 assigned to a class";

// Judges Judge1 Last1, Judge2 Last2, ... in the order they were added.
QList<qint32> seedJudges(MeetFixture& meet, int count) {
    QList<qint32> ids;
    for (int i = 1; i <= count; ++i)
        ids << JudgingSeed::judge(meet, QString("Judge%1").arg(i), QString("Last%1").arg(i));
    return ids;
}

// The grid of a division, built as "Create Judging Assignments" builds it, not shown.
std::unique_ptr<FrmJudgeAssignments> openAssignments(MeetFixture& meet, const QString& division) {
    auto grid = std::make_unique<FrmJudgeAssignments>(*meet.state);
    grid->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!grid->InitializeForm(division))
        return nullptr;
    return grid;
}

void tickBox(CheckBoxGrid& grid, int row, int classNumber) { grid.box(row, classNumber)->click(); }

QStringList divisionRows(MeetFixture& meet, const QString& division) {
    return JudgingSeed::column(
        meet, QString("SELECT ClassNumber || '/' || JudgeID FROM TblClassJudges WHERE Division = '%1' "
                      "ORDER BY ClassNumber, JudgeID")
                  .arg(division));
}
} // namespace

class JudgeAssignmentsTest : public QObject {
    Q_OBJECT
private slots:
    void noJudgesNoGrid();
    void smallestScreenFitsFourteenClasses();
    void wideScreenShowsSeventeenColumnsAndAnEighteenthLine();
    void limitOfTwoLocksTheClass();
    void submitRefusesAClassWithOneJudge();
    void submitReplacesOnlyTheDivisionsRows();
    void placingsKeepTheirJudgeOnTheClass();
    void failedSaveLeavesTheOldRowsAndTheGrid();
};

void JudgeAssignmentsTest::noJudgesNoGrid() {
    MeetFixture meet;
    FrmJudgeClassMgmt window(*meet.state);
    window.Set_Division("B");
    meet.messages.expectAppNotice("There are currently no judges entered.");
    window.CmdAssignclasses_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!window.subWindow() && window.isEnabled());

    // With judges the grid opens over the window, for the division chosen last.
    seedJudges(meet, 2);
    window.Set_Division("D");
    window.CmdAssignclasses_Click();
    QPointer<FrmJudgeAssignments> grid = window.assignmentWindow();
    QVERIFY(grid && grid->isVisible() && !window.isEnabled());
    QCOMPARE(grid->windowTitle(), QString("Class Judging Assignments"));
    QCOMPARE(grid->GridDivision(), QString("D"));
    grid->close();
    QVERIFY(window.isEnabled());
}

// 12000 by 9000 twips: 14 of the 17 classes and 8 rows fit, the first row at 1875.
void JudgeAssignmentsTest::smallestScreenFitsFourteenClasses() {
    MeetFixture meet;
    seedJudges(meet, 3);
    auto window = openAssignments(meet, "B");
    CheckBoxGrid& grid = window->grid();
    QCOMPARE(grid.visibleCols(), 14);
    QCOMPARE(grid.visibleRows(), 8);
    QVERIFY(grid.horizontalBar()->isVisibleTo(window.get()));
    QCOMPARE(grid.horizontalBar()->maximum(), 3);
    QVERIFY(!grid.verticalBar()->isVisibleTo(window.get()));
    QCOMPARE(window->findChild<QPlainTextEdit*>("TxtTitle")->toPlainText(), QString("Judge Assigments Division B"));
    QVERIFY(window->findChild<QPlainTextEdit*>("TxtTitle")->isReadOnly());
    QCOMPARE(window->findChild<QLabel*>("lblJudge_2")->text(), QString("Judge2, Last2"));
    QCOMPARE(window->findChild<QLabel*>("lblJudge_1")->y(), Twips::toPixels(1875));
    QVERIFY(!window->findChild<QWidget*>("lblclassnumarray_1") && !window->findChild<QWidget*>("SubtitleLine"));
    QVERIFY(!window->findChild<QWidget*>("Cbpartner_1"));
    QVERIFY(window->findChild<QWidget*>("Horzlinearray_4") && !window->findChild<QWidget*>("Horzlinearray_5"));
    QCOMPARE(window->findChild<QWidget*>("Horzlinearray_1")->y(), Twips::toPixels(1750));

    grid.horizontalBar()->setValue(3);
    QCOMPARE(grid.firstCol(), 4);
    QCOMPARE(grid.lastCol(), 17);
    QVERIFY(judgingShows(window.get(), "lbltitlearray_17") && !judgingShows(window.get(), "lbltitlearray_3"));
    QVERIFY(!window->findChild<QWidget*>("lbltitlearray_18"));
    QCOMPARE(grid.box(3, 17)->x(), window->findChild<QWidget*>("lbltitlearray_17")->x());
}

// 18 or more columns' room: no horizontal bar, all 17 classes, and an 18th vertical line
// closing the last class on the right; 40 judges scroll.
void JudgeAssignmentsTest::wideScreenShowsSeventeenColumnsAndAnEighteenthLine() {
    MeetFixture meet;
    meet.state->ScreenWidth = 15000;
    meet.state->ScreenHeight = 11000;
    seedJudges(meet, 40);
    auto window = openAssignments(meet, "A");
    CheckBoxGrid& grid = window->grid();
    QVERIFY(grid.visibleCols() >= 18);
    QVERIFY(!grid.horizontalBar()->isVisibleTo(window.get()));
    QCOMPARE(grid.lastCol(), 17);
    QVERIFY(judgingShows(window.get(), "lbltitlearray_17") && judgingShows(window.get(), "ChbArrayControl_17"));
    QWidget* last = window->findChild<QWidget*>("Vertlinearray_18");
    QVERIFY(last && !window->findChild<QWidget*>("Vertlinearray_19"));
    QCOMPARE(last->x(), Twips::toPixels(2635 + 600 * 17));
    QVERIFY(last->x() > grid.box(1, 17)->geometry().right());

    QVERIFY(grid.verticalBar()->isVisibleTo(window.get()));
    QCOMPARE(grid.verticalBar()->maximum(), 40 - grid.visibleRows());
    grid.verticalBar()->setValue(grid.verticalBar()->maximum());
    QVERIFY(!judgingShows(window.get(), "lblJudge_1") && judgingShows(window.get(), "lblJudge_40"));
    QCOMPARE(window->findChild<QWidget*>("lblJudge_40")->y(), grid.box(40, 17)->y());
}

void JudgeAssignmentsTest::limitOfTwoLocksTheClass() {
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 4);
    // Three stored judges in class 3 all show, locked; Submit refuses them.
    for (int i = 0; i < 3; ++i)
        JudgingSeed::assign(meet, judges[i], 3, "B");
    auto window = openAssignments(meet, "B");
    CheckBoxGrid& grid = window->grid();
    QCOMPARE(grid.classCount(3), 3);
    QVERIFY(!grid.box(4, 3)->isEnabled() && grid.box(1, 3)->isEnabled());

    tickBox(grid, 1, 5);
    tickBox(grid, 3, 5);
    QVERIFY(!grid.box(2, 5)->isEnabled() && !grid.box(4, 5)->isEnabled());
    QVERIFY(grid.box(2, 5)->property("raised").toBool());
    QVERIFY(grid.box(2, 6)->isEnabled());
    tickBox(grid, 3, 5);
    QVERIFY(grid.box(2, 5)->isEnabled() && grid.box(4, 5)->isEnabled());
    tickBox(grid, 4, 5);

    meet.messages.expectConfirm(AssignSave, true).expectAppNotice(AssignTwo);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    tickBox(grid, 2, 3);
    meet.messages.expectConfirm(AssignSave, true);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(divisionRows(meet, "B"), QStringList({QString("3/%1").arg(judges[0]), QString("3/%1").arg(judges[2]),
                                                   QString("5/%1").arg(judges[0]), QString("5/%1").arg(judges[3])}));
}

void JudgeAssignmentsTest::submitRefusesAClassWithOneJudge() {
    MeetFixture meet;
    seedJudges(meet, 2);
    auto window = openAssignments(meet, "B");
    CheckBoxGrid& grid = window->grid();
    for (int c = 1; c <= 17; ++c) {
        if (c == 9)
            continue;
        tickBox(grid, 1, c);
        tickBox(grid, 2, c);
    }
    tickBox(grid, 2, 9);
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(AssignSave, false).expectConfirm(AssignSave, true).expectAppNotice(AssignTwo);
    window->CmdApply_Click();
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(meet.count("TblClassJudges"), 0);
    QVERIFY(grid.isTicked(2, 9));
}

// Only class 5 judged: exactly two rows for division B, and division A as it was. Once
// his rows are gone a judge can be deleted.
void JudgeAssignmentsTest::submitReplacesOnlyTheDivisionsRows() {
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 3);
    JudgingSeed::assign(meet, judges[0], 1, "A");
    JudgingSeed::assign(meet, judges[1], 1, "A");
    JudgingSeed::assign(meet, judges[0], 2, "b");
    JudgingSeed::assign(meet, judges[2], 2, "B");
    auto window = openAssignments(meet, "B");
    CheckBoxGrid& grid = window->grid();
    QVERIFY(grid.isTicked(1, 2) && grid.isTicked(3, 2) && !grid.isTicked(2, 1));
    tickBox(grid, 1, 2);
    tickBox(grid, 3, 2);
    tickBox(grid, 2, 5);
    tickBox(grid, 3, 5);
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(AssignSave, true);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(divisionRows(meet, "B"), QStringList({QString("5/%1").arg(judges[1]), QString("5/%1").arg(judges[2])}));
    QCOMPARE(divisionRows(meet, "A"), QStringList({QString("1/%1").arg(judges[0]), QString("1/%1").arg(judges[1])}));

    FrmJudgeMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    mgmt.findChild<QListWidget*>("LbJudges")->setCurrentRow(2); // Last3, judged in B only until now
    mgmt.LbJudges_Click();
    meet.messages.expectAppNotice("The judge cannot be deleted as long as a class is assigned to them.");
    mgmt.CmdDeleteJudge_Click();
    VERIFY_MESSAGES(meet.messages);
    auto again = openAssignments(meet, "B");
    tickBox(again->grid(), 3, 5);
    tickBox(again->grid(), 2, 5);
    meet.messages.expectConfirm(AssignSave, true)
        .expectConfirm("Clicking OK will delete the selected Judge and cannot be undone. Are you sure you want to "
                       "continue?",
                       true);
    again->CmdApply_Click();
    mgmt.CmdDeleteJudge_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.count("TblJudge"), 2);
}

// A judge with placings recorded in a class of the division stays on it; another
// division's placings and judges without placings are free to change.
void JudgeAssignmentsTest::placingsKeepTheirJudgeOnTheClass() {
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 3);
    JudgingSeed::assign(meet, judges[0], 7, "B");
    JudgingSeed::assign(meet, judges[1], 7, "B");
    JudgingSeed::placing(meet, judges[1], 7, "B");
    JudgingSeed::placing(meet, judges[0], 7, "A");
    auto window = openAssignments(meet, "B");
    CheckBoxGrid& grid = window->grid();
    tickBox(grid, 2, 7);
    tickBox(grid, 3, 7);
    meet.messages.expectConfirm(AssignSave, true)
        .expectAppNotice("Placings are recorded for class 7 under the judge Judge2 Last2 in this division. The judge "
                         "cannot be taken off that class while the placings stand.");
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(divisionRows(meet, "B").size(), 2);

    tickBox(grid, 1, 7);
    tickBox(grid, 2, 7);
    meet.messages.expectConfirm(AssignSave, true);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(divisionRows(meet, "B"), QStringList({QString("7/%1").arg(judges[1]), QString("7/%1").arg(judges[2])}));
}

void JudgeAssignmentsTest::failedSaveLeavesTheOldRowsAndTheGrid() {
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 2);
    JudgingSeed::assign(meet, judges[0], 4, "C");
    JudgingSeed::assign(meet, judges[1], 4, "C");
    auto window = openAssignments(meet, "C");
    tickBox(window->grid(), 1, 8);
    tickBox(window->grid(), 2, 8);
    meet.exec("CREATE TRIGGER refuse BEFORE INSERT ON TblClassJudges WHEN NEW.ClassNumber = 8 "
              "BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(AssignSave, true);
    window->CmdApply_Click();
    QCOMPARE(meet.messages.shown().size(), 2);
    QVERIFY(meet.messages.shown().at(1).contains("disk is full"));
    meet.messages.reset();
    QCOMPARE(closed.count(), 0);
    QCOMPARE(divisionRows(meet, "C"), QStringList({QString("4/%1").arg(judges[0]), QString("4/%1").arg(judges[1])}));
    QVERIFY(window->grid().isTicked(1, 8) && window->grid().isTicked(2, 4));
}

CORRAVIN_TEST(JudgeAssignmentsTest)
#include "judge_assignments_test.moc"
