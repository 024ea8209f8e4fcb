#include "page_texts.h"
#include "sample_report.h"
#include "test_main.h"

#include "report_engine/report_layout.h"
#include "report_engine/report_painter.h"
#include "report_engine/row_shaping.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

int bodyBottom(const LaidOutReport& laid, int footerHeight) {
    return laid.pageSize.height() - ReportLayout::Margin - footerHeight;
}

// The texts of one band as placed: its items share a section and a top edge.
struct PlacedBand {
    QString section;
    QStringList texts;
    int bottom = 0;
};

// The bands of a page between page header and page footer, in placing order.
std::vector<PlacedBand> bodyBands(const LaidOutPage& page) {
    std::vector<PlacedBand> bands;
    int top = -1;
    for (const PlacedItem& item : page.items) {
        if (item.section.startsWith(QLatin1String("Page")))
            continue;
        if (bands.empty() || bands.back().section != item.section || item.rect.top() != top)
            bands.push_back({item.section, {}, 0});
        top = item.rect.top();
        bands.back().texts << item.text;
        bands.back().bottom = std::max(bands.back().bottom, item.rect.bottom());
    }
    return bands;
}

} // namespace

class ReportEngineTest : public QObject {
    Q_OBJECT

private slots:
    void groupedReportRunsOverSeveralPages();
    void groupSumsAndReportTotals();
    void pagesKeepGroupsReadable();
    void pictureInThePageHeader();
    void landscapeAndScaling_data();
    void landscapeAndScaling();
    void captionsAndVisibilityByName();
    void emptyReportHasOnePage();
    void pdfCarriesTheText();
};

void ReportEngineTest::groupedReportRunsOverSeveralPages() {
    const LaidOutReport laid = ReportLayout::layout(SampleReport::make(4, 12));
    QVERIFY(laid.pageCount() >= 4);
    QVERIFY(!laid.landscape);
    QCOMPARE(laid.pageSize, QSize(12240, 15840));
    for (int p = 0; p < laid.pageCount(); ++p) {
        const LaidOutPage& page = laid.pages[static_cast<size_t>(p)];
        QCOMPARE(page.texts(QStringLiteral("LblHead")), QStringList{QStringLiteral("Riders and points")});
        QCOMPARE(page.texts(QStringLiteral("LblPage")),
                 QStringList{QStringLiteral("Page %1 of %2").arg(p + 1).arg(laid.pageCount())});
        // The footer stands at the foot of the page, below everything else.
        const PlacedItem* footer = page.first(QStringLiteral("LblPage"));
        for (const PlacedItem& item : page.items)
            if (item.section != QLatin1String("PageFooter"))
                QVERIFY(item.rect.bottom() < footer->rect.top());
        // The report's title only opens the first page, above the page header.
        QCOMPARE(page.count(QStringLiteral("ReportHeader")), p == 0 ? 1 : 0);
    }
    QVERIFY(laid.pages[0].first(QStringLiteral("LblTitle"))->rect.top() <
            laid.pages[0].first(QStringLiteral("LblHead"))->rect.top());

    // Every rider is printed once, in order.
    const QStringList numbers = pageTexts(laid, QStringLiteral("txtRiderNumber"));
    QCOMPARE(numbers.size(), 3 * 4 * 12);
    QCOMPARE(numbers.first(), QStringLiteral("100"));
    QCOMPARE(numbers.last(), QString::number(100 + 3 * 4 * 12 - 1));
}

void ReportEngineTest::groupSumsAndReportTotals() {
    const LaidOutReport laid = ReportLayout::layout(SampleReport::make(4, 12));
    QStringList teams;
    for (const QString& team : pageTexts(laid, QStringLiteral("txtTeamName")))
        if (!team.endsWith(ReportLayout::ContinuedMark))
            teams << team;
    QCOMPARE(teams.size(), 12);
    QCOMPARE(teams.first(), QStringLiteral("Team A1"));
    QCOMPARE(pageTexts(laid, QStringLiteral("SumTeam")), QStringList(12, QStringLiteral("78")));      // 1 + ... + 12
    QCOMPARE(pageTexts(laid, QStringLiteral("SumDivision")), QStringList(3, QStringLiteral("312"))); // four teams
    QCOMPARE(pageTexts(laid, QStringLiteral("SumAll")), QStringList{QStringLiteral("936")});
    QCOMPARE(pageTexts(laid, QStringLiteral("CountAll")), QStringList{QStringLiteral("144")});
    // The grand total closes the last page.
    QCOMPARE(laid.pages.back().texts(QStringLiteral("SumAll")).size(), 1);
}

