#include "catalogue_samples.h"
#include "meet_fixture.h"
#include "page_texts.h"
#include "test_main.h"

#include "report_engine/report_layout.h"
#include "report_engine/report_painter.h"
#include "report_engine/text_fit.h"
#include "reports/report_catalogue.h"

#include <QDir>
#include <QTest>

class ReportCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void namedControlsAndFixedCaptions_data();
    void namedControlsAndFixedCaptions();
    void everyReportByNameAndTheTablesAmongThem();
    void filledReportsFitTheirPages_data();
    void filledReportsFitTheirPages();
    void listPagesNumberedAndContinued();
};

void ReportCatalogueTest::namedControlsAndFixedCaptions_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption"); // empty: set at run time
    const auto row = [](const char* r, const char* s, const char* c, const char* caption = "") {
        QTest::addRow("%s %s", r, c) << QString(r) << QString(s) << QString(c) << QString(caption);
    };
    row("RptTeamStandings", "PageHeader", "LblTitle", "Team Standings");
    row("RptTeamStandings", "PageHeader", "lblShow");
    row("RptTeamStandings", "PageHeader", "lblDivision");
    row("RptTeamStandings", "PageHeader", "Class17");
    row("RptJudgeAgenda", "ReportHeader", "LblTitle", "Judging Assignment List");
    row("RptJudgeAgenda", "ReportHeader", "LblShow");
    row("RptCoachList", "PageHeader", "LblTitle", "Complete Coach's List");
    row("RptRiderList", "PageHeader", "LblTitle", "Complete Rider's List");
    row("RptRiderList", "PageFooter", "LblPageNumber", "%p");
    row("RptClassEntries", "Section4", "LblReportTitle");
    row("RptClassEntries", "Section2", "RhTitle");
    row("RptClassEntries", "Section2", "LblTime", "Time");
    row("RptClassEntries", "Section1", "LnTime");
    row("RptClassEntries", "Section5", "LblTotalEntries", "Total Entries:");
    row("RptClassEntries17", "Section2", "LblPartner", "Partner");
    row("RptClassEntries17", "Section5", "LblTotalEntries", "Total Entries");
    row("RptSlotSheets", "SlotSheetsReport_Grouping_Header", "LblTitle");
    row("RptSlotSheets", "SlotSheetsReport_Grouping_Header", "RelayPartner");
    row("RptSlotSheets", "SlotSheetsReport_Grouping_Header", "Class1");
    row("RptJudgesCards", "Section1", "C3lblRegion");
    row("RptJudgesCards", "Section1", "C2LblDivision", "Divsion:");
    row("RptJudgesCards", "Section1", "C1LblPlace10", "10th Place ");
    row("RptJudgesCards", "Section1", "C1LblPlace11", "HM");
    row("RptJudgesCards", "Section1", "C1LblInitials", "Judges Initials");
    row("RptIndividualResults", "RptTeam_Header", "LblTitle");
    row("RptIndividualResults", "RptRider_Header", "LblPoints", "Points:");
    row("RptIndividualResults", "RptPlacings_Detail", "txtTblPlacingClassNumber");
    row("RptIndividualResults", "RptRider_Footer", "LblRiderTotal", "Total Points:");
    row("RptIndividualResults", "RptTeam_Footer", "LblTeamTotal", "Total Team Points:");
}

void ReportCatalogueTest::namedControlsAndFixedCaptions() {
    QFETCH(QString, report);
    QFETCH(QString, section);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    const std::unique_ptr<Report> r = ReportCatalogue::create(report);
    QVERIFY(r);
    const ReportSection* s = r->section(section);
    QVERIFY(s);
    const ReportControl* c = s->control(control);
    QVERIFY(c);
    QCOMPARE(c->caption, caption);
    if (c->kind == ReportControl::Kind::Label)
        QVERIFY(r->setCaption(section, control, QStringLiteral("Region: C")));
}

// Each report is made by its name in any letter case; those that print the lines of a
// table (the class sheets, the results and the rankings) read as one, the others do not.
void ReportCatalogueTest::everyReportByNameAndTheTablesAmongThem() {
    const QStringList tables{"RptClassEntries", "RptClassEntries17", "RptIndividualResults", "RptTeamStandings",
                             "RptHighPoint"};
    for (const QString& name : ReportCatalogue::names()) {
        const std::unique_ptr<Report> report = ReportCatalogue::create(name.toUpper());
        QVERIFY2(report, qPrintable(name));
        QCOMPARE(report->name(), name);
        QVERIFY2(report->columns().isEmpty() != tables.contains(name), qPrintable(name));
    }
    QVERIFY(!ReportCatalogue::create(QStringLiteral("RptNothing")));
}

