#include "meet_fixture.h"
#include "sample_report.h"
#include "pdf_text.h"
#include "test_main.h"

#include "reports/print_command.h"

#include <QFile>
#include <QTest>

namespace {

// A registry with one report made in the test: "sample" prints, unless the division is D,
// for which it answers the message its window would show, or C, for which preparing fails.
PrintRegistry testRegistry() {
    PrintRegistry registry;
    registry.add({QStringLiteral("sample"), QStringLiteral("RptSample"), PrintRegistry::Division | PrintRegistry::Order, PrintRegistry::Division,
                  [](RunState&, const PrintRequest& request) {
                      if (request.division == QLatin1String("D"))
                          return PreparedReport::refused(QStringLiteral("There are currently no riders entered."));
                      if (request.division == QLatin1String("C"))
                          throw std::invalid_argument("no rows for this report");
                      return PreparedReport::of(std::make_unique<Report>(SampleReport::make(2, 5)));
                  }});
    return registry;
}


} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

private slots:
    void printsOrRefuses();
};

void PrintCommandTest::printsOrRefuses() {
    MeetFixture meet;
    const PrintRegistry registry = testRegistry();
    PrintRequest request;
    request.report = QStringLiteral("sample");
    request.pdf = meet.programFolder() + QStringLiteral("/sample.pdf");

    request.division = QStringLiteral("D");
    meet.messages.expectAppNotice(QStringLiteral("There are currently no riders entered."));
    QCOMPARE(PrintCommand::run(*meet.state, request, registry), PrintCommand::Refused);
    QVERIFY(!QFile::exists(request.pdf));
    VERIFY_MESSAGES(meet.messages);

    // Any fault while preparing is reported as the windows report it, not the end of the program.
    request.division = QStringLiteral("C");
    meet.messages.expectNotice(Messages::appTitle(), "Corravin could not finish this action:\n\nno rows for this report",
                               Messages::Icon::Critical);
    QCOMPARE(PrintCommand::run(*meet.state, request, registry), PrintCommand::Refused);
    QVERIFY(!QFile::exists(request.pdf));
    VERIFY_MESSAGES(meet.messages);

    request.division = QStringLiteral("A");
    QCOMPARE(PrintCommand::run(*meet.state, request, registry), PrintCommand::Printed);
    QVERIFY(pdfText(request.pdf).contains(QStringLiteral("Sample Points Report")));
    request.csv = meet.programFolder() + QStringLiteral("/sample.csv");
    QCOMPARE(PrintCommand::run(*meet.state, request, registry), PrintCommand::Printed);
    QFile csv(request.csv);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readLine(), QByteArray("Division,Team,Rider #,Rider,Points\r\n"));
    request.csv.clear();

    // A file that cannot be written is reported, and nothing is left half-written.
    request.pdf = meet.programFolder() + QStringLiteral("/missing/sample.pdf");
    QCOMPARE(PrintCommand::run(*meet.state, request, registry), PrintCommand::Refused);
    QCOMPARE(meet.messages.shown().size(), 3);
    QVERIFY(meet.messages.shown().last().contains(QStringLiteral("could not be written")));
    QVERIFY(!QFile::exists(request.pdf));
    meet.messages.reset(); // the notice was checked above, by its start
}

CORRAVIN_TEST(PrintCommandTest)
#include "print_command_test.moc"
