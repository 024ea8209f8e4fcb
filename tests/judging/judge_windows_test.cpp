#include "judging_fixture.h"
#include "test_main.h"

#include "judging/frm_judge.h"
#include "judging/frm_judge_mgmt.h"
#include "ui/standard_questions.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString JudgeEditFirst = "You must first select the Judge you want to edit.";
const QString JudgeSelectToDelete = "You must select a Judge to delete.";
const QString JudgeDeleteQuestion =
    "Clicking OK will delete the selected Judge and cannot be undone. Are you sure you want to continue?";

QListWidget* judgeList(FrmJudgeMgmt& mgmt) {
    return judgingControl<QListWidget>(&mgmt, "LbJudges");
}

void clickJudge(FrmJudgeMgmt& mgmt, int row) {
    judgeList(mgmt)->setCurrentRow(row);
}

void typeInto(QWidget* window, const QString& name, const QString& text) {
    judgingControl<QLineEdit>(window, name)->setText(text);
}

QStringList listed(FrmJudgeMgmt& mgmt) {
    QStringList all;
    for (int i = 0; i < judgeList(mgmt)->count(); ++i)
        all << judgeList(mgmt)->item(i)->text();
    return all;
}

// Submits the open judge window, answering Yes to the save question.
void submitJudge(MeetFixture& meet, FrmJudgeMgmt& mgmt) {
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    mgmt.judgeWindow()->CmdSubmit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class JudgeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void submitValidatesNamesInOrder_data();
    void submitValidatesNamesInOrder();
    void addAndEditStoreEveryBoxForAWideKey();
    void deleteRefusals_data();
    void deleteRefusals();
    void selectionByPositionAfterAddAndDelete();
};

void JudgeWindowsTest::submitValidatesNamesInOrder_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("message"); // empty: stored
    QTest::newRow("both empty: first name only") << ""
                                                 << ""
                                                 << "The First Name box must be filled in";
    QTest::newRow("no last name") << "Mary"
                                  << ""
                                  << "The Last Name box must be filled in";
    QTest::newRow("blanks pass") << " "
                                 << "  "
                                 << "";
}

void JudgeWindowsTest::submitValidatesNamesInOrder() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, message);
    MeetFixture meet;
    FrmJudge window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Initialize_Add();
    typeInto(&window, "TxtFirst", first);
    typeInto(&window, "TxtLast", last);
    QSignalSpy closed(&window, &FrmJudge::closed);
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    if (!message.isEmpty())
        meet.messages.expectNotice("Submit Error", message);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), message.isEmpty() ? 1 : 0);
    QCOMPARE(meet.count("TblJudge"), message.isEmpty() ? 1 : 0);
}

// A key beyond 16 bits is selected, edited and deleted whole.
void JudgeWindowsTest::addAndEditStoreEveryBoxForAWideKey() {
    MeetFixture meet;
    meet.exec("INSERT INTO TblJudge (JudgeID, FirstName, LastName) VALUES (70000, 'Old', 'Name')");
    FrmJudgeMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    QCOMPARE(judgingControl<QLabel>(&mgmt, "lblJudges")->text(), QString("Judges Information Form"));
    mgmt.CmdAddJudge_Click();
    FrmJudge* window = mgmt.judgeWindow();
    QVERIFY(window && window->isVisible() && !mgmt.isEnabled());
    QCOMPARE(judgingControl<QLabel>(window, "LblTitle")->text(), QString("Judge Information Form"));
    const QStringList boxes{"TxtFirst", "TxtLast", "TxtAddress",  "TxtCity",
                            "TxtState", "TxtZip",  "TxtPhoneNum", "TxtEmail"};
    const QStringList typed{"Zoë", "O'Hara", "1 Main St", "Springfield", "OHIO", "123456", "555-1234", "z@x.org"};
    for (int i = 0; i < boxes.size(); ++i)
        typeInto(window, boxes[i], typed[i]);
    judgingControl<QPlainTextEdit>(window, "TxtMemo")->setPlainText("line one\nline 'two'");
    submitJudge(meet, mgmt);
    QVERIFY(mgmt.isEnabled() && !mgmt.judgeWindow());
    QCOMPARE(meet.scalar("SELECT FirstName || '|' || LastName || '|' || Address || '|' || City || '|' || State || '|' "
                         "|| Zip || '|' || PhoneNumber || '|' || Email || '|' || Memo FROM TblJudge WHERE JudgeID <> "
                         "70000")
                 .toString(),
             QString("Zoë|O'Hara|1 Main St|Springfield|OH|12345|555-1234|z@x.org|line one\nline 'two'"));
    QCOMPARE(listed(mgmt), QStringList({"Name, Old", "O'Hara, Zoë"}));

    clickJudge(mgmt, 0);
    QCOMPARE(mgmt.selectedJudge(), 70000);
    mgmt.CmdEditJudge_Click();
    QVERIFY(mgmt.judgeWindow() && mgmt.judgeWindow()->editing());
    QCOMPARE(judgingControl<QLineEdit>(mgmt.judgeWindow(), "TxtFirst")->text(), QString("Old"));
    typeInto(mgmt.judgeWindow(), "TxtLast", "Adams");
    submitJudge(meet, mgmt);
    QCOMPARE(meet.scalar("SELECT LastName FROM TblJudge WHERE JudgeID = 70000").toString(), QString("Adams"));
    meet.messages.expectConfirm(JudgeDeleteQuestion, true);
    mgmt.CmdDeleteJudge_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(JudgingSeed::column(meet, "SELECT LastName FROM TblJudge"), QStringList{"O'Hara"});
}