// Over every place a page break can fall: bands are never split, a page never ends on a
// group header nor starts with a group footer, and a page that continues groups opens
// with their headers, outermost first, marked as continued; a page that starts new groups
// repeats nothing. The count in a repeated team header stays that of the team.
// Pages laid out one at a time, last first, are the same; so are two reports printed as one.
void ReportEngineTest::pagesKeepGroupsReadable() {
    const QString mark = u' ' + ReportLayout::ContinuedMark;
    int continuedPages = 0, footersCarriedOver = 0;
    for (const int teams : {1, 4}) {
        for (int riders = 1; riders <= 45; ++riders) {
            const Report report = SampleReport::make(teams, riders);
            const LaidOutReport laid = ReportLayout::layout(report);
            LaidOutReport twice = laid;
            twice.append(laid);
            QCOMPARE(layoutDifference(laidOutBackwards({&report, &report}), twice), QString());
            const int bottom = bodyBottom(laid, 400);
            QStringList open; // division and team whose headers are printed and whose groups go on
            for (int p = 0; p < laid.pageCount(); ++p) {
                const QString where = QStringLiteral("%1 teams of %2, page %3").arg(teams).arg(riders).arg(p + 1);
                const std::vector<PlacedBand> bands = bodyBands(laid.pages[size_t(p)]);
                QVERIFY2(!bands.empty(), qPrintable(where));
                for (const PlacedBand& band : bands)
                    QVERIFY2(band.bottom <= bottom, qPrintable(where + " " + band.section));

                QStringList expected, repeated;
                for (int level = 0; level < open.size(); ++level)
                    expected << (level == 0 ? open[0] + mark : open[1] + mark + u'|' + QString::number(riders));
                size_t first = 0;
                for (; first < bands.size() && bands[first].texts.value(0).endsWith(mark); ++first)
                    repeated << bands[first].texts.join(u'|');
                QVERIFY2(repeated == expected, qPrintable(where + ": " + repeated.join(u' ')));
                continuedPages += repeated.isEmpty() ? 0 : 1;

                QVERIFY2(first < bands.size(), qPrintable(where));
                QVERIFY2(!bands[first].section.endsWith(QLatin1String("_Footer")), qPrintable(where));
                QVERIFY2(!bands.back().section.endsWith(QLatin1String("_Header")), qPrintable(where));
                if (p > 0 && first + 1 < bands.size() && bands[first].section == QLatin1String("Detail") &&
                    bands[first + 1].section == QLatin1String("Team_Footer"))
                    ++footersCarriedOver;

                for (size_t i = first; i < bands.size(); ++i) {
                    const PlacedBand& band = bands[i];
                    if (band.section == QLatin1String("Division_Header"))
                        open = QStringList{band.texts[0]};
                    else if (band.section == QLatin1String("Team_Header"))
                        open = QStringList{open.value(0), band.texts[0]};
                    else if (band.section == QLatin1String("Team_Footer"))
                        open = open.mid(0, 1);
                    else if (band.section == QLatin1String("Division_Footer"))
                        open.clear();
                }
            }
            QVERIFY(open.isEmpty());
        }
    }
    // The sweep met both cases it guards against.
    QVERIFY(continuedPages > 0);
    QVERIFY(footersCarriedOver > 0);
}

