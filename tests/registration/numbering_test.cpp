#include "database/meet_backup.h"
#include "database/sql.h"
#include "database/transaction_guard.h"
#include "registration/frm_assign_numbers.h"
#include "registration/frm_rider.h"
#include "registration/number_arrangement.h"
#include "registration/rider_data.h"
#include "seed.h"
#include "test_main.h"
#include "test_server.h"
#include "ui/standard_questions.h"
#include "window_driver.h"

#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <thread>

namespace {
const QString RangeTooSmall = "The range provided is not large enough for the current number of riders";
const QString RangeInvalid = "The range provided is invalid. Please check it and try again.";
const QString WriteFailed = "A unexpected error has occurred. Please try your request again.";
const QString TryAgain = "Another station was saving to the meet at the same moment, so your change was not saved. "
                         "Please try again.";

// Rider k joins Oak (division C), Birch (B) and Alder (B) in turn, last names running down
// as k goes up: numbers go to Alder's riders, then Birch's, then Oak's, each team's by last
// name, an order unlike the insertion order.
QList<qint32> seedMeet(const MeetFixture& meet, int riders) {
    const qint32 oakC = Seed::team(meet, "Oak", "C");
    const qint32 birchB = Seed::team(meet, "Birch", "B");
    const qint32 alderB = Seed::team(meet, "Alder", "B");
    const qint32 teams[] = {oakC, birchB, alderB};
    QList<qint32> indexes;
    for (int i = 0; i < riders; ++i)
        indexes << Seed::rider(meet, teams[i % 3], QString("F%1").arg(i),
                               QString("L%1").arg(riders - i, 2, 10, QChar('0')), QString("x%1").arg(i));
    return indexes;
}

// Rider numbers as the tree lists them, top to bottom, riders of teams only.
QStringList numbersInTree(FrmAssignNumbers& window) {
    QStringList numbers;
    const QTreeWidgetItem* root = window.node("Root");
    for (int t = 0; t < root->childCount(); ++t)
        for (int r = 0; r < root->child(t)->childCount(); ++r)
            numbers << root->child(t)->child(r)->text(0).section(')', 0, 0).mid(1);
    return numbers;
}

// Sorted by value; texts that are not numbers come first, in text order.
QStringList sortedAsNumbers(QStringList numbers) {
    std::sort(numbers.begin(), numbers.end(), [](const QString& a, const QString& b) {
        return a.toInt() != b.toInt() ? a.toInt() < b.toInt() : a < b;
    });
    return numbers;
}

QString allNumbers(const MeetFixture& meet) {
    return meet.column("SELECT RiderNumber FROM TblPerson ORDER BY RiderIndex").join(',');
}

// Takes the rider as the keyboard does: highlight the node, press Enter.
void clickNode(FrmAssignNumbers& window, const QString& key) {
    QTreeWidgetItem* node = window.node(key);
    QVERIFY2(node, qPrintable(key));
    auto* tree = node->treeWidget();
    tree->setCurrentItem(node);
    QTest::keyClick(tree, Qt::Key_Return);
}

} // namespace

class NumberingTest : public QObject {
    Q_OBJECT
private slots:
    void treeShowsTeamsAndRiders();
    void rangeRuns_data();
    void rangeRuns();
    void randomRunGivesEachRiderADifferentNumberOfTheRange();
    void everyArrangementIsEquallyLikely();
    void oneByOne_data();
    void oneByOne();
    void oneByOneIgnoresRootAndTeamNodes();
    void runFromAnOutdatedTreeIsRefused();
    void numberTypedAtTwoStationsAtOnce_data();
    void numberTypedAtTwoStationsAtOnce();
    void lostConnectionIsToldAndTheNextRunNumbers();
};

