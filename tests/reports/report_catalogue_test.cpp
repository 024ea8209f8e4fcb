#include "catalogue_samples.h"
#include "meet_fixture.h"
#include "test_main.h"

#include "reports/report_catalogue.h"
#include "reports/report_layout.h"
#include "reports/report_painter.h"

#include <QDir>
#include <QTest>

class ReportCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void namedControlsAndFixedCaptions_data();
    void namedControlsAndFixedCaptions();
    void commandsAndEndings_data();
    void commandsAndEndings();
    void filledReportsFitTheirPages_data();
    void filledReportsFitTheirPages();
    void listFootersNumberThePages();
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

void ReportCatalogueTest::commandsAndEndings_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("closesActivity");
    QTest::newRow("class sheet") << "RptClassEntries" << "ClassEntryReports" << false;
    QTest::newRow("relay sheet") << "RptClassEntries17" << "ClassEntryReports17" << false;
    QTest::newRow("coaches") << "RptCoachList" << "TeamCoachsReport" << false;
    QTest::newRow("riders") << "RptRiderList" << "RiderListReports_Grouping" << false;
    QTest::newRow("slot sheets") << "RptSlotSheets" << "SlotSheetsReport_Grouping" << false;
    QTest::newRow("agenda") << "RptJudgeAgenda" << "JudgeAgenda_Grouping" << false;
    QTest::newRow("cards") << "RptJudgesCards" << "" << true;
    QTest::newRow("results") << "RptIndividualResults" << "RptTeam" << true;
    QTest::newRow("standings") << "RptTeamStandings" << "" << true;
}

void ReportCatalogueTest::commandsAndEndings() {
    QFETCH(QString, report);
    QFETCH(QString, command);
    QFETCH(bool, closesActivity);
    const std::unique_ptr<Report> r = ReportCatalogue::create(report);
    QCOMPARE(r->dataMember(), command);
    QCOMPARE(r->closesCommand(), !command.isEmpty());
    QCOMPARE(r->closesActivity(), closesActivity);
    QVERIFY(!ReportCatalogue::create(QStringLiteral("RptNothing")));
    QCOMPARE(ReportCatalogue::names().size(), 9);
}

void ReportCatalogueTest::filledReportsFitTheirPages_data() {
    QTest::addColumn<QString>("report");
    for (const QString& name : ReportCatalogue::names())
        QTest::newRow(qPrintable(name)) << name;
}

// Every item stays between the margins and no two texts share space, with rows as long
// as a busy meet gives them. CORRAVIN_REPORT_SAMPLES names a folder to keep the PDFs in.
void ReportCatalogueTest::filledReportsFitTheirPages() {
    QFETCH(QString, report);
    MeetFixture meet;
    const std::unique_ptr<Report> filled = CatalogueSamples::filled(report, meet.programFolder());
    const LaidOutReport laid = ReportLayout::layout(*filled);
    QVERIFY(laid.pageCount() >= 1);
    const QRect printable(ReportLayout::Margin, ReportLayout::Margin,
                          laid.pageSize.width() - 2 * ReportLayout::Margin + 1,
                          laid.pageSize.height() - 2 * ReportLayout::Margin + 1);
    for (const LaidOutPage& page : laid.pages) {
        QVERIFY(!page.items.empty());
        std::vector<const PlacedItem*> texts;
        for (const PlacedItem& item : page.items) {
            QVERIFY2(printable.contains(item.rect), qPrintable(item.control));
            if (item.kind == PlacedItem::Kind::Text && !item.text.isEmpty())
                texts.push_back(&item);
        }
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = i + 1; j < texts.size(); ++j)
                QVERIFY2(!texts[i]->rect.intersects(texts[j]->rect),
                         qPrintable(texts[i]->control + QStringLiteral(" / ") + texts[j]->control));
    }
    const QString keep = qEnvironmentVariable("CORRAVIN_REPORT_SAMPLES");
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        QCOMPARE(ReportPainter::writePdfFile(laid, QDir(keep).filePath(report + QStringLiteral(".pdf"))), QString());
    }
}

void ReportCatalogueTest::listFootersNumberThePages() {
    MeetFixture meet;
    const LaidOutReport laid = ReportLayout::layout(*CatalogueSamples::filled("RptRiderList", meet.programFolder()));
    QVERIFY(laid.pageCount() > 1);
    for (int p = 0; p < laid.pageCount(); ++p) {
        const LaidOutPage& page = laid.pages[size_t(p)];
        QStringList footer;
        for (const PlacedItem& item : page.items)
            if (item.section == QLatin1String("PageFooter"))
                footer << item.text;
        QCOMPARE(footer, (QStringList{"Page", QString::number(p + 1), "of", QString::number(laid.pageCount())}));
        QCOMPARE(page.texts("LblTitle"), QStringList{"Complete Rider's List"});
    }
}

CORRAVIN_TEST(ReportCatalogueTest)
#include "report_catalogue_test.moc"
