#include "registration/frm_rider.h"
#include "registration/frm_rider_mgmt.h"
#include "seed.h"
#include "test_main.h"
#include "ui/standard_questions.h"
#include "window_driver.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString MissingInformation =
    "The rider cannot be saved due to missing information. Make sure you have filled in the riders 'first name', "
    "'last name', 'team', and 'rider number' and try again.";
const QString InvalidNumber = "The specified rider number is invalid.";
const QString NumberTaken = "The specified rider number is currently assigned to another rider.";
const QString RiderDeleteQuestion =
    "You are about to delete the selected rider. This action cannot be undone. Are you sure you want to continue?";

void fillRider(QWidget* window, const QStringList& boxes, int team) {
    for (int i = 0; i < boxes.size(); ++i)
        setText(window, QString("RiderListBoxArray_%1").arg(i), boxes[i]);
    choose(window, "LbTeamCode", team);
}

QListWidget* results(FrmRiderMgmt& mgmt) {
    return control<QListWidget>(&mgmt, "LbResults");
}

void search(FrmRiderMgmt& mgmt, int by, const QString& text) {
    choose(&mgmt, "LbSearchBy", by);
    setText(&mgmt, "TxtSearchFor", text);
    mgmt.CmdSearch_Click();
}

void pickResult(FrmRiderMgmt& mgmt, int row) {
    results(mgmt)->setCurrentRow(row);
    results(mgmt)->item(row)->setSelected(true);
}
} // namespace

class RiderWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void saveValidatesInOrder_data();
    void saveValidatesInOrder();
    void addStoresTheNumberAsTypedAndRepeatsTheSearch();
    void editKeepsItsOwnNumberAndTeam();
    void savingARiderDeletedMeanwhileSaysSo();
    void refusedStoreLeavesNothingAndKeepsTheInput();
    void searchMatchesTypedTextLiterally_data();
    void searchMatchesTypedTextLiterally();
    void emptySearchLeavesTheList();
    void deleteRefusals_data();
    void deleteRefusals();
    void deleteAsksThenRemoves();
    void reportWithoutRidersSaysSo();
};

void RiderWindowsTest::saveValidatesInOrder_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("team");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    const int none = int(Messages::Icon::None);
    QTest::newRow("no team, all empty") << QStringList{"", "", ""} << -1 << ""
                                        << "A team must be selected in the Team box" << none;
    QTest::newRow("no number") << QStringList{"", "Anna", "Smith"} << 0 << "" << MissingInformation
                               << int(Messages::Icon::Exclamation);
    QTest::newRow("no last name") << QStringList{"abc", "Anna", ""} << 0 << "" << MissingInformation
                                  << int(Messages::Icon::Exclamation);
    QTest::newRow("letters") << QStringList{"abc", "Anna", "Smith"} << 0 << "" << InvalidNumber << none;
    QTest::newRow("beyond 16 bits") << QStringList{"40000", "Anna", "Smith"} << 0 << "" << InvalidNumber << none;
    QTest::newRow("fraction") << QStringList{"1.5", "Anna", "Smith"} << 0 << "" << InvalidNumber << none;
    QTest::newRow("held as 7, typed 007") << QStringList{"007", "Anna", "Smith"} << 0 << "7" << NumberTaken << none;
    QTest::newRow("held as 07, typed 7") << QStringList{"7", "Anna", "Smith"} << 0 << "07" << NumberTaken << none;
    QTest::newRow("four characters") << QStringList{"1000", "Anna", "Smith"} << 0 << "" << InvalidNumber << none;
    QTest::newRow("held as 7, typed 0007") << QStringList{"0007", "Anna", "Smith"} << 0 << "7" << NumberTaken << none;
}

void RiderWindowsTest::saveValidatesInOrder() {
    QFETCH(QStringList, boxes);
    QFETCH(int, team);
    QFETCH(QString, held);
    QFETCH(QString, message);
    QFETCH(int, icon);
    MeetFixture meet;
    const qint32 lakeside = Seed::team(meet, "Lakeside");
    if (!held.isEmpty())
        Seed::rider(meet, lakeside, "Ben", "Jones", held);
    FrmRider window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Initialize_Add();
    fillRider(&window, boxes, team);
    QSignalSpy closed(&window, &FrmRider::closed);
    meet.messages.expectConfirm(StandardQuestions::saveText(), true)
        .expectNotice(Messages::appTitle(), message, Messages::Icon(icon));
    window.CmdSave_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(control<QLineEdit>(&window, "RiderListBoxArray_0")->text(), boxes[0]);
    QCOMPARE(meet.count("TblPerson"), held.isEmpty() ? 0 : 1);
}