void NumberingTest::treeShowsTeamsAndRiders() {
    MeetFixture meet;
    meet.state->CurrentRegion = "B";
    const qint32 lakeside = Seed::team(meet, "Lakeside", "B");
    const qint32 alder = Seed::team(meet, "Alder", "C");
    Seed::rider(meet, lakeside, "Anna", "Smith", "12");
    const qint32 bo = Seed::rider(meet, lakeside, "Bo", "Adams");
    const qint32 orphan = Seed::rider(meet, 4242, "Cy", "Lost", "3");
    FrmAssignNumbers window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QTreeWidgetItem* root = window.node("Root");
    QCOMPARE(root->text(0), QString("Region B"));
    QVERIFY(root->isExpanded());
    QStringList teams;
    for (int i = 0; i < root->childCount(); ++i)
        teams << root->child(i)->text(0);
    QCOMPARE(teams, QStringList({"B - Lakeside", "C - Alder", "(3) Cy Lost"}));
    QCOMPARE(window.node(QString("Team%1").arg(alder))->childCount(), 0);
    QTreeWidgetItem* team = window.node(QString("Team%1").arg(lakeside));
    QCOMPARE(team->child(0), window.node(QString("Rider%1").arg(bo)));
    QCOMPARE(team->child(0)->text(0), QString("() Bo Adams"));
    QCOMPARE(team->child(1)->text(0), QString("(12) Anna Smith"));
    QVERIFY(window.node(QString("Rider%1").arg(orphan)));
}

void NumberingTest::rangeRuns_data() {
    QTest::addColumn<bool>("random");
    QTest::addColumn<int>("riders");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("written"); // by rider, first seeded first; empty: none written
    const QString seqDone = "The sequential number assignment was successful.";
    const QString randDone = "The random number assignment was successful.";
    QTest::newRow("sequential from 100") << false << 4 << "100"
                                         << "103" << QStringList{seqDone} << QStringList{"103", "101", "100", "102"};
    QTest::newRow("boxes in reverse order") << false << 3 << "20"
                                            << "5" << QStringList{seqDone} << QStringList{"7", "6", "5"};
    QTest::newRow("negative numbers") << false << 3 << "-99"
                                      << "-97" << QStringList{seqDone} << QStringList{"-97", "-98", "-99"};
    QTest::newRow("range one short") << false << 11 << "1"
                                     << "10" << QStringList{RangeTooSmall} << QStringList{};
    QTest::newRow("random range one short") << true << 11 << "1"
                                            << "10" << QStringList{RangeTooSmall} << QStringList{};
    QTest::newRow("four characters part-way") << false << 10 << "995"
                                              << "1010" << QStringList{WriteFailed} << QStringList{};
    QTest::newRow("four negative characters") << false << 3 << "-100"
                                              << "-98" << QStringList{WriteFailed} << QStringList{};
    QTest::newRow("random into four characters") << true << 10 << "990"
                                                 << "1009" << QStringList{WriteFailed} << QStringList{};
    QTest::newRow("empty box") << true << 3 << ""
                               << "10" << QStringList{RangeInvalid} << QStringList{};
    QTest::newRow("letters") << false << 3 << "1"
                             << "ten" << QStringList{RangeInvalid} << QStringList{};
    QTest::newRow("beyond 16 bits") << false << 3 << "1"
                                    << "40000" << QStringList{RangeInvalid} << QStringList{};
    QTest::newRow("range size beyond 16 bits") << true << 3 << "-30000"
                                               << "30000" << QStringList{RangeInvalid} << QStringList{};
    QTest::newRow("random exact range") << true << 3 << "7"
                                        << "9" << QStringList{randDone} << QStringList{};
}

