#include "meet_fixture.h"
#include "sample_report.h"
#include "pdf_text.h"
#include "program_run.h"
#include "test_main.h"

#include "reports/print_command.h"

#include <QFile>
#include <QTemporaryDir>
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
    void arguments_data();
    void arguments();
    void pdfAndCsvReachingOneFileAreRefused();
    void printsOrRefuses();
    void programExitStatuses_data();
    void programExitStatuses();
};

void PrintCommandTest::arguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error"); // a part of the usage error, "" when the arguments are good
    const auto row = [](const char* name, const QString& line, const QString& error) {
        QTest::newRow(name) << line.split(u' ', Qt::SkipEmptyParts) << error;
    };
    row("good", "sample --division b --order random --pdf out.pdf", "");
    row("options before the report", "--pdf out.pdf --division A sample", "");
    row("no report", "--division A --pdf out.pdf", "needs a report");
    row("unknown report", "standings --division A --pdf out.pdf", "no report standings");
    row("two reports", "sample other --pdf out.pdf", "one report");
    row("no pdf", "sample --division A", "--pdf FILE");
    row("value missing", "sample --division A --pdf", "--pdf needs a value");
    row("bad division", "sample --division E --pdf out.pdf", "A, B, C or D");
    row("bad order", "sample --division A --order shuffled --pdf out.pdf", "random or sequential");
    row("class out of range", "sample --division A --class 18 --pdf out.pdf", "1 to 17");
    row("class not a number", "sample --division A --class five --pdf out.pdf", "1 to 17");
    row("option the report does not take", "sample --division A --team Hawks --pdf out.pdf", "takes no --team");
    row("required option missing", "sample --pdf out.pdf", "needs --division");
    row("option twice", "sample --division A --division B --pdf out.pdf", "twice");
    row("unknown option", "sample --colour red --pdf out.pdf", "unknown option --colour");
    row("csv twice", "sample --division A --csv a.csv --csv b.csv", "--csv is given twice");
    row("pdf and csv the same file", "sample --division A --pdf out.x --csv out.x", "the same file");
}

void PrintCommandTest::arguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const PrintCommand::Parsed parsed = PrintCommand::parse(arguments, testRegistry());
    if (error.isEmpty()) {
        QCOMPARE(parsed.error, QString());
        QCOMPARE(parsed.request.report, QStringLiteral("sample"));
        QVERIFY(parsed.request.division == QLatin1String("A") || parsed.request.division == QLatin1String("B"));
        QCOMPARE(parsed.request.pdf, QStringLiteral("out.pdf"));
    } else {
        QVERIFY2(parsed.error.contains(error), qPrintable(parsed.error));
    }
}

void PrintCommandTest::pdfAndCsvReachingOneFileAreRefused() {
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("out.csv"));
    QVERIFY(QFile::link(csv, folder.filePath(QStringLiteral("out.pdf")))); // a link to a file not made yet
    QVERIFY(QFile::link(folder.path(), folder.filePath(QStringLiteral("here"))));
    for (const QString& pdf :
         {folder.filePath(QStringLiteral("out.pdf")), folder.filePath(QStringLiteral("here/out.csv"))}) {
        const PrintCommand::Parsed parsed =
            PrintCommand::parse({QStringLiteral("sample"), QStringLiteral("--division"), QStringLiteral("A"),
                                 QStringLiteral("--pdf"), pdf, QStringLiteral("--csv"), csv},
                                testRegistry());
        QVERIFY2(parsed.error.contains(QStringLiteral("the same file")), qPrintable(pdf));
    }
}

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

void PrintCommandTest::programExitStatuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderrPart");
    QTest::newRow("create-meet still works") << QStringList{"create-meet"} << 0 << "";
    QTest::newRow("print without a report") << QStringList{"print"} << 2 << "usage:";
    QTest::newRow("unknown report") << QStringList{"print", "menu", "--pdf", "x.pdf"} << 2 << "no report menu";
    QTest::newRow("no pdf") << QStringList{"print", "menu"} << 2 << "usage:";
    QTest::newRow("bad division") << QStringList{"print", "standings", "--division", "Z", "--pdf", "x.pdf"} << 2
                                  << "A, B, C or D";
    QTest::newRow("publish without a folder") << QStringList{"publish"} << 2 << "publish needs --folder DIR";
}

void PrintCommandTest::programExitStatuses() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, stderrPart);
    QTemporaryDir folder;
    const RunOutcome run = runCorravin(folder.path(), arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(stderrPart), qPrintable(stderrPart));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("x.pdf"))));
    // A usage error opens and creates nothing.
    QCOMPARE(QFile::exists(folder.filePath(QStringLiteral("QARNReduzuduv2006.mdb"))), status == 0);
}

CORRAVIN_TEST(PrintCommandTest)
#include "print_command_test.moc"