void ReportEngineTest::pictureInThePageHeader() {
    QTemporaryDir folder;
    QImage logo(25, 105, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    const QString path = folder.filePath(QStringLiteral("logo.bmp"));
    QVERIFY(logo.save(path));

    Report report = SampleReport::make(3, 12);
    QVERIFY(!report.setPicture(QStringLiteral("PageHeader"), QStringLiteral("Logo"), folder.filePath("missing.bmp")));
    QVERIFY(!report.setPicture(QStringLiteral("PageHeader"), QStringLiteral("LblHead"), path));
    QVERIFY(!report.setPicture(QStringLiteral("Detail"), QStringLiteral("Logo"), path));
    QVERIFY(report.setPicture(QStringLiteral("pageheader"), QStringLiteral("logo"), path));

    const LaidOutReport laid = ReportLayout::layout(report);
    QVERIFY(laid.pageCount() > 1);
    for (const LaidOutPage& page : laid.pages) {
        const PlacedItem* image = page.first(QStringLiteral("Logo"));
        QVERIFY(image);
        QCOMPARE(image->kind, PlacedItem::Kind::Image);
        QCOMPARE(image->image.size(), QSize(25, 105));
        QCOMPARE(image->rect.size(), QSize(375, 1575));
    }
}

void ReportEngineTest::landscapeAndScaling_data() {
    QTest::addColumn<int>("wide");
    QTest::addColumn<int>("designWidth");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("scaled");
    QTest::newRow("portrait, fits") << 0 << 10800 << false << false;
    QTest::newRow("landscape, fits") << 2 << 14400 << true << false;
    QTest::newRow("other value stays portrait") << 1 << 10800 << false << false;
    QTest::newRow("too wide for portrait") << 0 << 14400 << false << true;
    QTest::newRow("too wide even landscape") << 2 << 20000 << true << true;
}

void ReportEngineTest::landscapeAndScaling() {
    QFETCH(int, wide);
    QFETCH(int, designWidth);
    QFETCH(bool, landscape);
    QFETCH(bool, scaled);

    Report report = SampleReport::make(2, 3);
    report.setDesignWidth(designWidth);
    ReportSection* detail = report.section(QStringLiteral("Detail"));
    ReportControl edge;
    edge.name = QStringLiteral("RightEdge");
    edge.kind = ReportControl::Kind::Box;
    edge.rect = QRect(designWidth - 500, 0, 500, 260);
    detail->controls.push_back(edge);
    report.setWideReport(wide);

    const LaidOutReport laid = ReportLayout::layout(report);
    QCOMPARE(laid.landscape, landscape);
    QCOMPARE(laid.pageSize, landscape ? QSize(15840, 12240) : QSize(12240, 15840));
    const PlacedItem* box = laid.pages[0].first(QStringLiteral("RightEdge"));
    QVERIFY(box);
    const int rightMargin = laid.pageSize.width() - ReportLayout::Margin;
    QVERIFY(qAbs(box->rect.x() + box->rect.width() - (scaled ? rightMargin : ReportLayout::Margin + designWidth)) <= 2);
    QCOMPARE(box->rect.width() < 500, scaled);
    const PlacedItem* rider = laid.pages[0].first(QStringLiteral("txtRider"));
    QCOMPARE(rider->font.points < 10, scaled);
}

void ReportEngineTest::captionsAndVisibilityByName() {
    Report report = SampleReport::make(1, 2);
    QVERIFY(report.setCaption(QStringLiteral("ReportHeader"), QStringLiteral("LblTitle"), QStringLiteral("Region: C")));
    QVERIFY(!report.setCaption(QStringLiteral("ReportHeader"), QStringLiteral("NoSuchControl"), QStringLiteral("x")));
    QVERIFY(!report.setCaption(QStringLiteral("NoSuchSection"), QStringLiteral("LblTitle"), QStringLiteral("x")));
    QVERIFY(!report.setCaption(QStringLiteral("Detail"), QStringLiteral("txtRider"), QStringLiteral("x")));
    QVERIFY(report.setVisible(QStringLiteral("Detail"), QStringLiteral("txtPoints"), false));

    const LaidOutReport laid = ReportLayout::layout(report);
    QCOMPARE(laid.pages[0].texts(QStringLiteral("LblTitle")), QStringList{QStringLiteral("Region: C")});
    QVERIFY(laid.pages[0].texts(QStringLiteral("txtPoints")).isEmpty());
    QCOMPARE(laid.pages[0].texts(QStringLiteral("txtRider")).size(), 6);
}

void ReportEngineTest::emptyReportHasOnePage() {
    Report report = SampleReport::make(1, 1);
    report.setDataSource(RowSet(QStringLiteral("Nothing"), {QStringLiteral("Division")}));
    const LaidOutReport laid = ReportLayout::layout(report);
    QCOMPARE(laid.pageCount(), 1);
    QCOMPARE(laid.pages[0].texts(QStringLiteral("SumAll")), QStringList{QStringLiteral("0")});
    QCOMPARE(laid.pages[0].texts(QStringLiteral("LblPage")), QStringList{QStringLiteral("Page 1 of 1")});
}

void ReportEngineTest::pdfCarriesTheText() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sample.pdf"));
    const LaidOutReport laid = ReportLayout::layout(SampleReport::make(4, 12));
    QCOMPARE(ReportPainter::writePdfFile(laid, pdf).why(), QString());

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished(30000));
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                .contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(laid.pageCount()))));

    for (int p = 1; p <= laid.pageCount(); ++p) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                    QString::number(p), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(page.contains(QStringLiteral("Page %1 of %2").arg(p).arg(laid.pageCount())), qPrintable(page));
        QVERIFY(page.contains(QStringLiteral("Riders and points")));
        if (p == 1)
            QVERIFY(page.contains(QStringLiteral("Sample Points Report")));
        if (p == laid.pageCount())
            QVERIFY(page.contains(QRegularExpression(QStringLiteral("All Points:\\s+936"))));
    }
}

CORRAVIN_TEST(ReportEngineTest)
#include "report_engine_test.moc"