void JudgeWindowsTest::deleteRefusals_data() {
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("assigned");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message"); // empty: the question, answered No
    QTest::newRow("none selected") << false << false << false << "Delete Error" << JudgeSelectToDelete;
    QTest::newRow("assigned, told first") << true << true << true << "Corravin"
                                          << "The judge cannot be deleted as long as a class is assigned to them.";
    QTest::newRow("placings recorded") << true << false << true << "Corravin"
                                       << "The judge cannot be deleted as long as placings are recorded under them.";
    QTest::newRow("answered No") << true << false << false << ""
                                 << "";
}

void JudgeWindowsTest::deleteRefusals() {
    QFETCH(bool, select);
    QFETCH(bool, assigned);
    QFETCH(bool, placed);
    QFETCH(QString, title);
    QFETCH(QString, message);
    MeetFixture meet;
    const qint32 judge = JudgingSeed::judge(meet, "Mary", "Ellis");
    if (assigned)
        JudgingSeed::assign(meet, judge, 4, "C");
    if (placed)
        JudgingSeed::placing(meet, judge, 4, "C");
    FrmJudgeMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    if (select)
        clickJudge(mgmt, 0);
    if (message.isEmpty())
        meet.messages.expectConfirm(JudgeDeleteQuestion, false);
    else
        meet.messages.expectNotice(title, message);
    mgmt.CmdDeleteJudge_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.count("TblJudge"), 1);
    QCOMPARE(mgmt.selectedJudge(), select ? judge : -1);
}

// Judges of the same last name map to their records by position. An add leaves the
// selection as it was; a delete clears it. Without judges both buttons ask for a selection.
void JudgeWindowsTest::selectionByPositionAfterAddAndDelete() {
    MeetFixture meet;
    FrmJudgeMgmt mgmt(*meet.state);
    mgmt.Form_Activate();
    meet.messages.expectAppNotice(JudgeEditFirst).expectNotice("Delete Error", JudgeSelectToDelete);
    mgmt.CmdEditJudge_Click();
    mgmt.CmdDeleteJudge_Click();
    VERIFY_MESSAGES(meet.messages);

    const qint32 mary = JudgingSeed::judge(meet, "Mary", "Ellis");
    const qint32 ann = JudgingSeed::judge(meet, "Ann", "Ellis");
    mgmt.Form_Activate();
    clickJudge(mgmt, 1);
    QCOMPARE(mgmt.selectedJudge(), ann);
    clickJudge(mgmt, 0);
    QCOMPARE(mgmt.selectedJudge(), mary);
    mgmt.CmdAddJudge_Click();
    typeInto(mgmt.judgeWindow(), "TxtFirst", "Zed");
    typeInto(mgmt.judgeWindow(), "TxtLast", "adams");
    submitJudge(meet, mgmt);
    QCOMPARE(listed(mgmt), QStringList({"adams, Zed", "Ellis, Mary", "Ellis, Ann"}));
    QCOMPARE(mgmt.selectedJudge(), mary);
    QCOMPARE(judgeList(mgmt)->currentRow(), 1);
    mgmt.CmdEditJudge_Click();
    QCOMPARE(judgingControl<QLineEdit>(mgmt.judgeWindow(), "TxtFirst")->text(), QString("Mary"));
    meet.messages.expectConfirm(StandardQuestions::cancelText(), true);
    mgmt.judgeWindow()->CmdCancel_Click();

    meet.messages.expectConfirm(JudgeDeleteQuestion, true).expectAppNotice(JudgeEditFirst);
    mgmt.CmdDeleteJudge_Click();
    QCOMPARE(mgmt.selectedJudge(), -1);
    mgmt.CmdEditJudge_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(listed(mgmt), QStringList({"adams, Zed", "Ellis, Ann"}));
}

CORRAVIN_TEST(JudgeWindowsTest)
#include "judge_windows_test.moc"
