#include "page_texts.h"
#include "pdf_text.h"
#include "program_run.h"
#include "seed.h"
#include "test_main.h"
#include "window_driver.h"

#include "report_engine/report_layout.h"
#include "report_engine/report_table.h"
#include "reports/frm_report_preview.h"
#include "reports/print_registry.h"
#include "results/frm_place_assign.h"
#include "results/frm_placings.h"
#include "results/frm_team_standings.h"
#include "results/results_reports.h"
#include "results/standings.h"
#include "ui/standard_questions.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString Duplicate = "The current placings cannot be saved. Make sure you do not have the same person placing "
                          "twice under the same judge";

// A small meet: division B with teams Hawks (riders 101, 102, 9) and Owls (rider 10),
// division A with team Ants (rider 103); judges Ellis and Adams on class 5 of division B.
struct ResultsMeet {
    MeetFixture meet;
    QMap<QString, qint32> riders; // by back number
    qint32 adams = 0;
    qint32 ellis = 0;

    ResultsMeet() {
        const qint32 hawks = Seed::team(meet, "Hawks", "B");
        const qint32 owls = Seed::team(meet, "Owls", "B");
        const qint32 ants = Seed::team(meet, "Ants", "A");
        rider(hawks, "101", "Ann", "Lee");
        rider(hawks, "102", "Bo", "Ray");
        rider(hawks, "9", "Cy", "Fox");
        rider(owls, "10", "Di", "Orr");
        rider(ants, "103", "Ed", "Kim");
        ellis = Seed::judge(meet, "Mary", "Ellis");
        adams = Seed::judge(meet, "Sam", "Adams");
        assignBoth(5);
        for (const char* number : {"101", "102", "9", "10", "103"})
            Seed::entry(meet, riders[number], 5);
    }
    void rider(qint32 team, const QString& number, const QString& first, const QString& last) {
        riders[number] = Seed::rider(meet, team, first, last, number);
    }
    void assignBoth(int classNumber) {
        for (const qint32 judgeId : {ellis, adams})
            Seed::assign(meet, judgeId, classNumber, "B");
    }
    void place(int classNumber, int place, const QString& number, qint32 judgeId, const QString& division = "B") {
        Seed::placing(meet, judgeId, classNumber, division, place, riders[number]);
    }
    QStringList placings() {
        return meet.column("SELECT JudgeID || ':' || Place || ':' || RiderIndex || ':' || CAST(Points AS INTEGER) "
                           "FROM TblPlacing ORDER BY JudgeID, Place");
    }
    QString row(qint32 judgeId, int place, const QString& number) {
        return QString("%1:%2:%3:%4").arg(judgeId).arg(place).arg(riders[number]).arg(11 - place);
    }
};

void choose(FrmPlaceAssign& window, int column, int place, const QString& startsWith) {
    QComboBox* list = window.placeList(column, place);
    const int index = list->findText(startsWith, Qt::MatchStartsWith);
    QVERIFY2(index >= 0, qPrintable(startsWith));
    list->setCurrentIndex(index);
}
} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void placingsRefuse();
    void placingWindowListsTheDivisionsEntrantsAndSaves();
    void reopeningShowsStoredChoicesAndALeftRider();
    void relayEntriesCarryTheirPartner();
    void standingsRankEveryTeam();
    void divisionReportsRefuseWithoutTeamsOrPlacings_data();
    void divisionReportsRefuseWithoutTeamsOrPlacings();
    void printAllShowsTheStandingsOfEveryDivision();
    void individualResultsListRidersWithTotals();
    void saveFromAnOutdatedWindowIsRefused();
};

void ResultsTest::placingsRefuse() {
    ResultsMeet m;
    FrmPlacings placings(*m.meet.state);
    placings.Set_Division("B");
    auto* classes = control<QComboBox>(&placings, "CbClass");
    QCOMPARE(classes->itemText(4), QString("5 - Saddle Seat Pattern"));
    m.meet.messages.expectAppNotice("You must provide the class you are trying to place.")
        .expectAppNotice("You must first assign judges to this class");
    placings.CmdAddPlacings_Click();
    classes->setCurrentIndex(5); // class 6: no judges
    placings.CmdAddPlacings_Click();
    m.assignBoth(6);
    m.meet.messages.expectAppNotice("There are currently no riders entered in this class.");
    placings.CmdAddPlacings_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QVERIFY(!placings.subWindow());
    classes->setCurrentIndex(4);
    placings.CmdAddPlacings_Click();
    QVERIFY(placings.subWindow() && !placings.isEnabled());
    // Its close button asks what Cancel asks: "No" keeps it open.
    m.meet.messages.expectConfirm(StandardQuestions::cancelText(), false)
        .expectConfirm(StandardQuestions::cancelText(), true);
    QVERIFY(!closeFromTitleBar(placings.subWindow()) && placings.subWindow()->isVisible());
    QVERIFY(closeFromTitleBar(placings.subWindow()));
    VERIFY_MESSAGES(m.meet.messages);
    QVERIFY(placings.isEnabled());
}