void RiderWindowsTest::addStoresTheNumberAsTypedAndRepeatsTheSearch() {
    MeetFixture meet;
    Seed::team(meet, "Alder");
    const qint32 lakeside = Seed::team(meet, "Lakeside");
    Seed::rider(meet, lakeside, "Ben", "O'Neill", "8");
    FrmRiderMgmt mgmt(*meet.state);
    search(mgmt, 0, "O'");
    QCOMPARE(entries(results(mgmt)), QStringList({"8 - O'Neill, Ben (Lakeside)"}));

    mgmt.CmdAdd_Click();
    FrmRider* window = mgmt.riderWindow();
    QVERIFY(window);
    QVERIFY(mgmt.isEnabled());
    QCOMPARE(entries(control<QComboBox>(window, "LbTeamCode")), QStringList({"Alder", "Lakeside"}));
    fillRider(window, {"007", "Zoë", "O'Brien", "1 \"Elm\" St", "Cork", "T12 X4"}, 1);
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window->CmdSave_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.scalar("SELECT RiderNumber||'|'||FirstName||'|'||LastName||'|'||Address||'|'||City||'|'||Zip||'|'||"
                         "TeamCode FROM TblPerson WHERE FirstName = 'Zoë'")
                 .toString(),
             "007|Zoë|O'Brien|1 \"Elm\" St|Cork|T12 X4|" + QString::number(lakeside));
    QCOMPARE(entries(results(mgmt)), QStringList({"8 - O'Neill, Ben (Lakeside)", "007 - O'Brien, Zoë (Lakeside)"}));
}

void RiderWindowsTest::editKeepsItsOwnNumberAndTeam() {
    MeetFixture meet;
    Seed::team(meet, "Alder");
    const qint32 lakeside = Seed::team(meet, "Lakeside");
    const qint32 anna = Seed::rider(meet, lakeside, "Anna", "Smith", "007");
    FrmRiderMgmt mgmt(*meet.state);
    search(mgmt, 3, "lake");
    QCOMPARE(entries(results(mgmt)), QStringList({"007 - Smith, Anna (Lakeside)"}));
    meet.messages.expectAppNotice("You must first select the rider you want to edit.");
    mgmt.CmdEdit_Click();
    pickResult(mgmt, 0);
    mgmt.CmdEdit_Click();
    FrmRider* window = mgmt.riderWindow();
    QVERIFY(window);
    QCOMPARE(control<QComboBox>(window, "LbTeamCode")->currentIndex(), 1);
    QCOMPARE(control<QLineEdit>(window, "RiderListBoxArray_0")->text(), QString("007"));
    setText(window, "RiderListBoxArray_0", "7");
    setText(window, "RiderListBoxArray_2", "Smith-Jones");
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window->CmdSave_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(
        meet.scalar("SELECT RiderNumber||LastName||TeamCode FROM TblPerson WHERE RiderIndex = ?", {anna}).toString(),
        "7Smith-Jones" + QString::number(lakeside));
    QCOMPARE(meet.count("TblPerson"), 1);
}

void RiderWindowsTest::savingARiderDeletedMeanwhileSaysSo() {
    MeetFixture meet;
    Seed::rider(meet, Seed::team(meet, "Lakeside"), "Anna", "Smith", "7");
    FrmRiderMgmt mgmt(*meet.state);
    search(mgmt, 0, "smith");
    pickResult(mgmt, 0);
    mgmt.CmdEdit_Click();
    QPointer<FrmRider> window = mgmt.riderWindow();
    setText(window, "RiderListBoxArray_2", "Smith-Jones");
    // Deleted from the still-enabled management window while the rider window is open.
    meet.messages.expectConfirm(RiderDeleteQuestion, true);
    mgmt.CmdDelete_Click();
    meet.messages.expectConfirm(StandardQuestions::saveText(), true)
        .expectAppNotice("The selected rider no longer exists.");
    window->CmdSave_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(window && window->isVisible());
    QCOMPARE(control<QLineEdit>(window, "RiderListBoxArray_2")->text(), QString("Smith-Jones"));
    QCOMPARE(meet.count("TblPerson"), 0);
}

void RiderWindowsTest::refusedStoreLeavesNothingAndKeepsTheInput() {
    MeetFixture meet;
    Seed::team(meet, "Lakeside");
    meet.refuseInserts("TblPerson");
    FrmRider window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Initialize_Add();
    fillRider(&window, {"12", "Anna", "Smith"}, 0);
    QSignalSpy closed(&window, &FrmRider::closed);
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window.CmdSave_Click();
    // The engine's refusal reaches the user with its own text.
    QCOMPARE(meet.messages.shown().size(), 2);
    QVERIFY(meet.messages.shown().at(1).contains("disk is full"));
    meet.messages.reset();
    QCOMPARE(closed.count(), 0);
    QCOMPARE(control<QLineEdit>(&window, "RiderListBoxArray_1")->text(), QString("Anna"));
    QCOMPARE(meet.count("TblPerson"), 0);
    // No transaction was left open behind the refusal.
    QVERIFY(meet.db().transaction());
    meet.db().rollback();
}

