#include "seed.h"
#include "test_main.h"
#include "window_driver.h"

#include "judging/frm_judge_assignments.h"
#include "judging/frm_judge_class_mgmt.h"
#include "judging/frm_judge_mgmt.h"
#include "ui/check_box_grid.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
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
        ids << Seed::judge(meet, QString("Judge%1").arg(i), QString("Last%1").arg(i));
    return ids;
}

// The grid of a division, built as "Create Judging Assignments" builds it, not shown, at the
// fixture's station or another.
std::unique_ptr<FrmJudgeAssignments> openAssignments(MeetFixture& meet, const QString& division,
                                                     RunState* station = nullptr) {
    auto grid = std::make_unique<FrmJudgeAssignments>(station ? *station : *meet.state);
    grid->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!grid->InitializeForm(division))
        return nullptr;
    return grid;
}

void tickBox(CheckBoxGrid& grid, int row, int classNumber) {
    grid.box(row, classNumber)->click();
}

QStringList divisionRows(MeetFixture& meet, const QString& division) {
    return meet.column("SELECT ClassNumber || '/' || JudgeID FROM TblClassJudges WHERE Division = ? "
                       "ORDER BY ClassNumber, JudgeID",
                       {division});
}
} // namespace

class JudgeAssignmentsTest : public QObject {
    Q_OBJECT
private slots:
    void noJudgesNoGrid();
    void wideScreenShowsAnEighteenthLineAndNoClassNumbers();
    void submitRefusals_data();
    void submitRefusals();
    void submitReplacesOnlyTheDivisionsRows();
    void failedSaveLeavesTheOldRowsAndTheGrid();
    void saveFromAnOutdatedGridIsRefused();
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
    QCOMPARE(grid->GridDivision(), QString("D"));
    grid->close();
    QVERIFY(window.isEnabled());
}

// With room for every class, an 18th vertical line closes the last class on the right; rows
// start at 1875 twips, without class numbers or partner boxes.
void JudgeAssignmentsTest::wideScreenShowsAnEighteenthLineAndNoClassNumbers() {
    MeetFixture meet;
    meet.state->ScreenWidth = 15000;
    meet.state->ScreenHeight = 11000;
    seedJudges(meet, 2);
    auto window = openAssignments(meet, "A");
    QWidget* last = window->findChild<QWidget*>("Vertlinearray_18");
    QVERIFY(last && !window->findChild<QWidget*>("Vertlinearray_19"));
    QCOMPARE(last->x(), Twips::toPixels(2635 + 600 * 17));
    QVERIFY(last->x() > window->grid().box(1, 17)->geometry().right());
    QCOMPARE(control<QPlainTextEdit>(window.get(), "TxtTitle")->toPlainText(), QString("Judge Assigments Division A"));
    QCOMPARE(control<QLabel>(window.get(), "lblJudge_2")->text(), QString("Judge2, Last2"));
    QCOMPARE(control<QLabel>(window.get(), "lblJudge_1")->y(), Twips::toPixels(1875));
    QCOMPARE(control<QWidget>(window.get(), "Horzlinearray_1")->y(), Twips::toPixels(1750));
    for (const char* absent : {"lblclassnumarray_1", "SubtitleLine", "Cbpartner_1", "lbltitlearray_18"})
        QVERIFY2(!window->findChild<QWidget*>(absent), absent);
}

void JudgeAssignmentsTest::submitRefusals_data() {
    QTest::addColumn<int>("storedInClass3"); // judges 1, 2, ... stored in class 3 of B
    QTest::addColumn<QList<int>>("clicks");  // row * 100 + class
    QTest::addColumn<QString>("message");
    QList<int> allButNine;
    for (int c = 1; c <= 17; ++c)
        if (c != 9)
            allButNine << 100 + c << 200 + c;
    QTest::newRow("one judge in class 9, all else complete") << 0 << (allButNine << 209) << AssignTwo;
    QTest::newRow("three stored in class 3") << 3 << QList<int>{} << AssignTwo;
    QTest::newRow("placed judge taken off class 3")
        << 2 << QList<int>{203, 303}
        << "Placings are recorded for class 3 under the judge Judge2 Last2 in this division. The judge cannot be "
           "taken off that class while the placings stand.";
}

