#include "database/db_exception.h"
#include "meet_fixture.h"
#include "ui/guarded_connect.h"
#include "startup/activity_catalog.h"
#include "startup/frm_main.h"
#include "test_main.h"
#include "ui/activity_window.h"
#include "ui/twips.h"
#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const QString DivisionMessage = "You must select a division before you can use this option";

// Stands in for an activity's window and records the calls the main window makes on it.
class ActivityPlaceholder : public ActivityWindow {
public:
    ActivityPlaceholder(RunState& state, const QString& caption, QWidget* parent)
        : ActivityWindow(state, QStringLiteral("ActivityPlaceholder"), caption, parent) {}
    QStringList calls() const { return m_calls; }
    void Set_Division(const QString& RcvdDivision) override { m_calls << "Set_Division(" + RcvdDivision + ")"; }
    void Load_Report() override { m_calls << "Load_Report"; }

private:
    QStringList m_calls;
};

// The window made for each activity, so tests can read the calls it received.
struct Opened {
    QList<QPointer<ActivityPlaceholder>> windows;
    ActivityFactory factory() {
        return [this](int n, RunState& state, QWidget* parent) {
            auto* window = new ActivityPlaceholder(state, QString("Activity %1").arg(n), parent);
            windows << window;
            return window;
        };
    }
    ActivityPlaceholder* last() const { return windows.isEmpty() ? nullptr : windows.last().data(); }
};

void chooseDivision(FrmMain& main, const QString& letter) {
    auto* division = main.findChild<QComboBox*>("CbDivision");
    division->setCurrentIndex(division->findText(letter));
    main.CbDivision_Click();
}

QString background(QPushButton* button) {
    return button->styleSheet().section("background-color:", 1).section(';', 0, 0).trimmed();
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheMainMenuWithTheRegionTitle();
    void activitiesNeedingADivisionAreRefusedWithoutOne_data();
    void activitiesNeedingADivisionAreRefusedWithoutOne();
    void secondClickClosesTheActivity();
    void panelRemembersItsActivityWhenLeftAndReentered();
    void divisionIsHandedOnOnlyToActivitiesThatTakeOne_data();
    void divisionIsHandedOnOnlyToActivitiesThatTakeOne();
    void reportsAreLoadedAfterTheDivision();
    void activityWindowIsPlacedOverTheRightHandPart();
    void activityMayCloseItself();
    void closingTheMainWindowClosesTheMeetDatabase();
    void aFaultInAHandlerIsReportedWhereItHappens();
};

void MainWindowTest::startsOnTheMainMenuWithTheRegionTitle() {
    MeetFixture meet;
    meet.state->CurrentRegion = "B";
    FrmMain main(*meet.state);
    QCOMPARE(main.findChild<QLabel*>("LblTitle")->text(), QString("Region B Data Tracker"));
    QCOMPARE(main.CurrentMenu(), 0);
    QCOMPARE(main.CurrentActivity(), 0);
    auto* division = main.findChild<QComboBox*>("CbDivision");
    QCOMPARE(division->count(), 4);
    QCOMPARE(division->itemText(0), QString("A"));
    QCOMPARE(division->itemText(3), QString("D"));
    QCOMPARE(division->currentIndex(), -1);
    QVERIFY(!main.findChild<QWidget*>("FraMainMenu")->isHidden());
    for (const char* panel : {"FraAdmin", "FraMeetSetup", "FraEntryBooth", "FraReports"})
        QVERIFY(main.findChild<QWidget*>(panel)->isHidden());
    // The four menu buttons of each panel; the panel's own button is dark.
    QCOMPARE(background(main.findChild<QPushButton*>("CmdEntryBooth_3")), QString("#808080"));
    QCOMPARE(background(main.findChild<QPushButton*>("CmdAdmin_3")), QString("#c0c0c0"));
    QCOMPARE(main.findChild<QPushButton*>("CmdActivity_5")->text(), QString("Judge's Class Assignments"));
    QCOMPARE(main.findChild<QPushButton*>("CmdActivity_12")->text(), QString("Rider Results"));
    VERIFY_MESSAGES(meet.messages);
}