void NumberingTest::rangeRuns() {
    QFETCH(bool, random);
    QFETCH(int, riders);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, written);
    MeetFixture meet;
    seedMeet(meet, riders);
    const QString before = allNumbers(meet);
    FrmAssignNumbers window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    if (random)
        window.CmdRandom_Click();
    else
        window.cmdSequential_Click();
    const char* frame = random ? "FraRandom" : "FraSequential";
    QVERIFY(shows(&window, frame));
    QVERIFY(!shows(&window, "FraButtons"));
    setText(&window, random ? "TxtRandRange1" : "TxtSeqRange1", from);
    setText(&window, random ? "TxtRandRange2" : "TxtSeqRange2", to);
    for (const QString& text : messages)
        meet.messages.expectAppNotice(text);
    if (random)
        window.CmdRandSubmit_Click();
    else
        window.CmdSeqSubmit_Click();
    VERIFY_MESSAGES(meet.messages);

    const bool succeeded = messages.first().endsWith("successful.");
    QCOMPARE(shows(&window, frame), !succeeded);
    QCOMPARE(shows(&window, "FraButtons"), succeeded);
    if (!written.isEmpty()) {
        QCOMPARE(allNumbers(meet), written.join(','));
        // The tree lists the riders in the order the numbers were handed out.
        QCOMPARE(numbersInTree(window), sortedAsNumbers(written));
    } else if (!succeeded) {
        QCOMPARE(allNumbers(meet), before);
        QCOMPARE(control<QLineEdit>(&window, random ? "TxtRandRange1" : "TxtSeqRange1")->text(), from);
    }
    // A run that writes numbers is preceded by a backup, of a server meet as of a file.
    if (succeeded)
        QVERIFY(MeetBackup::list(meet.databasePath()).value(0).endsWith("-numbering.mdb"));
    // The tree is read afresh after a run, successful or not.
    if (succeeded || messages.first() == WriteFailed)
        QCOMPARE(sortedAsNumbers(numbersInTree(window)), sortedAsNumbers(allNumbers(meet).split(',')));
}

void NumberingTest::randomRunGivesEachRiderADifferentNumberOfTheRange() {
    MeetFixture meet;
    seedMeet(meet, 10);
    const qint32 orphan = Seed::rider(meet, 999, "No", "Team", "55");
    FrmAssignNumbers window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.CmdRandom_Click();
    // Eleven riders are counted, the one without a team among them.
    setText(&window, "TxtRandRange1", "1");
    setText(&window, "TxtRandRange2", "11");
    meet.messages.expectAppNotice("The random number assignment was successful.");
    window.CmdRandSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    const QStringList numbers = sortedAsNumbers(numbersInTree(window));
    QCOMPARE(numbers.size(), 10);
    QVERIFY(std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end());
    QVERIFY(numbers.first().toInt() >= 1 && numbers.last().toInt() <= 11);
    QCOMPARE(sortedAsNumbers(allNumbers(meet).split(',')), sortedAsNumbers(QStringList(numbers) << "55"));
    QCOMPARE(meet.scalar("SELECT RiderNumber FROM TblPerson WHERE RiderIndex = ?", {orphan}).toString(), QString("55"));
}

void NumberingTest::everyArrangementIsEquallyLikely() {
    std::mt19937 generator(20240601);
    std::map<std::vector<int>, int> seen;
    const int draws = 24000;
    for (int i = 0; i < draws; ++i) {
        const NumberArrangement arrangement = NumberArrangements::random(3, 1, 4, generator);
        QVERIFY(arrangement.usable);
        ++seen[arrangement.numbers];
    }
    QCOMPARE(int(seen.size()), 24);
    for (const auto& [arrangement, count] : seen)
        QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
    QVERIFY(!NumberArrangements::random(5, 1, 4, generator).usable);
    QCOMPARE(NumberArrangements::sequential(2, 4, 6).numbers, std::vector<int>({4, 5, 6}));
}

void NumberingTest::oneByOne_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::newRow("leading zeros") << "007"
                                   << ""
                                   << "7";
    QTest::newRow("own number") << "12"
                                << ""
                                << "12";
    QTest::newRow("own number, other spelling") << "012"
                                                << ""
                                                << "12";
    QTest::newRow("another rider's number") << "5"
                                            << "The specified number is already in use by another rider."
                                            << "12";
    QTest::newRow("another rider's number, other spelling")
        << "05"
        << "The specified number is already in use by another rider."
        << "12";
    QTest::newRow("empty") << ""
                           << "You must provide a valid rider number."
                           << "12";
    QTest::newRow("letters") << "abc"
                             << "The specified rider number is invalid"
                             << "12";
    QTest::newRow("four characters") << "1000"
                                     << "The specified rider number is invalid"
                                     << "12";
}

