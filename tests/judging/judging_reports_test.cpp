#include "pdf_text.h"
#include "seed.h"
#include "test_main.h"

#include "judging/frm_judge_class_mgmt.h"
#include "judging/frm_judges_cards.h"
#include "judging/judging_reports.h"
#include "report_engine/report_layout.h"
#include "reports/frm_report_preview.h"
#include "reports/print_command.h"

#include <QFile>
#include <QTest>

namespace {
const QString NoAgenda = "There are currently no judging assignments entered.";

// Two judges for each of the first `classes` classes of the division; class 1 has Ellis
// (added first) and Adams.
void seedTwoJudgesPerClass(MeetFixture& meet, int classes, const QString& division) {
    const qint32 ellis = Seed::judge(meet, "Mary", "Ellis");
    const qint32 adams = Seed::judge(meet, "Zed", "Adams");
    for (int c = 1; c <= classes; ++c) {
        Seed::assign(meet, ellis, c, division);
        Seed::assign(meet, adams, c, division);
    }
}

// A card row as "class:judge" per slot, blank slots as "_".
QStringList cardSlots(const RowSet& cards, int row) {
    QStringList cardTexts;
    for (int s = 1; s <= 3; ++s) {
        const QString judge = cards.value(row, QString("C%1Judge").arg(s)).toString();
        cardTexts << (judge == " " ? QString("_")
                                   : cards.value(row, QString("C%1ClassNumber").arg(s)).toString() + ':' + judge);
    }
    return cardTexts;
}

} // namespace

class JudgingReportsTest : public QObject {
    Q_OBJECT
private slots:
    void cardsRunThreeToARow_data();
    void cardsRunThreeToARow();
    void agendaGroupsTheChosenDivisionByClass();
    void noAssignmentsNoReport();
    void printsFromTheCommandLine();
};

void JudgingReportsTest::cardsRunThreeToARow_data() {
    QTest::addColumn<int>("classes");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRow");
    QTest::newRow("17 classes: 34 cards") << 17 << 12 << QStringList{"17:Mary Ellis", "_", "_"};
    QTest::newRow("3 classes: 6 cards") << 3 << 2 << QStringList{"2:Mary Ellis", "3:Zed Adams", "3:Mary Ellis"};
}

void JudgingReportsTest::cardsRunThreeToARow() {
    QFETCH(int, classes);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRow);
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    seedTwoJudgesPerClass(meet, classes, "B");
    Seed::assign(meet, Seed::judge(meet, "Other", "Division"), 1, "A");
    const RowSet cards = JudgingReports::Build_Card_Rows(meet.db(), "B");
    QCOMPARE(cards.fields().size(), 12);
    QCOMPARE(cards.fields().first(), QString("C1Division"));
    QCOMPARE(cards.size(), rows);
    QCOMPARE(cardSlots(cards, 0), QStringList({"1:Zed Adams", "1:Mary Ellis", "2:Zed Adams"}));
    QCOMPARE(cardSlots(cards, rows - 1), lastRow);
    QCOMPARE(cards.value(0, "C2Division").toString(), QString("B"));
    QCOMPARE(cards.value(0, "C3ClassName").toString(),
             meet.scalar("SELECT ClassName FROM TblClass WHERE ClassNumber = 2").toString());

    // The activity shows them landscape, two card rows a page, each card headed by the region.
    FrmJudgesCards window(*meet.state);
    window.Set_Division("B");
    window.Load_Report();
    auto* preview = qobject_cast<FrmReportPreview*>(window.reportWindow());
    QVERIFY(preview);
    QVERIFY(preview->pages().landscape);
    QCOMPARE(preview->pages().pageCount(), (rows + 1) / 2);
    const LaidOutPage& page = preview->pages().pages.front();
    QCOMPARE(page.texts("C3lblRegion").value(0), QString("Region C Judges Card"));
    for (const char* text : {"Divsion:", "HM", "10th Place ", "Judges Initials"})
        QVERIFY2(page.allTexts().contains(text), text);
    preview->close();

    // "Print All": division A's one card, then division B's, each division from a new page.
    window.CmdPrintAll_Click();
    preview = qobject_cast<FrmReportPreview*>(window.reportWindow());
    QVERIFY(preview);
    QCOMPARE(preview->pages().pageCount(), 1 + (rows + 1) / 2);
    QCOMPARE(preview->pages().pages[0].texts("C1Division"), QStringList({"A"}));
    QCOMPARE(preview->pages().pages[1].texts("C1Division").value(0), QString("B"));
    preview->close();
}