void MainWindowTest::activitiesNeedingADivisionAreRefusedWithoutOne_data() {
    QTest::addColumn<int>("activity");
    QTest::addColumn<bool>("needsDivision");
    QCOMPARE(int(ActivityCatalog::all().size()), ActivityCatalog::Count);
    for (int n = 1; n <= ActivityCatalog::Count; ++n)
        QTest::addRow("activity %d", n) << n << ActivityCatalog::get(n).needsDivision;
}

void MainWindowTest::activitiesNeedingADivisionAreRefusedWithoutOne() {
    QFETCH(int, activity);
    QFETCH(bool, needsDivision);
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    main.Select_Activity(1); // Teams is open beforehand
    if (needsDivision)
        meet.messages.expectAppNotice(DivisionMessage);
    main.Select_Activity(activity);
    VERIFY_MESSAGES(meet.messages);
    if (needsDivision) {
        // Nothing changes: the previous activity stays open.
        QCOMPARE(main.CurrentActivity(), 1);
        QCOMPARE(opened.windows.size(), 1);
        QVERIFY(opened.windows.first());
    } else {
        // A second click on the open "Teams" closes it.
        QCOMPARE(main.CurrentActivity(), activity == 1 ? 0 : activity);
    }
}

void MainWindowTest::secondClickClosesTheActivity() {
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    main.Show_Menu(1);
    main.findChild<QPushButton*>("CmdActivity_2")->click();
    QCOMPARE(main.CurrentActivity(), 2);
    QCOMPARE(main.panelTag(1), QString("2"));
    QCOMPARE(background(main.findChild<QPushButton*>("CmdActivity_2")), QString("#808080"));
    main.findChild<QPushButton*>("CmdActivity_2")->click();
    QCOMPARE(main.CurrentActivity(), 0);
    QCOMPARE(main.panelTag(1), QString("0"));
    QCOMPARE(background(main.findChild<QPushButton*>("CmdActivity_2")), QString("#c0c0c0"));
    flushClosedWindows();
    QVERIFY(!opened.last());
    // Closed by a second click, it is not reopened when the panel is entered again.
    main.Show_Menu(1);
    main.Show_Menu(1);
    QCOMPARE(main.CurrentActivity(), 0);
    VERIFY_MESSAGES(meet.messages);
}

void MainWindowTest::panelRemembersItsActivityWhenLeftAndReentered() {
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    chooseDivision(main, "B");
    main.findChild<QPushButton*>("CmdEntryBooth_0")->click();
    QCOMPARE(main.CurrentMenu(), 3);
    main.findChild<QPushButton*>("CmdActivity_10")->click(); // Placings
    QCOMPARE(main.CurrentActivity(), 10);

    main.findChild<QPushButton*>("CmdReports_3")->click();
    QCOMPARE(main.CurrentMenu(), 4);
    QCOMPARE(main.CurrentActivity(), 0);
    main.findChild<QPushButton*>("CmdActivity_12")->click(); // Rider Results
    QCOMPARE(main.CurrentActivity(), 12);

    main.findChild<QPushButton*>("CmdEntryBooth_4")->click();
    QCOMPARE(main.CurrentMenu(), 3);
    QCOMPARE(main.CurrentActivity(), 10);
    QCOMPARE(opened.last()->windowTitle(), QString("Activity 10"));
    QCOMPARE(opened.last()->calls(), QStringList{"Set_Division(B)"});
    QCOMPARE(main.divisionText(), QString("B"));

    // The panel's own dark button goes back to the main menu and closes the activity.
    main.findChild<QPushButton*>("CmdEntryBooth_3")->click();
    QCOMPARE(main.CurrentMenu(), 0);
    QCOMPARE(main.CurrentActivity(), 0);
    QVERIFY(!main.findChild<QWidget*>("FraMainMenu")->isHidden());
    VERIFY_MESSAGES(meet.messages);
}

