#include "seed.h"
#include "test_main.h"
#include "window_driver.h"

#include "entries/frm_class_assignments.h"
#include "judging/frm_judge_assignments.h"
#include "ui/check_box_grid.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>

namespace {
// The grid window of the class entries (one team's riders) or of the judge assignments (the
// judges), with `rows` rows, built as its activity builds it; null when it refuses to open.
std::unique_ptr<EntryWindow> openGrid(MeetFixture& meet, const QString& kind, int rows, CheckBoxGrid*& grid) {
    if (kind == "entries") {
        const qint32 team = Seed::team(meet, "Hawks");
        for (int r = 1; r <= rows; ++r)
            Seed::rider(meet, team, QString("First%1").arg(r), QString("Last%1").arg(r), QString::number(100 + r));
        auto window = std::make_unique<frmClassAssignments>(*meet.state);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!window->InitializeForm(team))
            return nullptr;
        grid = &window->grid();
        return window;
    }
    for (int r = 1; r <= rows; ++r)
        Seed::judge(meet, QString("Judge%1").arg(r), QString("Last%1").arg(r));
    auto window = std::make_unique<FrmJudgeAssignments>(*meet.state);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!window->InitializeForm("B"))
        return nullptr;
    grid = &window->grid();
    return window;
}

// The next control the Tab key reaches from `from`.
QWidget* nextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}
} // namespace

// The check box grid as both of its windows show it.
class CheckBoxGridTest : public QObject {
    Q_OBJECT
private slots:
    void classLimitLocksTheRestOfTheClass_data();
    void classLimitLocksTheRestOfTheClass();
    void wideScreenShowsEveryClassAndScrollsTheRows_data();
    void wideScreenShowsEveryClassAndScrollsTheRows();
    void arrowKeysMoveByRowAndClass();
    void rowsOutOfViewAreMadeWhenNeeded_data();
    void rowsOutOfViewAreMadeWhenNeeded();
};

void CheckBoxGridTest::classLimitLocksTheRestOfTheClass_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("classNumber");
    QTest::addColumn<int>("limit");
    QTest::newRow("class entries, 4 riders in class 1") << "entries" << 1 << 4;
    QTest::newRow("judge assignments, 2 judges a class") << "judging" << 5 << 2;
}

// With the class full its other boxes are locked and raised, the next class's are not; one
// tick less frees them again. Boxes ticked through assistive technology (a toggle, no click)
// or unticked by code follow the rule as clicked ones do: the box after the limit refuses.
void CheckBoxGridTest::classLimitLocksTheRestOfTheClass() {
    QFETCH(QString, kind);
    QFETCH(int, classNumber);
    QFETCH(int, limit);
    MeetFixture meet;
    CheckBoxGrid* grid = nullptr;
    const auto window = openGrid(meet, kind, limit + 2, grid);
    QVERIFY(window);
    for (int row = 1; row <= limit + 1; ++row)
        pressAccessibly(grid->box(row, classNumber), QAccessibleActionInterface::toggleAction());
    QCOMPARE(grid->classCount(classNumber), limit);
    for (int row = 1; row <= limit + 2; ++row) {
        QCOMPARE(grid->box(row, classNumber)->isEnabled(), row <= limit);
        QCOMPARE(grid->box(row, classNumber)->property("raised").toBool(), row > limit);
        QVERIFY(grid->box(row, classNumber + 1)->isEnabled());
    }
    grid->box(limit, classNumber)->setChecked(false);
    for (int row = 1; row <= limit + 2; ++row)
        QVERIFY(grid->box(row, classNumber)->isEnabled() && !grid->box(row, classNumber)->property("raised").toBool());
}

void CheckBoxGridTest::wideScreenShowsEveryClassAndScrollsTheRows_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("rowCaption");
    QTest::newRow("class entries") << "entries"
                                   << "lblrider";
    QTest::newRow("judge assignments") << "judging"
                                       << "lblJudge";
}

// Room for 18 or more columns: every class at once and no horizontal bar; 40 rows scroll,
// each caption staying beside its boxes.
void CheckBoxGridTest::wideScreenShowsEveryClassAndScrollsTheRows() {
    QFETCH(QString, kind);
    QFETCH(QString, rowCaption);
    MeetFixture meet;
    meet.state->ScreenWidth = 15000;
    meet.state->ScreenHeight = 11000;
    CheckBoxGrid* grid = nullptr;
    const auto window = openGrid(meet, kind, 40, grid);
    QVERIFY(window);
    QVERIFY(grid->visibleCols() >= 18);
    QVERIFY(!grid->horizontalBar()->isVisibleTo(window.get()));
    QVERIFY(shows(window.get(), "lbltitlearray_17") && shows(window.get(), "ChbArrayControl_17"));
    QVERIFY(grid->verticalBar()->isVisibleTo(window.get()));
    QCOMPARE(grid->verticalBar()->maximum(), 40 - grid->visibleRows());
    grid->verticalBar()->setValue(grid->verticalBar()->maximum());
    QVERIFY(!shows(window.get(), rowCaption + "_1") && shows(window.get(), rowCaption + "_40"));
    QCOMPARE(control<QWidget>(window.get(), rowCaption + "_40")->y(), grid->box(40, 17)->y());
}

