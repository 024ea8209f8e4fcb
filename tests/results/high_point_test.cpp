#include "pdf_text.h"
#include "program_run.h"
#include "seed.h"
#include "test_main.h"

#include "report_engine/report_layout.h"
#include "reports/frm_report_preview.h"
#include "reports/print_registry.h"
#include "results/frm_high_point.h"
#include "results/high_point.h"
#include "results/results_reports.h"
#include "startup/frm_main.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace {
const QString NoPlacings = "There are currently no placings recorded.";

// Riders written "number:place,place,..." become placings worth 11 minus the place.
QList<ResultData::RiderPlacing> placingsOf(const QStringList& riders) {
    QList<ResultData::RiderPlacing> placings;
    for (int i = 0; i < riders.size(); ++i) {
        const QString number = riders[i].section(':', 0, 0);
        for (const QString& place : riders[i].section(':', 1).split(',', Qt::SkipEmptyParts))
            placings.append({i + 1, number, "Rider " + number, "Hawks", place.toInt(), 11.0 - place.toInt()});
    }
    return placings;
}

// Division A: Hawks (riders 101, 9, 10 and 7, who has no placing) and Owls (rider 12);
// division B: Zebras (rider 5); division D: Ravens, without riders. Placings of division A,
// and two that must stay out: one of a division B rider, one of a division A rider in division B.
struct HighPointMeet {
    MeetFixture meet;
    QMap<QString, qint32> riders;

    HighPointMeet() {
        const qint32 hawks = Seed::team(meet, "Hawks", "A");
        const qint32 owls = Seed::team(meet, "Owls", "A");
        const qint32 zebras = Seed::team(meet, "Zebras", "B");
        Seed::team(meet, "Ravens", "D");
        riders["101"] = Seed::rider(meet, hawks, "Ann", "Lee", "101");
        riders["9"] = Seed::rider(meet, hawks, "Cy", "Fox", "9");
        riders["10"] = Seed::rider(meet, hawks, "Di", "Orr", "10");
        riders["7"] = Seed::rider(meet, hawks, "Ed", "Kim", "7");
        riders["12"] = Seed::rider(meet, owls, "Bo", "Ray", "12");
        riders["5"] = Seed::rider(meet, zebras, "Zed", "Uno", "5");
        place(1, 1, "101", 1);
        place(1, 2, "101", 2);
        place(2, 1, "12", 1);
        place(2, 3, "12", 2);
        place(3, 10, "12", 1);
        place(1, 3, "10", 1);
        place(2, 3, "9", 1);
        place(1, 2, "5", 1);
        place(4, 1, "101", 1, "B");
    }
    void place(int classNumber, int place, const QString& number, int judge, const QString& division = "A") {
        Seed::placing(meet, judge, classNumber, division, place, riders[number]);
    }
};

// The report's rows as its table columns read them, cells joined by "|".
QStringList tableLines(const Report& report) {
    QStringList lines;
    for (int i = 0; i < report.rows().size(); ++i) {
        QStringList cells;
        for (const ReportColumn& column : report.columns())
            cells << report.rows().value(i, column.field).toString();
        lines << cells.join('|');
    }
    return lines;
}

} // namespace

class HighPointTest : public QObject {
    Q_OBJECT
private slots:
    void ranking_data();
    void ranking();
    void reportListsThePlacedRidersOfTheDivision();
    void activityRefusesAnUnplacedDivisionAndClosesWithItsReport();
    void printsFromTheCommandLine();
};

void HighPointTest::ranking_data() {
    QTest::addColumn<QStringList>("riders");
    QTest::addColumn<QStringList>("ranked"); // "place number"
    QTest::newRow("total points") << QStringList{"1:5", "2:1,9", "3:2,2"} << QStringList{"1 3", "2 2", "3 1"};
    // 11 points each: the first place wins over the lone second place.
    QTest::newRow("tie broken by firsts") << QStringList{"1:2,9", "2:1,10"} << QStringList{"1 2", "2 1"};
    // 21 points and one first place each; rider 2 took a second place, rider 1 none.
    QTest::newRow("tie broken by seconds") << QStringList{"1:1,3,8", "2:1,2,9"} << QStringList{"1 2", "2 1"};
    // Riders 9 and 10 share 2nd, listed by the value of their numbers; 3rd is skipped.
    QTest::newRow("shared place") << QStringList{"10:1,10", "4:4", "9:10,1", "8:1,1"}
                                  << QStringList{"1 8", "2 9", "2 10", "4 4"};
}