void JudgingReportsTest::agendaGroupsTheChosenDivisionByClass() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    seedTwoJudgesPerClass(meet, 2, "A");
    Seed::assign(meet, Seed::judge(meet, "Bea", "Brown"), 9, "B");
    FrmJudgeClassMgmt window(*meet.state);
    window.Set_Division("A");
    window.CmdDisplayReport_Click();
    auto* preview = qobject_cast<FrmReportPreview*>(window.agendaWindow());
    QVERIFY(preview);
    const LaidOutPage& page = preview->pages().pages.front();
    QCOMPARE(page.texts("LblShow"), QStringList{"Region: C, Division: A"});
    QCOMPARE(page.texts("txtClassNumber"), QStringList({"1", "2"}));
    QCOMPARE(page.texts("txtJudge"), QStringList({"Zed Adams", "Mary Ellis", "Zed Adams", "Mary Ellis"}));
    preview->close();

    // A division chosen while the window is open is the one both buttons work on.
    window.Set_Division("B");
    window.CmdDisplayReport_Click();
    preview = qobject_cast<FrmReportPreview*>(window.agendaWindow());
    QVERIFY(preview);
    QCOMPARE(preview->pages().pages.front().texts("txtJudge"), QStringList{"Bea Brown"});
    preview->close();
}

void JudgingReportsTest::noAssignmentsNoReport() {
    MeetFixture meet;
    seedTwoJudgesPerClass(meet, 1, "A");
    FrmJudgeClassMgmt agenda(*meet.state);
    agenda.Set_Division("C");
    FrmJudgesCards cards(*meet.state);
    cards.Set_Division("C");
    meet.messages.expectAppNotice(NoAgenda).expectAppNotice(
        "There are currently no judging assignments entered for the C Division.");
    agenda.CmdDisplayReport_Click();
    cards.Load_Report();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!agenda.agendaWindow() && !cards.reportWindow());
    meet.exec("DELETE FROM TblClassJudges");
    meet.messages.expectAppNotice(NoAgenda);
    cards.CmdPrintAll_Click(); // no division has any
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!cards.reportWindow());
}

// The print command prints from the same preparing code, or says why not.
void JudgingReportsTest::printsFromTheCommandLine() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    seedTwoJudgesPerClass(meet, 17, "B");
    PrintRegistry registry;
    JudgingReports::addPrintable(registry);
    const QString pdf = meet.programFolder() + "/judging.pdf";
    auto print = [&](const QString& report, const QString& division) {
        PrintRequest request;
        request.report = report;
        request.division = division;
        request.pdf = pdf;
        return PrintCommand::run(*meet.state, request, registry);
    };
    QCOMPARE(print("judges-cards", "B"), PrintCommand::Printed);
    const QString cards = pdfText(pdf);
    // 12 rows of three cards: 34 filled and two blank ones to fill in by hand.
    QCOMPARE(cards.count("Region C Judges Card"), 36);
    QCOMPARE(cards.count("Mary Ellis"), 17);
    QCOMPARE(print("judging-agenda", "B"), PrintCommand::Printed);
    QVERIFY(pdfText(pdf).contains("Region: C, Division: B"));
    QVERIFY(QFile::remove(pdf));
    meet.messages.expectAppNotice(NoAgenda);
    QCOMPARE(print("judging-agenda", "D"), PrintCommand::Refused);
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!QFile::exists(pdf));
}

CORRAVIN_TEST(JudgingReportsTest)
#include "judging_reports_test.moc"