void ReportCatalogueTest::filledReportsFitTheirPages_data() {
    QTest::addColumn<QString>("report");
    for (const QString& name : ReportCatalogue::names())
        QTest::newRow(qPrintable(name)) << name;
}

// Every item stays between the margins, no two texts share space and every text prints
// whole at a readable size, with rows as long as a busy meet gives them.
// CORRAVIN_REPORT_SAMPLES names a folder to keep the PDFs in.
void ReportCatalogueTest::filledReportsFitTheirPages() {
    QFETCH(QString, report);
    MeetFixture meet;
    const std::unique_ptr<Report> filled = CatalogueSamples::filled(report, meet.programFolder());
    const LaidOutReport laid = ReportLayout::layout(*filled);
    QVERIFY(laid.pageCount() >= 1);
    QCOMPARE(layoutDifference(laidOutBackwards({filled.get()}), laid), QString());
    const QRect printable(ReportLayout::Margin, ReportLayout::Margin,
                          laid.pageSize.width() - 2 * ReportLayout::Margin + 1,
                          laid.pageSize.height() - 2 * ReportLayout::Margin + 1);
    for (const LaidOutPage& page : laid.pages) {
        QVERIFY(!page.items.empty());
        std::vector<const PlacedItem*> texts;
        for (const PlacedItem& item : page.items) {
            QVERIFY2(printable.contains(item.rect), qPrintable(item.control));
            if (item.kind != PlacedItem::Kind::Text || item.text.isEmpty())
                continue;
            texts.push_back(&item);
            const FittedText fitted = TextFit::fit(item.text, item.font, QSizeF(item.rect.size()));
            QVERIFY2(fitted.readable && !fitted.shortened &&
                         fitted.lines.join(QString()).remove(u' ') == QString(item.text).remove(u' '),
                     qPrintable(item.control + QStringLiteral(": ") + item.text));
        }
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = i + 1; j < texts.size(); ++j)
                QVERIFY2(!texts[i]->rect.intersects(texts[j]->rect),
                         qPrintable(texts[i]->control + QStringLiteral(" / ") + texts[j]->control));
    }
    const QString keep = qEnvironmentVariable("CORRAVIN_REPORT_SAMPLES");
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        QCOMPARE(ReportPainter::writePdfFile(laid, QDir(keep).filePath(report + QStringLiteral(".pdf"))).why(), QString());
    }
}

void ReportCatalogueTest::listPagesNumberedAndContinued() {
    MeetFixture meet;
    const LaidOutReport laid = ReportLayout::layout(*CatalogueSamples::filled("RptRiderList", meet.programFolder()));
    QVERIFY(laid.pageCount() > 1);
    const QString mark = u' ' + ReportLayout::ContinuedMark;
    QString team;
    bool teamGoesOn = false;
    int continued = 0;
    for (int p = 0; p < laid.pageCount(); ++p) {
        const LaidOutPage& page = laid.pages[size_t(p)];
        QStringList footer;
        for (const PlacedItem& item : page.items)
            if (item.section == QLatin1String("PageFooter"))
                footer << item.text;
        QCOMPARE(footer, (QStringList{"Page", QString::number(p + 1), "of", QString::number(laid.pageCount())}));
        QCOMPARE(page.texts("LblTitle"), QStringList{"Complete Rider's List"});

        // A page that goes on with a team opens with the team's header marked as continued.
        const QStringList teams = page.texts("txtTeamName");
        QVERIFY(!teams.isEmpty());
        if (teamGoesOn)
            QCOMPARE(teams[0], team + mark);
        else
            QVERIFY(!teams[0].endsWith(mark));
        continued += teamGoesOn ? 1 : 0;
        team = teams.back().endsWith(mark) ? team : teams.back();
        auto lastBody = std::find_if(page.items.rbegin(), page.items.rend(),
                                     [](const PlacedItem& item) { return item.section != "PageFooter"; });
        teamGoesOn = lastBody->section != QLatin1String("RiderListReports_Grouping_Footer");
    }
    QVERIFY(continued > 0);
}

CORRAVIN_TEST(ReportCatalogueTest)
#include "report_catalogue_test.moc"
