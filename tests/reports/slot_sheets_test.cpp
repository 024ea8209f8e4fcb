#include "sheet_fixture.h"
#include "test_main.h"

#include "database/class_data.h"
#include "labels/label_files.h"
#include "reports/frm_slot_sheets.h"
#include "reports/print_command.h"
#include "reports/sheet_reports.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SlotSheetsTest : public QObject {
    Q_OBJECT
private slots:
    void createAllAndSinglePrintTeamsWithRiders();
    void refusals_data();
    void refusals();
    void headImagesFollowTheLineUpAndBoxesStandUnderThem();
    void printCommandWritesSheets_data();
    void printCommandWritesSheets();
};

// One sheet per team with riders, in name order; a single sheet for the chosen team.
void SlotSheetsTest::createAllAndSinglePrintTeamsWithRiders() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    const qint32 ohara = Seed::team(meet, "O'Hara's Stable", "B");
    for (const char* number : {"20", "100", "3"})
        SheetSeed::rider(meet, ohara, number);
    SheetSeed::rider(meet, Seed::team(meet, "Birch", "B"), "5");
    Seed::team(meet, "Empty", "B");
    SheetSeed::rider(meet, Seed::team(meet, "O'Hara's Stable", "A"), "77");

    FrmSlotSheets sheets(*meet.state);
    sheets.Set_Division("B");
    QCOMPARE(entries(control<QComboBox>(&sheets, "CbTeam")), QStringList({"Birch", "Empty", "O'Hara's Stable"}));
    sheets.CmdAll_Click();
    const LaidOutReport* all = SheetSeed::previewPages(sheets.reportWindow());
    QVERIFY(all);
    const LaidOutReport& laid = *all;
    QVERIFY(laid.landscape);
    QCOMPARE(laid.pageCount(), 2);
    QCOMPARE(laid.pages[0].texts("txtTeamName"), QStringList({"Birch"}));
    QCOMPARE(laid.pages[0].texts("txtRiderNumber"), QStringList({"5"}));
    QCOMPARE(laid.pages[1].texts("txtTeamName"), QStringList({"O'Hara's Stable"}));
    QCOMPARE(laid.pages[1].texts("txtRiderNumber"), QStringList({"100", "20", "3"}));
    QCOMPARE(laid.pages[1].texts("txtFirstName"), QStringList({"First100", "First20", "First3"}));
    QCOMPARE(pageTexts(laid, "txtDivision"), QStringList({"B", "B"}));
    QCOMPARE(pageTexts(laid, "LblTitle"), QStringList({"Region C", "Region C"}));

    // The single sheet is the chosen team's, found by its key: not the team of that name in A.
    choose(&sheets, "CbTeam", "O'Hara's Stable");
    sheets.CmdSingle_Click();
    const LaidOutReport* single = SheetSeed::previewPages(sheets.reportWindow());
    QVERIFY(single);
    QCOMPARE(pageTexts(*single, "txtRiderNumber"), QStringList({"100", "20", "3"}));
    QCOMPARE(pageTexts(*single, "txtDivision"), QStringList({"B"}));

    // A division change refills the team list at once.
    sheets.Set_Division("A");
    QCOMPARE(entries(control<QComboBox>(&sheets, "CbTeam")), QStringList({"O'Hara's Stable"}));
    VERIFY_MESSAGES(meet.messages);
}

void SlotSheetsTest::refusals_data() {
    QTest::addColumn<QString>("division");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("team"); // chosen in the list; empty: none
    QTest::addColumn<QString>("message");
    QTest::newRow("division whose teams have no riders")
        << "D" << false << "" << "There are currently no teams or riders entered in the D Division.";
    QTest::newRow("division without teams")
        << "C" << false << "" << "There are currently no teams or riders entered in the C Division.";
    QTest::newRow("no team chosen") << "B" << true << ""
                                    << "You must select the team you want to print a slot sheet for.";
    QTest::newRow("chosen team without riders") << "B" << true << "Empty"
                                                << "There are currently no riders for the selected team.";
}

void SlotSheetsTest::refusals() {
    QFETCH(QString, division);
    QFETCH(bool, single);
    QFETCH(QString, team);
    QFETCH(QString, message);
    MeetFixture meet;
    SheetSeed::rider(meet, Seed::team(meet, "Oak", "B"), "1");
    Seed::team(meet, "Empty", "B");
    Seed::team(meet, "Lonely", "D");
    FrmSlotSheets sheets(*meet.state);
    sheets.Set_Division(division);
    choose(&sheets, "CbTeam", team);
    meet.messages.expectAppNotice(message);
    single ? sheets.CmdSingle_Click() : sheets.CmdAll_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(!sheets.reportWindow());
}