void NumberingTest::oneByOne() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    MeetFixture meet;
    const qint32 team = Seed::team(meet, "Lakeside");
    const qint32 anna = Seed::rider(meet, team, "Anna", "Smith", "12");
    Seed::rider(meet, team, "Bo", "Adams", "5");
    FrmAssignNumbers window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    const QString key = QString("Rider%1").arg(anna);
    window.CmdIndividual_Click();
    clickNode(window, key);
    QVERIFY(shows(&window, "FraEditNumber"));
    QVERIFY(!control<QTreeWidget>(&window, "TVNumberAssign")->isEnabled());
    QVERIFY(window.node(key)->font(0).bold());
    setText(&window, "TxtRiderNumber", typed);
    if (!message.isEmpty())
        meet.messages.expectAppNotice(message);
    window.CmdEditSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.scalar("SELECT RiderNumber FROM TblPerson WHERE RiderIndex = ?", {anna}).toString(), stored);
    if (message.isEmpty()) {
        QCOMPARE(window.node(key)->text(0), "(" + stored + ") Anna Smith");
        QVERIFY(!window.node(key)->font(0).bold());
        QVERIFY(shows(&window, "FraIndividual"));
        QVERIFY(control<QTreeWidget>(&window, "TVNumberAssign")->isEnabled());
    } else {
        QVERIFY(shows(&window, "FraEditNumber"));
        QCOMPARE(control<QLineEdit>(&window, "TxtRiderNumber")->text(), QString());
        QCOMPARE(window.node(key)->text(0), QString("(12) Anna Smith"));
    }
}

void NumberingTest::oneByOneIgnoresRootAndTeamNodes() {
    MeetFixture meet;
    const qint32 team = Seed::team(meet, "Lakeside");
    const qint32 anna = Seed::rider(meet, team, "Anna", "Smith", "12");
    FrmAssignNumbers window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    clickNode(window, QString("Rider%1").arg(anna)); // not yet in one-by-one mode
    QVERIFY(!shows(&window, "FraEditNumber"));
    window.CmdIndividual_Click();
    clickNode(window, "Root");
    clickNode(window, QString("Team%1").arg(team));
    QVERIFY(!shows(&window, "FraEditNumber"));
    QVERIFY(shows(&window, "FraIndividual"));
    window.CmdIndividualExit_Click();
    QVERIFY(shows(&window, "FraButtons"));
    QVERIFY(!shows(&window, "FraIndividual"));
}

