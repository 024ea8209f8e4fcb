#include "page_texts.h"
#include "sample_report.h"
#include "strict_csv.h"
#include "test_main.h"

#include "report_engine/csv_text.h"
#include "report_engine/html_page.h"
#include "report_engine/report_html.h"
#include "report_engine/report_layout.h"
#include "report_engine/report_table.h"

#include <QTest>
#include <QXmlStreamReader>

namespace {

// A name holding what no page may hold (NUL, ESC, a lone surrogate half) and a right-to-left
// override left open, as a district file may bring them; and what a page or a file shows
// for it: the controls dropped, the override closed within the name.
const QString ControlledName = QStringLiteral("Eve") + QChar(0) + QChar(0x1B) + QStringLiteral("[2J") + QChar(0xD800) +
                               QChar(0x202E) + QStringLiteral("gnp.exe");
const QString ControlledShown = QStringLiteral("Eve[2J") + QChar(0x202E) + QStringLiteral("gnp.exe") + QChar(0x202C);

// Rider rows of one team whose texts would break a file or a page that did not escape them.
RowSet hostileRiders() {
    RowSet rows(QStringLiteral("Riders"), {"Division", "TeamName", "RiderNumber", "Rider", "Points"});
    rows.append({"A", "<b>&amp;", "7", "O'Brien, Pat", 10.0});
    rows.append({"A", "<b>&amp;", "8", "\"quoted\"\r\nsecond line", 2.5});
    rows.append({"B", "</td></tr><script>x()</script>", "9", "=HYPERLINK(\"http://x\")", 1.0});
    rows.append({"B", "</td></tr><script>x()</script>", "10", ControlledName, 1.0});
    return rows;
}

} // namespace

class ReportTableTest : public QObject {
    Q_OBJECT

private slots:
    void csvReadsBackWithAStrictReader();
    void tableLinesFollowThePrintedLines();
    void htmlIsWellFormedAndShowsEveryTextAsText();
};

void ReportTableTest::csvReadsBackWithAStrictReader() {
    const QList<QStringList> records{
        {"Team", "Rider", "Points"},  {"O'Brien, Pat", "\"quoted\"", "10"}, {" spaced ", "two\r\nlines", "-3"},
        {"Zoë's Stables", "", "2.5"}, {"=SUM(A1:A9)", "@home", "+1"},
        {ControlledName, QChar(0) + QStringLiteral("=1+1"), ""}, // cleaned before the formula check
    };
    const QByteArray csv = CsvText::encode(records);
    QVERIFY(csv.endsWith("\r\n"));
    QVERIFY(csv.contains("Zo\xc3\xab")); // UTF-8, no byte order mark
    QVERIFY(!csv.startsWith("\xef\xbb\xbf"));
    QString error;
    QList<QStringList> read = StrictCsv::read(csv, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // Texts a spreadsheet would run as formulas keep a leading apostrophe; numbers stay numbers.
    QList<QStringList> expected = records;
    expected[4] = QStringList{"'=SUM(A1:A9)", "'@home", "+1"};
    expected[5] = QStringList{ControlledShown, "'=1+1", ""};
    QCOMPARE(read, expected);
}

void ReportTableTest::tableLinesFollowThePrintedLines() {
    const ReportTable small = ReportTable::of(SampleReport::make(1, 2));
    const QList<QStringList> expected{
        {"Division", "Team", "Rider #", "Rider", "Points"},
        {"A", "Team A1", "100", "Rider 1 of team A1", "1"},
        {"A", "Team A1", "101", "Rider 2 of team A1", "2"},
        {"A", "Team A1", "Team Points:", "", "3"},
        {"A", "Division Points:", "", "", "3"},
        {"B", "Team B1", "102", "Rider 1 of team B1", "1"},
        {"B", "Team B1", "103", "Rider 2 of team B1", "2"},
        {"B", "Team B1", "Team Points:", "", "3"},
        {"B", "Division Points:", "", "", "3"},
        {"C", "Team C1", "104", "Rider 1 of team C1", "1"},
        {"C", "Team C1", "105", "Rider 2 of team C1", "2"},
        {"C", "Team C1", "Team Points:", "", "3"},
        {"C", "Division Points:", "", "", "3"},
        {"All Points:", "", "6", "", "9"},
    };
    QCOMPARE(small.flatRows(), expected);

    // The columns are the printed fields that carry a heading: a field hidden at run time
    // leaves the table with it.
    Report narrowed = SampleReport::make(1, 1);
    QVERIFY(narrowed.setVisible(QStringLiteral("Detail"), QStringLiteral("txtPoints"), false));
    QCOMPARE(ReportTable::of(narrowed).headings, (QStringList{"Division", "Team", "Rider #", "Rider"}));

    // Over many pages, with group headers repeated where a page continues a group, the
    // table's detail lines are the printed detail lines, in the printed order.
    const Report large = SampleReport::make(3, 12);
    const LaidOutReport printed = ReportLayout::layout(large);
    QVERIFY(printed.pageCount() > 3);
    QStringList tableRiders;
    for (const ReportTable::Line& line : ReportTable::of(large).lines)
        if (line.kind == ReportTable::LineKind::Detail)
            tableRiders << line.cells[3];
    QCOMPARE(tableRiders, pageTexts(printed, QStringLiteral("txtRider")));
}

void ReportTableTest::htmlIsWellFormedAndShowsEveryTextAsText() {
    Report report = SampleReport::make(1, 1);
    SampleReport::setRows(report, hostileRiders());
    QImage logo(20, 60, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    report.section(QStringLiteral("PageHeader"))->control(QStringLiteral("Logo"))->image = logo;
    const QString page = HtmlPage::document(QStringLiteral("Results <&> 'all'"), ReportHtml::table(report));

    QXmlStreamReader xml(page);
    QStringList elements;
    QString text;
    int pictures = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            elements << xml.name().toString();
            if (xml.name() == QLatin1String("img") &&
                xml.attributes().value(QLatin1String("src")).startsWith(QLatin1String("data:image/png;base64,")))
                ++pictures;
        } else if (xml.isCharacters()) {
            text += xml.text();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(!elements.contains(QStringLiteral("b")));
    QVERIFY(!elements.contains(QStringLiteral("script")));
    QCOMPARE(pictures, 1);
    // (XML reads a line break as LF alone.)
    for (const char* hostile : {"Results <&> 'all'", "Team: <b>&amp;", "O'Brien, Pat", "\"quoted\"\nsecond line",
                                "</td></tr><script>x()</script>", "=HYPERLINK(\"http://x\")"})
        QVERIFY2(text.contains(QString::fromUtf8(hostile)), hostile);
    QVERIFY(text.contains(ControlledShown));
    // Groups head their lines, totals close them; the table's columns are the detail ones.
    QVERIFY(text.contains(QStringLiteral("Team Points: 12.5")));
    QVERIFY(text.contains(QStringLiteral("All Points: 4 14.5")));
}

CORRAVIN_TEST(ReportTableTest)
#include "report_table_test.moc"