void RiderWindowsTest::searchMatchesTypedTextLiterally_data() {
    QTest::addColumn<int>("by");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("last name, apostrophe") << 0 << "o'b" << QStringList{"7 - O'Brien, Zoë (Lake_side)"};
    QTest::newRow("first name, non-ASCII") << 1 << "oë" << QStringList{"7 - O'Brien, Zoë (Lake_side)"};
    QTest::newRow("case of every letter") << 1 << "ZOË" << QStringList{"7 - O'Brien, Zoë (Lake_side)"};
    QTest::newRow("percent is literal") << 0 << "%" << QStringList{"12 - 100% Pure, Al (Oak)"};
    QTest::newRow("underscore is literal") << 3 << "e_s" << QStringList{"7 - O'Brien, Zoë (Lake_side)"};
    QTest::newRow("star is literal") << 1 << "*" << QStringList{" - Star*, Bo* (Oak)"};
    QTest::newRow("quote") << 0 << "\"" << QStringList{"070 - \"Kid\" Lee, Jo (Oak)"};
    QTest::newRow("number anywhere") << 2 << "7"
                                     << QStringList{"7 - O'Brien, Zoë (Lake_side)", "070 - \"Kid\" Lee, Jo (Oak)"};
    QTest::newRow("no match") << 0 << "zz" << QStringList{};
}

void RiderWindowsTest::searchMatchesTypedTextLiterally() {
    QFETCH(int, by);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    MeetFixture meet;
    const qint32 lake = Seed::team(meet, "Lake_side");
    const qint32 oak = Seed::team(meet, "Oak");
    Seed::rider(meet, lake, "Zoë", "O'Brien", "7");
    Seed::rider(meet, oak, "Al", "100% Pure", "12");
    Seed::rider(meet, oak, "Bo*", "Star*");
    Seed::rider(meet, oak, "Jo", "\"Kid\" Lee", "070");
    Seed::rider(meet, 999, "No", "Team", "77");
    FrmRiderMgmt mgmt(*meet.state);
    search(mgmt, by, typed);
    QCOMPARE(entries(results(mgmt)), found);
}

void RiderWindowsTest::emptySearchLeavesTheList() {
    MeetFixture meet;
    Seed::rider(meet, Seed::team(meet, "Oak"), "Anna", "Smith", "1");
    FrmRiderMgmt mgmt(*meet.state);
    search(mgmt, 0, "smi");
    QCOMPARE(results(mgmt)->count(), 1);
    search(mgmt, 0, "");
    QCOMPARE(results(mgmt)->count(), 1);
    meet.exec("DELETE FROM TblPerson");
    mgmt.Form_Activate();
    QCOMPARE(results(mgmt)->count(), 1);
}

void RiderWindowsTest::deleteRefusals_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing selected") << ""
                                      << "You must first select the rider you want to delete.";
    QTest::newRow("entered in a class") << "entry"
                                        << "You may not delete a rider who is entered in a class.";
    QTest::newRow("relay partner") << "partner"
                                   << "You may not delete a rider who is another rider's relay partner.";
}

void RiderWindowsTest::deleteRefusals() {
    QFETCH(QString, link);
    QFETCH(QString, message);
    MeetFixture meet;
    const qint32 oak = Seed::team(meet, "Oak");
    const qint32 anna = Seed::rider(meet, oak, "Anna", "Smith", "1");
    const qint32 ben = Seed::rider(meet, oak, "Ben", "Jones", "2");
    if (link == "entry")
        meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (3, ?)", {anna});
    if (link == "partner")
        meet.exec("INSERT INTO TblPairing (RiderIndex, PartnerNumber, PartnerIndex, PartnerFirst, PartnerLast) "
                  "VALUES (?, '1', ?, 'Anna', 'Smith')",
                  {ben, anna});
    FrmRiderMgmt mgmt(*meet.state);
    search(mgmt, 0, "Smith");
    if (!link.isEmpty())
        pickResult(mgmt, 0);
    meet.messages.expectAppNotice(message);
    mgmt.CmdDelete_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.count("TblPerson"), 2);
}

void RiderWindowsTest::deleteAsksThenRemoves() {
    MeetFixture meet;
    const qint32 oak = Seed::team(meet, "Oak");
    Seed::rider(meet, oak, "Anna", "Smith", "1");
    Seed::rider(meet, oak, "Ben", "Smith", "2");
    FrmRiderMgmt mgmt(*meet.state);
    search(mgmt, 0, "Smith");
    pickResult(mgmt, 1);
    meet.messages.expectConfirm(RiderDeleteQuestion, false);
    mgmt.CmdDelete_Click();
    QCOMPARE(meet.count("TblPerson"), 2);
    meet.messages.expectConfirm(RiderDeleteQuestion, true);
    mgmt.CmdDelete_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.column("SELECT FirstName FROM TblPerson"), QStringList{"Anna"});
    QCOMPARE(entries(results(mgmt)), QStringList({"1 - Smith, Anna (Oak)"}));
}

void RiderWindowsTest::reportWithoutRidersSaysSo() {
    MeetFixture meet;
    Seed::team(meet, "Oak");
    FrmRiderMgmt mgmt(*meet.state);
    meet.messages.expectAppNotice("There are currently no riders entered.");
    mgmt.CmdRiderReport_Click();
    VERIFY_MESSAGES(meet.messages);
}

CORRAVIN_TEST(RiderWindowsTest)
#include "rider_windows_test.moc"