// The arrow keys go to the neighbouring box, pass over the boxes a full class has locked
// and scroll the box they reach into view; at the grid's edge they stay.
void CheckBoxGridTest::arrowKeysMoveByRowAndClass() {
    MeetFixture meet;
    CheckBoxGrid* grid = nullptr;
    const auto window = openGrid(meet, "judging", 12, grid);
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    grid->tick(1, 5);
    grid->tick(2, 5); // class 5 full: its boxes of rows 3 on are locked
    grid->box(2, 4)->setFocus();
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), grid->box(2, 5));
    press(Qt::Key_Down); // rows 3 to 12 of class 5 are locked
    QCOMPARE(QApplication::focusWidget(), grid->box(2, 5));
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), grid->box(1, 4));
    for (int row = 1; row < 12; ++row)
        press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), grid->box(12, 4));
    QVERIFY(grid->box(12, 4)->isVisible());
    QCOMPARE(grid->verticalBar()->value(), 12 - grid->visibleRows());
}

void CheckBoxGridTest::rowsOutOfViewAreMadeWhenNeeded_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("classNumber");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("table");
    QTest::newRow("class entries") << "entries" << 1 << 4
                                   << "This will save all the changes made to this form. There are currently 5 "
                                      "entries for this team. Are you sure you want to continue?"
                                   << "TblEntry";
    QTest::newRow("judge assignments") << "judging" << 5 << 2
                                       << "You are about to save the changes you have made to the judge "
                                          "assignments. Are you sure you want to continue?"
                                       << "TblClassJudges";
}

// A long grid opens with the widgets of the rows in view only. Ticks, limits and relay
// partners of the other rows are kept and counted all the same, show as they stand when
// their row comes into view, and are saved; a row made late takes its place in the
// keyboard's order (before the window's buttons) and among the window's children.
void CheckBoxGridTest::rowsOutOfViewAreMadeWhenNeeded() {
    QFETCH(QString, kind);
    QFETCH(int, classNumber);
    QFETCH(int, limit);
    QFETCH(QString, question);
    QFETCH(QString, table);
    MeetFixture meet;
    CheckBoxGrid* grid = nullptr;
    const auto window = openGrid(meet, kind, 40, grid);
    QVERIFY(window);
    const int inView = grid->visibleRows();
    QVERIFY(grid->rowMade(inView) && !grid->rowMade(inView + 1));
    QVERIFY(!window->findChild<QWidget*>(QString("ChbArrayControl_%1").arg(17 * 29 + 1)));
    for (int row = 30; row < 30 + limit; ++row)
        grid->tick(row, classNumber);
    if (kind == "entries") {
        grid->tick(30, 17);
        grid->setPartnerText(30, "140");
    }
    QVERIFY(!grid->rowMade(30));
    QCOMPARE(grid->classCount(classNumber), limit);
    QVERIFY(!grid->box(1, classNumber)->isEnabled());

    grid->verticalBar()->setValue(29);
    QVERIFY(grid->rowMade(30) && !grid->rowMade(29));
    QVERIFY(grid->box(30, classNumber)->isChecked() && grid->box(30, classNumber)->isEnabled());
    QVERIFY(!grid->box(30 + limit, classNumber)->isEnabled());
    QVERIFY(grid->box(30 + limit, classNumber)->property("raised").toBool());
    if (kind == "entries") {
        QVERIFY(grid->partnerBox(30)->isEnabled());
        QCOMPARE(grid->partnerBox(30)->currentText(), QString("140"));
    }
    const auto endOf = [&](int row) {
        return kind == "entries" ? static_cast<QWidget*>(grid->partnerBox(row)) : grid->box(row, 17);
    };
    QCOMPARE(nextTabStop(endOf(29)), grid->box(30, 1));
    QVERIFY(window->children().indexOf(endOf(29)) < window->children().indexOf(grid->box(30, 1)));
    grid->verticalBar()->setValue(grid->verticalBar()->maximum());
    QCOMPARE(nextTabStop(endOf(40)), control<QWidget>(window.get(), "CmdApply"));

    meet.messages.expectConfirm(question, true);
    static_cast<GridWindow*>(window.get())->CmdApply_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.count(table), kind == "entries" ? limit + 1 : limit);
}

CORRAVIN_TEST(CheckBoxGridTest)
#include "check_box_grid_test.moc"
