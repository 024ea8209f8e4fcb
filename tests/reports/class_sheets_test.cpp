#include "program_run.h"
#include "sheet_fixture.h"
#include "test_main.h"

#include "report_engine/report_layout.h"
#include "reports/frm_class_sheets.h"
#include "reports/sheet_reports.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

const QString ClassSheetNoRiders = "There are currently no riders entered in the specified class.";

} // namespace

class ClassSheetsTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWithoutClassOrRiders_data();
    void refusesWithoutClassOrRiders();
    void sequentialSheetInTextOrderFollowsTheDivision();
    void timeColumnOnTimedClassesOnly_data();
    void timeColumnOnTimedClassesOnly();
    void randomOrderShufflesTheRiders();
    void printAllShowsEveryClassWithRidersAsOne();
};

void ClassSheetsTest::refusesWithoutClassOrRiders_data() {
    QTest::addColumn<QString>("classText"); // empty: no class chosen
    QTest::addColumn<QString>("message");
    QTest::newRow("no class chosen") << "" << "Please Enter Which Class the Class Sheet is for";
    QTest::newRow("relay entries without pairings") << "17 - Two Person Relay" << ClassSheetNoRiders;
    QTest::newRow("entries only in another division") << "5 - Saddle Seat Pattern" << ClassSheetNoRiders;
}

void ClassSheetsTest::refusesWithoutClassOrRiders() {
    QFETCH(QString, classText);
    QFETCH(QString, message);
    MeetFixture meet;
    const qint32 oak = Seed::team(meet, "Oak", "B");
    SheetSeed::rider(meet, oak, "101", {17});
    SheetSeed::rider(meet, oak, "102", {17, 3});
    SheetSeed::rider(meet, Seed::team(meet, "Pine", "A"), "201", {5});
    FrmClassSheets sheets(*meet.state);
    sheets.Set_Division("B");
    choose(&sheets, "CbClass", classText);
    meet.messages.expectAppNotice(message);
    sheets.CmdRandom_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!sheets.reportWindow());
}

void ClassSheetsTest::sequentialSheetInTextOrderFollowsTheDivision() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    const qint32 oak = Seed::team(meet, "Oak", "B");
    const qint32 birch = Seed::team(meet, "Birch", "B");
    for (const char* number : {"20", "100", "3"})
        SheetSeed::rider(meet, oak, number, {5});
    SheetSeed::rider(meet, birch, "7", {5, 6});
    SheetSeed::rider(meet, birch, "8", {6});
    SheetSeed::rider(meet, Seed::team(meet, "Pine", "A"), "55", {5});

    FrmClassSheets sheets(*meet.state);
    sheets.Set_Division("B");
    choose(&sheets, "CbClass", "5 - Saddle Seat Pattern");
    for (int print = 0; print < 2; ++print) {
        sheets.cmdSequential_Click();
        const LaidOutReport* laid = SheetSeed::previewPages(sheets.reportWindow());
        QVERIFY(laid);
        QCOMPARE(pageTexts(*laid, "txtRiderNum"), QStringList({"100", "20", "3", "7"}));
        QCOMPARE(pageTexts(*laid, "txtFirstname"), QStringList({"First100", "First20", "First3", "First7"}));
        QCOMPARE(pageTexts(*laid, "txtTeamName"), QStringList({"Oak", "Oak", "Oak", "Birch"}));
        QCOMPARE(pageTexts(*laid, "LblReportTitle"), QStringList({"QARN Region C Class Sheet"}));
        QCOMPARE(pageTexts(*laid, "RhTitle"), QStringList({"Rider List for Division B, Class: 5 - Saddle Seat Pattern"}));
        QCOMPARE(pageTexts(*laid, "TxtTotalEntries"), QStringList({"4"}));
    }
    // The main window hands over another division: the next sheet is that division's.
    sheets.Set_Division("A");
    sheets.cmdSequential_Click();
    const LaidOutReport* laid = SheetSeed::previewPages(sheets.reportWindow());
    QVERIFY(laid);
    QCOMPARE(pageTexts(*laid, "txtRiderNum"), QStringList({"55"}));
    QCOMPARE(pageTexts(*laid, "RhTitle"), QStringList({"Rider List for Division A, Class: 5 - Saddle Seat Pattern"}));
    VERIFY_MESSAGES(meet.messages);
}

void ClassSheetsTest::timeColumnOnTimedClassesOnly_data() {
    QTest::addColumn<int>("classNumber");
    QTest::addColumn<bool>("timed");
    QTest::newRow("13 Trail") << 13 << false;
    QTest::newRow("14 Flag Race") << 14 << true;
    QTest::newRow("15 Cloverleaf Race") << 15 << true;
    QTest::newRow("16 Timed Event") << 16 << true;
    QTest::newRow("17 Two Person Relay") << 17 << false;
}