void ResultsTest::placingWindowListsTheDivisionsEntrantsAndSaves() {
    ResultsMeet m;
    m.place(5, 1, "10", m.adams);
    m.place(5, 2, "102", m.adams, "A"); // another division's row is never touched
    FrmPlaceAssign window(*m.meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(window.InitializeForm("B", 5));
    // Judges by last name; the division's riders by number as text (10 before 101, 9 last).
    QCOMPARE(control<QLineEdit>(&window, "TxtJudge_1")->text(), QString("Sam Adams"));
    QCOMPARE(control<QLineEdit>(&window, "TxtJudge_2")->text(), QString("Mary Ellis"));
    QCOMPARE(entries(window.placeList(2, 10)),
             QStringList({"N/A", "10 - Di Orr", "101 - Ann Lee", "102 - Bo Ray", "9 - Cy Fox"}));
    QCOMPARE(control<QLabel>(&window, "TxtClass")->text(), QString("Class 5 - Saddle Seat Pattern"));

    choose(window, 1, 1, "101");
    choose(window, 1, 3, "101");
    QSignalSpy closed(&window, &EntryWindow::closed);
    m.meet.messages.expectConfirm(StandardQuestions::saveText(), true).expectAppNotice(Duplicate);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QCOMPARE(closed.count(), 0);

    choose(window, 1, 1, "N/A");
    choose(window, 1, 1, "102"); // 1st and 3rd only under Adams
    choose(window, 2, 4, "101"); // the same rider under the other judge
    m.meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QCOMPARE(closed.count(), 1);
    // Division A's row stays; judge Ellis was entered first.
    QCOMPARE(m.placings(), QStringList({m.row(m.ellis, 4, "101"), m.row(m.adams, 1, "102"), m.row(m.adams, 2, "102"),
                                        m.row(m.adams, 3, "101")}));
    QCOMPARE(m.meet.scalar("SELECT count(*) FROM TblPlacing WHERE Division = 'A'").toInt(), 1);

    // Every list on "N/A" clears the class in the division.
    FrmPlaceAssign again(*m.meet.state);
    QVERIFY(again.InitializeForm("B", 5));
    for (int column = 1; column <= 2; ++column)
        for (int place = 1; place <= 10; ++place)
            again.placeList(column, place)->setCurrentIndex(0);
    m.meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    again.CmdSubmit_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QCOMPARE(m.meet.scalar("SELECT count(*) FROM TblPlacing WHERE Division = 'B'").toInt(), 0);
}

// A stored choice comes back in the row of its place and the column of its judge; a
// placing whose rider has left the class shows as its own entry and survives a save.
void ResultsTest::reopeningShowsStoredChoicesAndALeftRider() {
    ResultsMeet m;
    m.place(5, 2, "9", m.ellis);
    m.place(5, 7, "102", m.adams);
    m.meet.exec("DELETE FROM TblEntry WHERE RiderIndex = ?", {m.riders["102"]});
    FrmPlaceAssign window(*m.meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(window.InitializeForm("B", 5));
    QCOMPARE(window.placeList(2, 2)->currentText(), QString("9 - Cy Fox"));
    QCOMPARE(window.placeList(1, 7)->currentText(), QString("102 - Bo Ray (no longer entered)"));
    QCOMPARE(window.placeList(1, 2)->currentText(), QString("N/A"));
    choose(window, 1, 1, "101");
    m.meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QCOMPARE(m.meet.scalar("SELECT count(*) FROM TblPlacing").toInt(), 3);
    QCOMPARE(m.meet.scalar("SELECT Place FROM TblPlacing WHERE RiderIndex = ?", {m.riders["102"]}).toInt(), 7);
}

void ResultsTest::relayEntriesCarryTheirPartner() {
    ResultsMeet m;
    m.assignBoth(17);
    Seed::entry(m.meet, m.riders["101"], 17);
    Seed::pairing(m.meet, m.riders["101"], m.riders["102"]);
    FrmPlaceAssign window(*m.meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(window.InitializeForm("B", 17));
    QCOMPARE(entries(window.placeList(1, 1)), QStringList({"N/A", "101 - Ann Lee and 102 - Bo Ray"}));
    choose(window, 1, 1, "101");
    m.meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    window.CmdSubmit_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QCOMPARE(m.meet.scalar("SELECT RiderIndex FROM TblPlacing").toInt(), m.riders["101"]);
}

void ResultsTest::standingsRankEveryTeam() {
    using ResultData::TeamPlacing;
    const QList<TeamRow> teams{{1, "Zebras", "B", "1"}, {2, "Hawks", "B", "1"}, {3, "Owls", "B", "1"}, {4, "Ants", "B", "1"}};
    const QList<TeamPlacing> placings{
        {2, 2, 1, 10}, {2, 2, 2, 9}, {2, 2, 3, 8}, // Hawks: class 2 by two judges
        {3, 4, 3, 8},  {3, 4, 5, 6},               // Owls: class 4 only
        {1, 4, 1, 10}, {1, 4, 9, 2}, {1, 9, 8, 3}, {1, 18, 1, 10}, // Zebras, a class outside the grid left out
        {7, 1, 1, 10}};                                           // a team of another division
    const QList<StandingsRow> rows = Standings::Compute_Standings(teams, placings);
    QStringList order;
    for (const StandingsRow& row : rows)
        order << QString("%1 %2").arg(row.TeamName).arg(row.TotalPoints);
    QCOMPARE(order, QStringList({"Hawks 27", "Zebras 15", "Owls 14", "Ants 0"}));
    QCOMPARE(rows[0].Placings[2], QString("1,2,3"));
    QCOMPARE(rows[0].Points[2], QString("27"));
    QCOMPARE(rows[2].Placings[4], QString("3,5"));
    QCOMPARE(rows[2].Points[4], QString("14"));
    QCOMPARE(rows[2].Placings[1], QString(" "));
    QCOMPARE(rows[3].Points[17], QString(" "));

    // Equal totals by name.
    const QList<StandingsRow> tied =
        Standings::Compute_Standings({{1, "Zebras", "B", "1"}, {2, "Éire", "B", "1"}}, {{1, 3, 1, 10}, {2, 3, 1, 10}});
    QCOMPARE(tied[0].TeamName, QString("Éire"));
}

void ResultsTest::divisionReportsRefuseWithoutTeamsOrPlacings_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("division");
    QTest::addColumn<QString>("message");
    for (const char* report : {"standings", "high-point"}) {
        QTest::addRow("%s, division without teams", report) << report << "C"
                                                            << "There are currently no teams entered.";
        QTest::addRow("%s, division without placings", report) << report << "A"
                                                               << "There are currently no placings recorded.";
    }
}

// Division B holds the only placing: division C has no team, division A no placing.
void ResultsTest::divisionReportsRefuseWithoutTeamsOrPlacings() {
    QFETCH(QString, report);
    QFETCH(QString, division);
    QFETCH(QString, message);
    ResultsMeet m;
    m.place(5, 1, "101", m.adams);
    PrintRequest request;
    request.division = division;
    const auto prepare = report == "standings" ? ResultsReports::prepareStandings : ResultsReports::prepareHighPoint;
    const PreparedReport prepared = prepare(*m.meet.state, request);
    QVERIFY(!prepared.report);
    QCOMPARE(prepared.message, message);
}

// "Print All" on the standings: every division with teams and placings in one preview, in
// division order; the command line without --division writes the same as one PDF.
void ResultsTest::printAllShowsTheStandingsOfEveryDivision() {
    ResultsMeet m;
    FrmTeamStandings window(*m.meet.state);
    m.meet.messages.expectAppNotice("There are currently no placings recorded.");
    window.CmdPrintAll_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QVERIFY(!window.reportWindow());

    m.place(5, 1, "101", m.adams);
    window.CmdPrintAll_Click(); // division A has a team but no placing yet
    auto* preview = qobject_cast<FrmReportPreview*>(window.reportWindow());
    QVERIFY(preview);
    QCOMPARE(pageTexts(preview->pages(), "lblDivision"), QStringList({"Division: B"}));
    preview->close();

    m.place(5, 2, "103", m.adams, "A");
    window.CmdPrintAll_Click();
    preview = qobject_cast<FrmReportPreview*>(window.reportWindow());
    QVERIFY(preview);
    QCOMPARE(pageTexts(preview->pages(), "lblDivision"), QStringList({"Division: A", "Division: B"}));
    QCOMPARE(pageTexts(preview->pages(), "txtTeamName"), QStringList({"Ants", "Hawks", "Owls"}));
    preview->close();
    VERIFY_MESSAGES(m.meet.messages);

    const QString pdf = m.meet.programFolder() + "/standings.pdf";
    QCOMPARE(runCorravin(m.meet.programFolder(), {"print", "standings", "--pdf", pdf}).status, 0);
    const QStringList pages = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QVERIFY2(pages[0].contains("Team Standings") && pages[0].contains("Division: A") && pages[0].contains("Ants"),
             qPrintable(pages[0]));
    QVERIFY2(pages[1].contains("Division: B") && pages[1].contains("Hawks") && !pages[1].contains("Ants"),
             qPrintable(pages[1]));
}

void ResultsTest::individualResultsListRidersWithTotals() {
    ResultsMeet m;
    m.meet.state->CurrentRegion = "Q";
    // Riders are listed before any placing is recorded.
    const PreparedReport unplaced = ResultsReports::prepareRiderResults(*m.meet.state, PrintRequest{});
    QVERIFY(unplaced.report && unplaced.report->name() == QLatin1String("RptIndividualResults"));
    m.place(5, 1, "101", m.adams);
    m.place(5, 3, "101", m.ellis);
    m.place(5, 2, "103", m.adams, "A");
    const qint32 owls = m.meet.scalar("SELECT TeamCode FROM TblTeam WHERE TeamName = 'Owls'").toInt();
    Seed::placing(m.meet, m.ellis, 5, "B", 2, Seed::rider(m.meet, owls, "Al", "Noe")); // no back number
    const PreparedReport prepared = ResultsReports::prepareRiderResults(*m.meet.state, PrintRequest{});
    QVERIFY(prepared.report);
    const QStringList text = pageTexts(ReportLayout::layout(*prepared.report));
    const QString joined = text.join('|');
    // Division A's team first; riders by number as text; a rider without placings listed.
    QVERIFY(joined.indexOf("Ants") < joined.indexOf("Hawks"));
    QVERIFY(joined.indexOf("Hawks") < joined.indexOf("Owls"));
    QVERIFY(joined.indexOf("Ann Lee") < joined.indexOf("Bo Ray"));
    QVERIFY(joined.indexOf("Bo Ray") < joined.indexOf("Cy Fox"));
    QVERIFY(text.contains("Individual Results Report - Region Q"));
    QVERIFY(text.contains("Sam Adams") && text.contains("Mary Ellis"));
    // Ann Lee: 10 + 8 points, also the team's total.
    QCOMPARE(text.count("18"), 2);

    // As a table, every rider's total has its caption in the first column past the rider's,
    // the rider without a back number too.
    const QList<QStringList> rows = ReportTable::of(*prepared.report).flatRows();
    QStringList captionColumns;
    for (const QStringList& row : rows)
        if (row.contains("Total Points:"))
            captionColumns << rows[0][row.indexOf("Total Points:")];
    QCOMPARE(captionColumns, QStringList(6, "Class #"));
}

// Two stations open the placings of one class: the first save stands, the second, from a
// window read before it, is refused and keeps its choices (no class gets two first places).
void ResultsTest::saveFromAnOutdatedWindowIsRefused() {
    ResultsMeet m;
    OtherStation other(m.meet);
    FrmPlaceAssign mine(*m.meet.state);
    FrmPlaceAssign theirs(other.state);
    for (FrmPlaceAssign* window : {&mine, &theirs}) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(window->InitializeForm("B", 5));
    }
    choose(theirs, 1, 1, "101");
    other.messages.expectConfirm(StandardQuestions::saveText(), true);
    theirs.CmdSubmit_Click();
    VERIFY_MESSAGES(other.messages);

    choose(mine, 1, 1, "102");
    QSignalSpy closed(&mine, &EntryWindow::closed);
    m.meet.messages.expectConfirm(StandardQuestions::saveText(), true)
        .expectAppNotice("The placings of class 5 in division B were changed at another station since this window "
                         "opened them. Your changes were not saved; close this window and open it again to see them.");
    mine.CmdSubmit_Click();
    VERIFY_MESSAGES(m.meet.messages);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(mine.placeList(1, 1)->currentText(), QString("102 - Bo Ray"));
    QCOMPARE(m.placings(), QStringList{m.row(m.adams, 1, "101")});
}

CORRAVIN_TEST(ResultsTest)
#include "results_test.moc"