void HighPointTest::ranking() {
    QFETCH(QStringList, riders);
    QFETCH(QStringList, ranked);
    const QList<HighPointRow> rows = HighPoint::Rank_Riders(placingsOf(riders));
    QStringList got;
    for (const HighPointRow& row : rows)
        got << QString("%1 %2").arg(row.Place).arg(row.RiderNumber);
    QCOMPARE(got, ranked);
}

void HighPointTest::reportListsThePlacedRidersOfTheDivision() {
    HighPointMeet m;
    m.meet.state->CurrentRegion = "Q";
    PrintRequest request;
    request.division = "A";
    const PreparedReport prepared = ResultsReports::prepareHighPoint(*m.meet.state, request);
    QVERIFY(prepared.report);
    const Report& report = *prepared.report;
    QVERIFY(report.landscape());
    // Ann Lee and Bo Ray tie on 19 points and one first place; Ann's second place decides.
    // Cy Fox (9) and Di Orr (10) share 3rd. Ed Kim, without a placing, and the other
    // division's rows stay out.
    QCOMPARE(tableLines(report),
             QStringList({"1|101|Ann Lee|Hawks|1|1|0|0|0|0|0|0|0|0|19", "2|12|Bo Ray|Owls|1|0|1|0|0|0|0|0|0|1|19",
                          "3|9|Cy Fox|Hawks|0|0|1|0|0|0|0|0|0|0|8", "3|10|Di Orr|Hawks|0|0|1|0|0|0|0|0|0|0|8"}));
    QCOMPARE(report.columns().first().heading, QString("Place"));
    QCOMPARE(report.columns().last().heading, QString("Total"));

    const LaidOutReport laid = ReportLayout::layout(report);
    QCOMPARE(laid.pageCount(), 1);
    const LaidOutPage& page = laid.pages.front();
    QCOMPARE(page.texts("LblTitle"), QStringList{"High-Point Riders"});
    QCOMPARE(page.texts("lblShow"), QStringList{"Region: Q"});
    QCOMPARE(page.texts("lblDivision"), QStringList{"Division: A"});
    QVERIFY(page.texts("LblTieBreak").value(0).contains("most first places, then most second places"));
    QCOMPARE(page.texts("txtRider"), QStringList({"Ann Lee", "Bo Ray", "Cy Fox", "Di Orr"}));
}

// From the Reports menu: a division without placings gets the message and the activity
// closes; one with placings gets the report, and closing it closes the activity.
void HighPointTest::activityRefusesAnUnplacedDivisionAndClosesWithItsReport() {
    HighPointMeet m;
    FrmMain main(*m.meet.state);
    auto* division = main.findChild<QComboBox*>("CbDivision");
    main.Show_Menu(4);
    auto* button = main.findChild<QPushButton*>("CmdActivity_13");
    QVERIFY(button);
    QCOMPARE(button->text(), QString("High-Point Riders"));

    division->setCurrentIndex(division->findText("D"));
    m.meet.messages.expectAppNotice(NoPlacings);
    button->click();
    VERIFY_MESSAGES(m.meet.messages);
    QCOMPARE(main.CurrentActivity(), 0);

    division->setCurrentIndex(division->findText("A"));
    button->click();
    QCOMPARE(main.CurrentActivity(), 13);
    auto* window = qobject_cast<FrmHighPoint*>(main.activityWindow());
    QVERIFY(window);
    auto* preview = qobject_cast<FrmReportPreview*>(window->reportWindow());
    QVERIFY(preview);
    QCOMPARE(preview->pages().pages.front().texts("txtRiderNumber"), QStringList({"101", "12", "9", "10"}));
    preview->close();
    QCOMPARE(main.CurrentActivity(), 0);
    VERIFY_MESSAGES(m.meet.messages);
}

void HighPointTest::printsFromTheCommandLine() {
    HighPointMeet m;
    const QString pdf = m.meet.programFolder() + "/high-point.pdf";
    const RunOutcome run =
        runCorravin(m.meet.programFolder(), {"print", "high-point", "--division", "A", "--pdf", pdf});
    QCOMPARE(run.status, 0);
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains("High-Point Riders") && text.contains("Division: A"), qPrintable(text));
    QVERIFY(text.indexOf("Ann Lee") < text.indexOf("Bo Ray"));
    QVERIFY(text.indexOf("Cy Fox") < text.indexOf("Di Orr"));
    QVERIFY(!text.contains("Ed Kim") && !text.contains("Zed Uno"));
}

CORRAVIN_TEST(HighPointTest)
#include "high_point_test.moc"