// After the line-up switch each class column shows the image of the class it now holds;
// every rider's box stands exactly under its column head.
void SlotSheetsTest::headImagesFollowTheLineUpAndBoxesStandUnderThem() {
    MeetFixture meet;
    SheetSeed::rider(meet, Seed::team(meet, "Oak", "B"), "1");
    ClassData::update(meet.db(), ClassLineup::fittingAndShowing(ClassLineup::Form::Modified));
    FrmSlotSheets sheets(*meet.state);
    sheets.Set_Division("B");
    sheets.CmdAll_Click();
    const LaidOutReport* laid = SheetSeed::previewPages(sheets.reportWindow());
    QVERIFY(laid);
    const LaidOutPage& page = laid->pages.front();
    const QString folder = meet.programFolder();
    auto reportImage = [&](const QString& imagePath) {
        return QImage(LabelFiles::path(folder, LabelFiles::reportPrefix(), imagePath));
    };
    const QList<ClassRow> classes = ClassData::all(meet.db());
    QCOMPARE(classes.size(), 17);
    QCOMPARE(page.first("Class2")->image, reportImage("HSFandS.bmp"));
    QCOMPARE(page.first("Class3")->image, reportImage("SSFandS.bmp"));
    QStringList numbers;
    int left = -1;
    for (int c = 1; c <= 18; ++c) {
        const QString head = c <= 17 ? QString("Class%1").arg(c) : QString("RelayPartner");
        const PlacedItem* image = page.first(head);
        QVERIFY2(image && !image->image.isNull(), qPrintable(head));
        QCOMPARE(image->image,
                 reportImage(c <= 17 ? classes[c - 1].ImagePath : LabelFiles::relayPartnerImage()));
        const QRect headBox = page.first(QString("BoxHead%1").arg(c))->rect;
        const QRect slotBox = page.first(QString("BoxSlot%1").arg(c))->rect;
        QVERIFY2(headBox.contains(image->rect), qPrintable(head));
        QCOMPARE(slotBox.left(), headBox.left());
        QCOMPARE(slotBox.width(), headBox.width());
        QVERIFY(headBox.left() > left);
        left = headBox.left();
        if (c <= 17)
            numbers << page.texts(QString("LblClass%1").arg(c));
    }
    QCOMPARE(numbers.join(u' '), QString("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17"));
}

void SlotSheetsTest::printCommandWritesSheets_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("notShown"); // empty "shown": refused with notShown[0]
    QTest::newRow("class sheet") << "class-sheet" << ""
                                 << QStringList{"QARN Region C Class Sheet",
                                                "Rider List for Division B, Class: 14 - Flag Race", "Time",
                                                "First11", "First21"}
                                 << QStringList{"First99"};
    QTest::newRow("slot sheets of the division") << "slot-sheets" << ""
                                                 << QStringList{"Region C", "O'Hara's Stable", "Oak", "First21"}
                                                 << QStringList{"First99"};
    QTest::newRow("slot sheet of a team by name") << "slot-sheets" << "o'hara's stable"
                                                  << QStringList{"O'Hara's Stable", "First11"}
                                                  << QStringList{"First21", "First99"};
    QTest::newRow("no such team") << "slot-sheets" << "Nobody" << QStringList{}
                                  << QStringList{"There is no team named Nobody in the B Division."};
}

void SlotSheetsTest::printCommandWritesSheets() {
    QFETCH(QString, report);
    QFETCH(QString, team);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    SheetSeed::rider(meet, Seed::team(meet, "O'Hara's Stable", "B"), "11", {14});
    SheetSeed::rider(meet, Seed::team(meet, "Oak", "B"), "21", {14});
    SheetSeed::rider(meet, Seed::team(meet, "O'Hara's Stable", "A"), "99", {14});
    QTemporaryDir out;
    PrintRequest request;
    request.report = report;
    request.division = "B";
    request.team = team;
    if (report == "class-sheet") {
        request.classNumber = 14;
        request.order = "random";
    }
    request.pdf = out.filePath("sheet.pdf");
    PrintRegistry registry;
    SheetReports::addPrintable(registry);
    if (shown.isEmpty())
        meet.messages.expectAppNotice(notShown.front());
    const PrintCommand::Status status = PrintCommand::run(*meet.state, request, registry);
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(status, shown.isEmpty() ? PrintCommand::Refused : PrintCommand::Printed);
    QCOMPARE(QFile::exists(request.pdf), !shown.isEmpty());
    if (shown.isEmpty())
        return;
    const QString text = pdfText(request.pdf);
    for (const QString& expected : shown)
        QVERIFY2(text.contains(expected), qPrintable(expected + "\n" + text));
    for (const QString& unexpected : notShown)
        QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
}

CORRAVIN_TEST(SlotSheetsTest)
#include "slot_sheets_test.moc"
