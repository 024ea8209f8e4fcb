#include "meet_fixture.h"
#include "test_main.h"

#include "reports/report_catalogue.h"
#include "startup/printable_reports.h"

#include <QTest>

class PrintableReportsTest : public QObject {
    Q_OBJECT

private slots:
    void everyPrintableReportIsTheCatalogueReportItNames();
};

// Each subsystem adds its printable reports to the program's list; every one of them must
// name a catalogue report and prepare exactly that report (or the message shown instead).
void PrintableReportsTest::everyPrintableReportIsTheCatalogueReportItNames() {
    MeetFixture meet;
    meet.exec("INSERT INTO TblTeam (TeamName, Division, District) VALUES ('Lakeside', 'B', '1')");
    meet.exec("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) VALUES ('Ann', 'Lee', 'Head Coach', 1)");
    meet.exec("INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES ('Bo', 'Ray', 1, '7')");
    const PrintRegistry registry = printableReports();
    QVERIFY(registry.names().size() >= 2);
    for (const QString& name : registry.names()) {
        const PrintRegistry::Entry* entry = registry.find(name);
        QVERIFY2(ReportCatalogue::names().contains(entry->report), qPrintable(name));
        PrintRequest request;
        request.report = name;
        request.division = QStringLiteral("B");
        request.classNumber = 1;
        request.team = QStringLiteral("Lakeside");
        request.order = QStringLiteral("sequential");
        const PreparedReport prepared = entry->prepare(*meet.state, request);
        if (prepared.report)
            QCOMPARE(prepared.report->name(), entry->report);
        else
            QVERIFY2(!prepared.message.isEmpty(), qPrintable(name));
    }
}

CORRAVIN_TEST(PrintableReportsTest)
#include "printable_reports_test.moc"