void ClassSheetsTest::timeColumnOnTimedClassesOnly() {
    QFETCH(int, classNumber);
    QFETCH(bool, timed);
    MeetFixture meet;
    const qint32 oak = Seed::team(meet, "Oak", "B");
    const qint32 entrant = SheetSeed::rider(meet, oak, "101", {13, 14, 15, 16, 17});
    const qint32 partner = SheetSeed::rider(meet, oak, "102", {13, 14, 15, 16});
    SheetSeed::rider(meet, oak, "103", {17}); // an entrant without a partner is left out
    Seed::pairing(meet, entrant, partner);

    const PreparedReport prepared =
        SheetReports::prepareClassSheet(*meet.state, "B", classNumber, SheetReports::Order::Sequential);
    QVERIFY(prepared.report);
    const LaidOutReport laid = ReportLayout::layout(*prepared.report);
    const bool relay = classNumber == 17;
    QCOMPARE(prepared.report->name(), relay ? QString("RptClassEntries17") : QString("RptClassEntries"));
    QCOMPARE(pageTexts(laid, "txtRiderNum"), relay ? QStringList{"101"} : QStringList({"101", "102"}));
    if (relay)
        QCOMPARE(pageTexts(laid, "txtPartnerNumber") + pageTexts(laid, "txtPartnerFirst") +
                     pageTexts(laid, "txtPartnerLast"),
                 QStringList({"102", "First102", "Last102"}));
    QCOMPARE(pageTexts(laid, "LblTime"), timed ? QStringList{"Time"} : QStringList());
    QCOMPARE(laid.pages.front().count("Section1", "LnTime"), timed ? 2 : 0);
}

// Each random print holds every rider once, and twenty prints do not all come out alike.
void ClassSheetsTest::randomOrderShufflesTheRiders() {
    MeetFixture meet;
    const qint32 oak = Seed::team(meet, "Oak", "B");
    for (const char* number : {"1", "2", "3", "4"})
        SheetSeed::rider(meet, oak, number, {9});
    QSet<QString> orders;
    for (int print = 0; print < 20; ++print) {
        const PreparedReport prepared = SheetReports::prepareClassSheet(*meet.state, "B", 9, SheetReports::Order::Random);
        QVERIFY(prepared.report);
        QString order;
        for (int r = 0; r < prepared.report->rows().size(); ++r)
            order += prepared.report->rows().value(r, "RiderNum").toString();
        orders.insert(order);
        std::sort(order.begin(), order.end());
        QCOMPARE(order, QString("1234"));
    }
    QVERIFY(orders.size() > 1);
}

// "Print All": one preview and one PDF of every class of the division that has riders, in
// class order, each sheet from a new page and numbered on its own; the command line without
// --class prints the same.
void ClassSheetsTest::printAllShowsEveryClassWithRidersAsOne() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    const qint32 oak = Seed::team(meet, "Oak", "B");
    for (int n = 100; n < 160; ++n) // more than a page
        SheetSeed::rider(meet, oak, QString::number(n), {5});
    const qint32 entrant = SheetSeed::rider(meet, oak, "7", {17, 14});
    Seed::pairing(meet, entrant, SheetSeed::rider(meet, oak, "8"));
    SheetSeed::rider(meet, Seed::team(meet, "Pine", "A"), "55", {3});

    FrmClassSheets sheets(*meet.state);
    control<QCheckBox>(&sheets, "ChkPrintAll")->setChecked(true);
    QVERIFY(!control<QComboBox>(&sheets, "CbClass")->isEnabled());
    sheets.Set_Division("D");
    meet.messages.expectAppNotice("There are currently no riders entered in any class of the D Division.");
    sheets.cmdSequential_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!sheets.reportWindow());

    sheets.Set_Division("B");
    sheets.cmdSequential_Click();
    auto* preview = qobject_cast<FrmReportPreview*>(sheets.reportWindow());
    QVERIFY(preview);
    const QString title5 = "Rider List for Division B, Class: 5 - Saddle Seat Pattern";
    const QString title14 = "Rider List for Division B, Class: 14 - Flag Race";
    const QString title17 = "Rider List for Division B, Class: 17 - Two Person Relay";
    QCOMPARE(pageTexts(preview->pages(), "RhTitle"), QStringList({title5, title5, title14, title17}));
    QCOMPARE(pageTexts(preview->pages(), "LblPage"),
             QStringList({"Page 1 of 2", "Page 2 of 2", "Page 1 of 1", "Page 1 of 1"}));
    QVERIFY(control<QPushButton>(preview, "CmdSaveCsv")->isHidden());

    const QString pdf = meet.programFolder() + "/all sheets.pdf";
    meet.dialogs.queue(pdf);
    preview->CmdSavePdf_Click();
    preview->close();
    const QStringList pages = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 4);
    for (const auto& [page, title] : {std::pair{0, title5}, {2, title14}, {3, title17}})
        QVERIFY2(pages[page].contains(title) && pages[page].contains("QARN Region C Class Sheet"),
                 qPrintable(pages[page]));

    const QString printed = meet.programFolder() + "/printed.pdf";
    const RunOutcome run = runCorravin(meet.programFolder(),
                                       {"print", "class-sheet", "--division", "B", "--order", "random", "--pdf", printed});
    QCOMPARE(run.status, 0);
    const QStringList printedPages = pdfText(printed).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(printedPages.size(), 4);
    QVERIFY(printedPages[2].contains(title14) && printedPages[3].contains(title17));
    VERIFY_MESSAGES(meet.messages);
}

CORRAVIN_TEST(ClassSheetsTest)
#include "class_sheets_test.moc"