// Nothing is written and the grid stays open as it was. A class stored with three
// judges shows them all, locked; placings in another division bind no one here.
void JudgeAssignmentsTest::submitRefusals() {
    QFETCH(int, storedInClass3);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, message);
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 3);
    for (int i = 0; i < storedInClass3; ++i)
        Seed::assign(meet, judges[i], 3, "B");
    Seed::placing(meet, judges[1], 3, "B");
    Seed::placing(meet, judges[0], 3, "A");
    const QStringList before = divisionRows(meet, "B");
    auto window = openAssignments(meet, "B");
    CheckBoxGrid& grid = window->grid();
    QCOMPARE(grid.classCount(3), storedInClass3);
    for (int click : clicks)
        tickBox(grid, click / 100, click % 100);
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(AssignSave, false).expectConfirm(AssignSave, true).expectAppNotice(message);
    window->CmdApply_Click();
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(divisionRows(meet, "B"), before);
    if (!clicks.isEmpty())
        QVERIFY(grid.isTicked(clicks.last() / 100, clicks.last() % 100));
}

// Only class 5 judged: exactly two rows for division B, and division A as it was. Once
// his rows are gone a judge can be deleted.
void JudgeAssignmentsTest::submitReplacesOnlyTheDivisionsRows() {
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 3);
    Seed::assign(meet, judges[0], 1, "A");
    Seed::assign(meet, judges[1], 1, "A");
    Seed::assign(meet, judges[0], 2, "b");
    Seed::assign(meet, judges[2], 2, "B");
    Seed::placing(meet, judges[0], 2, "A");
    auto window = openAssignments(meet, "B");
    CheckBoxGrid& grid = window->grid();
    QVERIFY(grid.isTicked(1, 2) && grid.isTicked(3, 2) && !grid.isTicked(2, 1));
    for (int click : {102, 302, 205, 305})
        tickBox(grid, click / 100, click % 100);
    QSignalSpy closed(window.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(AssignSave, true);
    window->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(divisionRows(meet, "B"), QStringList({QString("5/%1").arg(judges[1]), QString("5/%1").arg(judges[2])}));
    QCOMPARE(divisionRows(meet, "A"), QStringList({QString("1/%1").arg(judges[0]), QString("1/%1").arg(judges[1])}));

    FrmJudgeMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    control<QListWidget>(&mgmt, "LbJudges")->setCurrentRow(2); // Last3, judged in B only
    mgmt.LbJudges_Click();
    meet.messages.expectAppNotice("The judge cannot be deleted as long as a class is assigned to them.");
    mgmt.CmdDeleteJudge_Click();
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

void JudgeAssignmentsTest::failedSaveLeavesTheOldRowsAndTheGrid() {
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 2);
    Seed::assign(meet, judges[0], 4, "C");
    Seed::assign(meet, judges[1], 4, "C");
    auto window = openAssignments(meet, "C");
    tickBox(window->grid(), 1, 8);
    tickBox(window->grid(), 2, 8);
    meet.refuseInserts("TblClassJudges", "NEW.ClassNumber = 8");
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

// Two stations open the grid of one division: the first save stands, the second, from a grid
// read before it, is refused and keeps its ticks.
void JudgeAssignmentsTest::saveFromAnOutdatedGridIsRefused() {
    MeetFixture meet;
    const QList<qint32> judges = seedJudges(meet, 2);
    OtherStation other(meet);
    auto mine = openAssignments(meet, "B");
    auto theirs = openAssignments(meet, "B", &other.state);
    tickBox(theirs->grid(), 1, 3);
    tickBox(theirs->grid(), 2, 3);
    other.messages.expectConfirm(AssignSave, true);
    theirs->CmdApply_Click();
    VERIFY_MESSAGES(other.messages);

    tickBox(mine->grid(), 1, 6);
    tickBox(mine->grid(), 2, 6);
    QSignalSpy closed(mine.get(), &EntryWindow::closed);
    meet.messages.expectConfirm(AssignSave, true)
        .expectAppNotice("The judge assignments of division B were changed at another station since this window "
                         "opened them. Your changes were not saved; close this window and open it again to see them.");
    mine->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QVERIFY(mine->grid().isTicked(1, 6) && !mine->grid().isTicked(1, 3));
    QCOMPARE(divisionRows(meet, "B"), QStringList({QString("3/%1").arg(judges[0]), QString("3/%1").arg(judges[1])}));
}

CORRAVIN_TEST(JudgeAssignmentsTest)
#include "judge_assignments_test.moc"