void MainWindowTest::divisionIsHandedOnOnlyToActivitiesThatTakeOne_data() {
    QTest::addColumn<int>("activity");
    QTest::addColumn<QStringList>("calls");
    const QStringList none;
    for (int n : {1, 2, 3, 4, 12})
        QTest::addRow("activity %d", n) << n << (n == 12 ? QStringList{"Load_Report"} : none);
    for (int n : {5, 6, 8, 9, 10})
        QTest::addRow("activity %d", n) << n << QStringList{"Set_Division(A)", "Set_Division(C)"};
    for (int n : {7, 11, 13})
        QTest::addRow("activity %d", n) << n << QStringList{"Set_Division(A)", "Load_Report", "Set_Division(C)"};
}

void MainWindowTest::divisionIsHandedOnOnlyToActivitiesThatTakeOne() {
    QFETCH(int, activity);
    QFETCH(QStringList, calls);
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    chooseDivision(main, "A");
    main.Select_Activity(activity);
    chooseDivision(main, "C");
    QCOMPARE(opened.last()->calls(), calls);
    VERIFY_MESSAGES(meet.messages);
}

void MainWindowTest::reportsAreLoadedAfterTheDivision() {
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    // Choosing a division with no activity open hands nothing to anyone.
    chooseDivision(main, "D");
    QVERIFY(opened.windows.isEmpty());
    main.Select_Activity(11);
    QCOMPARE(opened.last()->calls(), (QStringList{"Set_Division(D)", "Load_Report"}));
}

void MainWindowTest::activityWindowIsPlacedOverTheRightHandPart() {
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    main.show();
    main.Select_Activity(4);
    QWidget* window = opened.last();
    QCOMPARE(window->parentWidget(), &main);
    QCOMPARE(window->pos(), QPoint(Twips::toPixels(3070), Twips::toPixels(1620)));
    QCOMPARE(window->size(), QSize(Twips::toPixels(8625), Twips::toPixels(6405)));
    // It moves with the main window, being part of it.
    const QPoint before = window->mapToGlobal(QPoint());
    main.move(main.pos() + QPoint(40, 30));
    QCOMPARE(window->mapToGlobal(QPoint()) - before, QPoint(40, 30));
    QVERIFY(window->isVisible());
}

void MainWindowTest::activityMayCloseItself() {
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    main.Show_Menu(4);
    main.Select_Activity(12);
    QPointer<ActivityPlaceholder> window = opened.last();
    // As an activity does from its own handler when it closes itself.
    QMetaObject::invokeMethod(window, [&] { main.Close_Current_Activity(); });
    QCOMPARE(main.CurrentActivity(), 0);
    QCOMPARE(main.panelTag(4), QString("0"));
    flushClosedWindows();
    QVERIFY(!window);
}

void MainWindowTest::closingTheMainWindowClosesTheMeetDatabase() {
    MeetFixture meet;
    Opened opened;
    FrmMain main(*meet.state, opened.factory());
    main.show();
    main.Select_Activity(3);
    main.close();
    flushClosedWindows();
    QVERIFY(!meet.state->MeetDb.isOpen());
    QVERIFY(!opened.last());
    QCOMPARE(main.CurrentActivity(), 0);
}

// A handler's fault reaches the user through the window's messages, by click or by key, and
// the program goes on: nothing relies on an exception crossing the event loop.
void MainWindowTest::aFaultInAHandlerIsReportedWhereItHappens() {
    MeetFixture meet;
    QPushButton button;
    int calls = 0;
    connectGuarded(meet.state->messages, &button, &QPushButton::clicked, &button, [&] {
        ++calls;
        throw DbException(QStringLiteral("disk I/O error"));
    });
    meet.messages.expectNotice(Messages::appTitle(), "The meet database reported an error:\n\ndisk I/O error",
                               Messages::Icon::Critical);
    button.click();
    meet.messages.expectNotice(Messages::appTitle(), "The meet database reported an error:\n\ndisk I/O error",
                               Messages::Icon::Critical);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(calls, 2);
    VERIFY_MESSAGES(meet.messages);
}

CORRAVIN_TEST(MainWindowTest)
#include "main_window_test.moc"
