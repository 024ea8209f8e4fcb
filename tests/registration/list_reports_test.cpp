#include "registration/frm_coach_mgmt.h"
#include "registration/frm_rider_mgmt.h"
#include "registration/registration_reports.h"
#include "reports/frm_report_preview.h"
#include "reports/print_command.h"
#include "page_texts.h"
#include "pdf_text.h"
#include "seed.h"
#include "test_main.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ListReportsTest : public QObject {
    Q_OBJECT
private slots:
    void coachListShowsTeamsByDivisionWithHeadCoachesFirst();
    void riderListGroupsRidersByDivisionAndTeam();
    void printCommandWritesBothListsOrRefuses_data();
    void printCommandWritesBothListsOrRefuses();
};

void ListReportsTest::coachListShowsTeamsByDivisionWithHeadCoachesFirst() {
    MeetFixture meet;
    const qint32 oak = Seed::team(meet, "Oak", "A");
    const qint32 birch = Seed::team(meet, "Birch", "B");
    Seed::team(meet, "Alder", "B");
    Seed::coach(meet, birch, "Amy", "Adams", "Assistant Coach");
    Seed::coach(meet, birch, "Seán", "O'Brien", "Head Coach");
    Seed::coach(meet, oak, "Ken", "Lee", "Head Coach");
    FrmCoachMgmt mgmt(*meet.state);
    mgmt.CmdCoachReport_Click();
    auto* preview = qobject_cast<FrmReportPreview*>(mgmt.reportWindow());
    QVERIFY(preview);
    QCOMPARE(preview->owner(), &mgmt);
    const LaidOutReport& pages = preview->pages();
    QCOMPARE(pages.pageCount(), 1);
    const LaidOutPage& page = pages.pages.front();
    QCOMPARE(page.texts("LblTitle"), QStringList({"Complete Coach's List"}));
    // Teams by division then name; a team without coaches still shows.
    QCOMPARE(page.texts("txtTeamName"), QStringList({"Oak", "Alder", "Birch"}));
    QCOMPARE(page.texts("txtCoach"), QStringList({"Ken Lee", "Seán O'Brien", "Amy Adams"}));
    QCOMPARE(page.texts("txtPosition"), QStringList({"Head Coach", "Head Coach", "Assistant Coach"}));
    QCOMPARE(page.texts("LblPageNumber") + page.texts("LblPageCount"), QStringList({"1", "1"}));
    preview->close();
}

void ListReportsTest::riderListGroupsRidersByDivisionAndTeam() {
    MeetFixture meet;
    meet.messages.expectAppNotice("There are currently no riders entered.");
    FrmRiderMgmt empty(*meet.state);
    empty.CmdRiderReport_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!empty.reportWindow());

    const qint32 oak = Seed::team(meet, "Oak", "C");
    const qint32 birch = Seed::team(meet, "Birch", "B");
    Seed::rider(meet, oak, "Zoë", "Quinn", "3");
    Seed::rider(meet, birch, "Bo", "Adams", "12");
    Seed::rider(meet, birch, "Al", "Brown", "10");
    Seed::rider(meet, 777, "No", "Team", "1");
    for (int i = 0; i < 60; ++i)
        Seed::rider(meet, oak, "Many", QString("Rider%1").arg(i, 2, 10, QChar('0')));
    FrmRiderMgmt mgmt(*meet.state);
    mgmt.CmdRiderReport_Click();
    VERIFY_MESSAGES(meet.messages);
    auto* preview = qobject_cast<FrmReportPreview*>(mgmt.reportWindow());
    QVERIFY(preview);
    const LaidOutReport& pages = preview->pages();
    QVERIFY(pages.pageCount() >= 2);
    const LaidOutPage& first = pages.pages.front();
    QCOMPARE(first.texts("LblTitle"), QStringList({"Complete Rider's List"}));
    QCOMPARE(first.texts("txtTeamName").mid(0, 2), QStringList({"Birch", "Oak"}));
    QCOMPARE(first.texts("txtPerson").mid(0, 3), QStringList({"Al Brown", "Bo Adams", "Many Rider00"}));
    QCOMPARE(first.texts("txtRiderNumber").mid(0, 2), QStringList({"10", "12"}));
    const QStringList texts = pageTexts(pages);
    QVERIFY(texts.contains("Zoë Quinn"));
    QVERIFY(!texts.contains("No Team"));
    const LaidOutPage& last = pages.pages.back();
    QCOMPARE(last.texts("LblPageNumber") + last.texts("LblPageCount"),
             QStringList({QString::number(pages.pageCount()), QString::number(pages.pageCount())}));
    preview->close();
}

void ListReportsTest::printCommandWritesBothListsOrRefuses_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("seed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("coach list") << "coach-list" << true << "O'Brien";
    QTest::newRow("rider list") << "rider-list" << true << "Zoë Quinn";
    QTest::newRow("no teams") << "coach-list" << false << "There are currently no coaches entered.";
    QTest::newRow("no riders") << "rider-list" << false << "There are currently no riders entered.";
}

void ListReportsTest::printCommandWritesBothListsOrRefuses() {
    QFETCH(QString, report);
    QFETCH(bool, seed);
    QFETCH(QString, expected);
    MeetFixture meet;
    if (seed) {
        const qint32 team = Seed::team(meet, "Lakeside", "B");
        Seed::coach(meet, team, "Seán", "O'Brien");
        Seed::rider(meet, team, "Zoë", "Quinn", "7");
    }
    QTemporaryDir out;
    PrintRequest request;
    request.report = report;
    request.pdf = out.filePath("list.pdf");
    if (!seed)
        meet.messages.expectAppNotice(expected);
    PrintRegistry registry;
    RegistrationReports::addPrintable(registry);
    const PrintCommand::Status status = PrintCommand::run(*meet.state, request, registry);
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(status, seed ? PrintCommand::Printed : PrintCommand::Refused);
    QCOMPARE(QFile::exists(request.pdf), seed);
    if (seed) {
        const QString text = pdfText(request.pdf);
        QVERIFY2(text.contains(expected), qPrintable(text));
        QVERIFY(text.contains(report == "coach-list" ? "Complete Coach's List" : "Complete Rider's List"));
        QVERIFY(text.contains("Lakeside"));
    }
}

CORRAVIN_TEST(ListReportsTest)
#include "list_reports_test.moc"