// A run is drawn for the riders the tree shows. A rider added at another station since (with a
// number the run would hand out too) refuses it, writing nothing; the tree is read afresh and
// the range kept, and the run now counts the new rider. A station holding the write lock past
// the window's wait has it told to try again; an address changed meanwhile does not stop it. A
// rider removed meanwhile takes no number.
void NumberingTest::runFromAnOutdatedTreeIsRefused() {
    MeetFixture meet;
    const QList<qint32> riders = seedMeet(meet, 3);
    OtherStation other(meet, 100);
    FrmAssignNumbers window(other.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    const qint32 oak = meet.scalar("SELECT TeamCode FROM TblTeam WHERE TeamName = 'Oak'").toInt();
    QVERIFY(RiderData::store(meet.db(), {-1, "2", "Zed", "Added", {}, {}, {}, oak}) > 0);
    const QString before = allNumbers(meet);
    window.cmdSequential_Click();
    setText(&window, "TxtSeqRange1", "1");
    setText(&window, "TxtSeqRange2", "3");
    other.messages
        .expectAppNotice("The riders of the meet were changed at another station since this window showed them, so "
                         "no numbers were given. The list now shows the riders as they are; submit the range again "
                         "to number them.")
        .expectAppNotice(RangeTooSmall);
    window.CmdSeqSubmit_Click();
    QCOMPARE(allNumbers(meet), before);
    window.CmdSeqSubmit_Click();
    VERIFY_MESSAGES(other.messages);

    setText(&window, "TxtSeqRange2", "4");
    {
        const TransactionGuard holding(meet.db()); // the meet's write lock, on either engine
        other.messages.expectNotice(Messages::appTitle(), TryAgain, Messages::Icon::Exclamation);
        window.CmdSeqSubmit_Click();
        VERIFY_MESSAGES(other.messages);
    }
    QCOMPARE(allNumbers(meet), before);
    // An address changed meanwhile changes neither the order nor a number: the run goes on.
    meet.exec("UPDATE TblPerson SET Address = 'New Lane' WHERE RiderIndex = ?", {riders.first()});
    other.messages.expectAppNotice("The sequential number assignment was successful.");
    window.CmdSeqSubmit_Click();
    VERIFY_MESSAGES(other.messages);
    QCOMPARE(sortedAsNumbers(allNumbers(meet).split(',')), QStringList({"1", "2", "3", "4"}));

    window.CmdIndividual_Click();
    clickNode(window, QString("Rider%1").arg(riders[0]));
    QVERIFY(RiderData::remove(meet.db(), riders[0]));
    setText(&window, "TxtRiderNumber", "30");
    other.messages.expectAppNotice("The selected rider no longer exists.");
    window.CmdEditSubmit_Click();
    VERIFY_MESSAGES(other.messages);
    QVERIFY(!window.node(QString("Rider%1").arg(riders[0])) && shows(&window, "FraIndividual"));
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblPerson WHERE RiderNumber = '30'").toInt(), 0);
}

void NumberingTest::numberTypedAtTwoStationsAtOnce_data() {
    QTest::addColumn<bool>("riderWindow");
    QTest::addColumn<QString>("message");
    QTest::newRow("numbering window") << false << "The specified number is already in use by another rider.";
    QTest::newRow("rider window") << true << "The specified rider number is currently assigned to another rider.";
}

// Another station gives Bo the number 30, holding the write lock a moment before it writes,
// while this station types 30 for Ann: this save waits for the other and then finds the
// number taken, so no number is held twice.
void NumberingTest::numberTypedAtTwoStationsAtOnce() {
    QFETCH(bool, riderWindow);
    QFETCH(QString, message);
    MeetFixture meet;
    const qint32 team = Seed::team(meet, "Oak");
    const qint32 ann = Seed::rider(meet, team, "Ann", "Lee", "5");
    const qint32 bo = Seed::rider(meet, team, "Bo", "Ray", "6");
    FrmAssignNumbers numbers(*meet.state);
    FrmRider rider(*meet.state);
    for (QWidget* window : {static_cast<QWidget*>(&numbers), static_cast<QWidget*>(&rider)})
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    std::atomic<bool> locked{false};
    std::jthread other([&] {
        DbConnection station;
        station.open(meet.state->meetLocation());
        TransactionGuard writing(station.db());
        locked = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        Sql::exec(station.db(), "UPDATE TblPerson SET RiderNumber = '30' WHERE RiderIndex = ?", {bo});
        writing.commit();
    });
    while (!locked)
        std::this_thread::yield();
    if (riderWindow) {
        QVERIFY(rider.Initialize_Edit(ann));
        setText(&rider, "RiderListBoxArray_0", "30");
        meet.messages.expectConfirm(StandardQuestions::saveText(), true).expectAppNotice(message);
        rider.CmdSave_Click();
    } else {
        numbers.CmdIndividual_Click();
        clickNode(numbers, QString("Rider%1").arg(ann));
        setText(&numbers, "TxtRiderNumber", "30");
        meet.messages.expectAppNotice(message);
        numbers.CmdEditSubmit_Click();
    }
    other.join();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.column("SELECT RiderNumber FROM TblPerson ORDER BY RiderIndex"), QStringList({"5", "30"}));
}

// A run whose server session ended is told as a lost connection, not as an unexpected error,
// and writes nothing; the next run connects again and numbers the riders.
void NumberingTest::lostConnectionIsToldAndTheNextRunNumbers() {
    SKIP_ON_FILES("a meet file has no connection to lose");
    MeetFixture meet;
    seedMeet(meet, 3);
    const QString before = allNumbers(meet);
    FrmAssignNumbers window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.cmdSequential_Click();
    setText(&window, "TxtSeqRange1", "1");
    setText(&window, "TxtSeqRange2", "3");
    QVERIFY(meet.endServerSession());
    meet.messages.expectNotice(Messages::appTitle(),
                               "The connection to the meet server was lost; your change was not saved.",
                               Messages::Icon::Critical);
    window.CmdSeqSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(allNumbers(meet), before);
    meet.messages.expectAppNotice("The sequential number assignment was successful.");
    window.CmdSeqSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(sortedAsNumbers(allNumbers(meet).split(',')), QStringList({"1", "2", "3"}));
}

CORRAVIN_TEST(NumberingTest)
#include "numbering_test.moc"
