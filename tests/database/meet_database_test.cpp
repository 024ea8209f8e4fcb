#include "database/class_lineup.h"
#include "database/db_exception.h"
#include "database/meet_engine.h"
#include "database/meet_location.h"
#include "database/meet_server_check.h"
#include "database/row_snapshot.h"
#include "database/sql.h"
#include "file_digest.h"
#include "meet_fixture.h"
#include "test_main.h"
#include "test_server.h"
#include "ui/meet_creation.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

class MeetDatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void createsTheNineTablesWithTheirColumnsInOrder();
    void engineEnforcesTheFieldRules_data();
    void engineEnforcesTheFieldRules();
    void autoNumbersAreAssignedAndNeverReused();
    void manyRowsGoInWholeAndInOrder();
    void numbersTheClassesWithoutAGap();
    void leavesAnExistingFileUntouched();
    void failedCreationLeavesNoMeetDatabase();
    void serverMeetIsBuiltOnlyInAnEmptyDatabase();
    void likePatternMatchesTypedTextLiterally();
    void textOrdersAndComparesCaseBlindForEveryLetter();
    void snapshotsCompareRowsByValueInAnyOrder();
    void serverAddressesAreReadOrRefused_data();
    void serverAddressesAreReadOrRefused();
};

// The catalogue of either engine, as "Name:TYPE" with the file's type names. A server keeps
// the names the statements leave unquoted in lower case, where they find them in any case.
QString columnsOf(const MeetFixture& meet, const QString& table) {
    if (!meet.onServer())
        return meet.column("SELECT name || ':' || type FROM pragma_table_info(?)", {table}).join(' ');
    return meet
        .column("SELECT column_name || ':' || CASE data_type WHEN 'real' THEN 'REAL' WHEN 'text' THEN 'TEXT' "
                "ELSE 'INTEGER' END FROM information_schema.columns WHERE table_schema = current_schema() "
                "AND table_name = ? ORDER BY ordinal_position",
                {table.toLower()})
        .join(' ');
}

void MeetDatabaseTest::createsTheNineTablesWithTheirColumnsInOrder() {
    MeetFixture meet;
    const QString tables = meet.onServer() ? "SELECT table_name FROM information_schema.tables WHERE table_schema = "
                                             "current_schema() ORDER BY table_name"
                                           : "SELECT name FROM sqlite_schema WHERE type = 'table' AND name LIKE "
                                             "'Tbl%' ORDER BY name";
    QCOMPARE(meet.column(tables).join(' ').toLower(),
             QString("TblClass TblClassJudges TblCoach TblEntry TblJudge TblPairing TblPerson TblPlacing TblTeam")
                 .toLower());

    auto columns = [&](const QString& table) {
        const QString found = columnsOf(meet, table);
        return meet.onServer() ? found.toLower() : found;
    };
    auto expected = [&](const char* text) { return meet.onServer() ? QString(text).toLower() : QString(text); };
    QCOMPARE(columns("TblCoach"), expected("FirstName:TEXT LastName:TEXT Address:TEXT City:TEXT Zip:TEXT Primary:TEXT "
                                          "Secondary:TEXT Email:TEXT Position:TEXT TeamCode:INTEGER "
                                          "CoachCode:INTEGER"));
    QCOMPARE(columns("TblPerson"), expected("FirstName:TEXT LastName:TEXT Address:TEXT City:TEXT Zip:TEXT "
                                           "TeamCode:INTEGER RiderNumber:TEXT RiderIndex:INTEGER"));
    QCOMPARE(columns("TblPlacing"), expected("ClassNumber:INTEGER Place:INTEGER RiderIndex:INTEGER Points:REAL "
                                            "Division:TEXT JudgeID:INTEGER"));
    QCOMPARE(columns("TblTeam"), expected("TeamCode:INTEGER TeamName:TEXT Division:TEXT District:TEXT"));
    QCOMPARE(columns("TblJudge"), expected("FirstName:TEXT LastName:TEXT Address:TEXT City:TEXT Zip:TEXT "
                                          "PhoneNumber:TEXT State:TEXT Email:TEXT Memo:TEXT JudgeID:INTEGER"));

    // STRICT tables refuse a value of the wrong kind instead of storing it.
    QVERIFY_THROWS_EXCEPTION(DbException, meet.exec("INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES ('x', 1)"));
    // Text compares without regard to case.
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Hill', 'B')");
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName = 'OAK HILL' AND Division = 'b'").toInt(), 1);
}

void MeetDatabaseTest::engineEnforcesTheFieldRules_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<bool>("accepted");
    const QString person = "INSERT INTO TblPerson (FirstName, LastName, TeamCode, RiderNumber) VALUES (?, ?, ?, ?)";
    QTest::newRow("empty first name") << person << QVariantList{"", "Smith", 1, "1"} << false;
    QTest::newRow("51-character name") << person << QVariantList{QString(51, 'a'), "Smith", 1, "1"} << false;
    QTest::newRow("50-character name") << person << QVariantList{QString(50, 'a'), "Smith", 1, "1"} << true;
    QTest::newRow("empty rider number") << person << QVariantList{"Ann", "Smith", 1, ""} << true;
    QTest::newRow("4-character rider number") << person << QVariantList{"Ann", "Smith", 1, "1234"} << false;
    QTest::newRow("null first name") << person << QVariantList{QVariant(), "Smith", 1, "1"} << true;
    QTest::newRow("non-ASCII name") << person << QVariantList{"Zoë", "O'Brien", 1, "7"} << true;
    const QString team = "INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)";
    QTest::newRow("empty district") << team << QVariantList{"Oak Hill", "A", ""} << true;
    QTest::newRow("empty division") << team << QVariantList{"Oak Hill", "", "1"} << false;
    QTest::newRow("two-letter division") << team << QVariantList{"Oak Hill", "AB", "1"} << false;
    const QString entry = "INSERT INTO TblEntry (ClassNumber, RiderIndex) VALUES (?, ?)";
    QTest::newRow("16-bit refuses 40000") << entry << QVariantList{40000, 1} << false;
    QTest::newRow("16-bit takes 32767") << entry << QVariantList{32767, 1} << true;
    QTest::newRow("32-bit takes 40000") << entry << QVariantList{1, 40000} << true;
    QTest::newRow("32-bit refuses 2^31") << entry << QVariantList{1, qint64(2147483648LL)} << false;
    const QString pairing =
        "INSERT INTO TblPairing (RiderIndex, PartnerNumber, PartnerIndex, PartnerFirst, PartnerLast) "
        "VALUES (?, ?, ?, ?, ?)";
    QTest::newRow("empty partner last name") << pairing << QVariantList{1, "12", 2, "Ann", ""} << true;
    QTest::newRow("empty partner number") << pairing << QVariantList{1, "", 2, "Ann", "Lee"} << false;
}

void MeetDatabaseTest::engineEnforcesTheFieldRules() {
    QFETCH(QString, statement);
    QFETCH(QVariantList, values);
    QFETCH(bool, accepted);
    MeetFixture meet;
    bool stored = true;
    try {
        meet.exec(statement, values);
    } catch (const DbException&) {
        stored = false;
    }
    QCOMPARE(stored, accepted);
}

void MeetDatabaseTest::autoNumbersAreAssignedAndNeverReused() {
    MeetFixture meet;
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('One', 'A')");
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Two', 'A')");
    QCOMPARE(meet.scalar("SELECT TeamCode FROM TblTeam WHERE TeamName = 'Two'").toInt(), 2);
    meet.exec("DELETE FROM TblTeam WHERE TeamCode = 2");
    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Three', 'A')");
    QCOMPARE(meet.scalar("SELECT TeamCode FROM TblTeam WHERE TeamName = 'Three'").toInt(), 3);
}

// Rows inserted many to a statement all arrive, with their values, keys given in their order;
// a refused value writes none of its statement's rows.
void MeetDatabaseTest::manyRowsGoInWholeAndInOrder() {
    MeetFixture meet;
    QList<QVariantList> rows;
    for (int t = 1; t <= 250; ++t)
        rows.append({QStringLiteral("Team %1").arg(t), QString(QChar(u'A' + t % 4)), t % 7 ? QVariant() : "7"});
    const QString insert = "INSERT INTO TblTeam (TeamName, Division, District) VALUES (?, ?, ?)";
    Sql::insertEach(meet.db(), insert, rows);
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam").toInt(), 250);
    QCOMPARE(meet.scalar("SELECT TeamName FROM TblTeam WHERE TeamCode = 250").toString(), "Team 250");
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE District IS NULL").toInt(), 250 - 35);
    QCOMPARE(meet.column("SELECT TeamName FROM TblTeam ORDER BY TeamCode").mid(98, 4),
             QStringList({"Team 99", "Team 100", "Team 101", "Team 102"}));
    rows = {{"Good", "A", "1"}, {"Bad", "AB", "1"}};
    QVERIFY_THROWS_EXCEPTION(DbException, Sql::insertEach(meet.db(), insert, rows));
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName = 'Good'").toInt(), 0);
}

// A new meet numbers its classes from 1 without a gap, the relay class among them.
void MeetDatabaseTest::numbersTheClassesWithoutAGap() {
    MeetFixture meet;
    const QStringList numbers = meet.column("SELECT ClassNumber FROM TblClass ORDER BY ClassNumber");
    QVERIFY(!numbers.isEmpty());
    for (int i = 0; i < numbers.size(); ++i)
        QCOMPARE(numbers[i], QString::number(i + 1));
    QCOMPARE(
        meet.scalar("SELECT ClassName FROM TblClass WHERE ClassNumber = ?", {ClassLineup::RelayClassNumber}).toString(),
        QString("Two Person Relay"));
}

void MeetDatabaseTest::leavesAnExistingFileUntouched() {
    SKIP_ON_SERVER("serverMeetIsBuiltOnlyInAnEmptyDatabase is its counterpart");
    MeetFixture meet(false);
    QFile file(meet.databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a database, but a file all the same");
    file.close();
    const QByteArray before = digest(meet.databasePath());
    QVERIFY(!before.isEmpty());
    QVERIFY(!MeetCreation::build(meet.programFolder(), meet.databasePath()));
    QCOMPARE(digest(meet.databasePath()), before);
    QVERIFY(!QDir(meet.programFolder() + "/LabelFiles").exists());
}

void MeetDatabaseTest::failedCreationLeavesNoMeetDatabase() {
    SKIP_ON_SERVER("a server meet is built in one transaction");
    MeetFixture meet(false);
    // A file where the label folder should be makes the creation fail after the tables are built.
    QFile blocker(meet.programFolder() + "/LabelFiles");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             MeetCreation::build(meet.programFolder(), meet.databasePath()));
    QVERIFY(!QFile::exists(meet.databasePath()));
    QCOMPARE(QDir(meet.programFolder()).entryList({"*.mdb*"}, QDir::Files), QStringList());
}

// On a server the meet is built in a database that holds no table, once, and each station
// draws the label images it lacks; a database holding anything else is left alone.
void MeetDatabaseTest::serverMeetIsBuiltOnlyInAnEmptyDatabase() {
    if (!TestServer::inUse())
        QSKIP("needs the test server");
    MeetFixture meet(false);
    const MeetLocation location = meet.state->meetLocation();
    const QString labels = meet.programFolder() + "/LabelFiles";
    QVERIFY(MeetCreation::build(meet.programFolder(), location));
    meet.state->MeetDb.open(location);
    QCOMPARE(meet.count("TblClass"), 17);
    QCOMPARE(QDir(labels).entryList(QDir::Files).size(), 36);

    meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Hill', 'B')");
    QVERIFY(QFile::remove(labels + "/formWfandS.bmp"));
    QVERIFY(!MeetCreation::build(meet.programFolder(), location));
    QCOMPARE(meet.count("TblTeam"), 1);
    QCOMPARE(QDir(labels).entryList(QDir::Files).size(), 36);

    const QString other = TestServer::createDatabase(false);
    const auto dropOther = qScopeGuard([&] { TestServer::dropDatabase(other); });
    {
        DbConnection connection;
        connection.open(other);
        Sql::execDirect(connection.db(), "CREATE TABLE ledger (amount integer)");
    }
    QVERIFY(!MeetCreation::build(meet.programFolder(), MeetLocation::server(other)));
    const MeetFileVerdict verdict = MeetServerCheck::examine(MeetLocation::server(other));
    QCOMPARE(verdict.reason, QString("the table TblClass is missing"));
    QVERIFY2(verdict.message.startsWith("The database " + MeetLocation::server(other).database() + " on the server"),
             qPrintable(verdict.message));
}

void MeetDatabaseTest::likePatternMatchesTypedTextLiterally() {
    MeetFixture meet;
    for (const char* name : {"O'Brien", "100%", "a_b", "axb", "Zoë", "back\\slash"})
        meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'A')", {QString::fromUtf8(name)});
    auto find = [&](const QString& typed) {
        return meet.column("SELECT TeamName FROM TblTeam WHERE " +
                               MeetEngine::containsCondition(meet.db(), "TeamName") + " ORDER BY TeamCode",
                           {Sql::containsPattern(typed)});
    };
    QCOMPARE(find("'B"), QStringList{"O'Brien"});
    QCOMPARE(find("0%"), QStringList{"100%"});
    QCOMPARE(find("_"), QStringList{"a_b"});
    QCOMPARE(find("ë"), QStringList{QString::fromUtf8("Zoë")});
    QCOMPARE(find("\\"), QStringList{"back\\slash"});
    QCOMPARE(find("brien"), QStringList{"O'Brien"});
    // Case is ignored for every letter, not only A to Z.
    QCOMPARE(find(QString::fromUtf8("ZOË")), QStringList{QString::fromUtf8("Zoë")});
    QCOMPARE(find(QString::fromUtf8("Ë")), QStringList{QString::fromUtf8("Zoë")});
}

// Text columns order and compare without regard to case for every letter, accented letters
// among their base letters, on the program's connections; the file's schema keeps the
// engine's own collation name.
void MeetDatabaseTest::textOrdersAndComparesCaseBlindForEveryLetter() {
    MeetFixture meet;
    const QStringList names{"Zoë's Stables", "éire riders", "Éire Riders", "Eagle", "alder", "ZEBRA", "Ölberg",
                            "eagles", "EAGLE"};
    for (const QString& name : names)
        meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'A')", {name});
    QCOMPARE(meet.column("SELECT TeamName FROM TblTeam ORDER BY TeamName, TeamCode"),
             QStringList({"alder", "Eagle", "EAGLE", "eagles", "éire riders", "Éire Riders", "Ölberg", "ZEBRA",
                          "Zoë's Stables"}));
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName = ?", {"ÉIRE RIDERS"}).toInt(), 2);
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName = ?", {"eaGLE"}).toInt(), 2);
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName = ?", {"Eire Riders"}).toInt(), 0);
    if (meet.onServer())
        QCOMPARE(meet.scalar("SELECT collation_name FROM information_schema.columns WHERE table_name = 'tblteam' "
                             "AND column_name = 'teamname'")
                     .toString(),
                 QString("nocase"));
    else
        QVERIFY(
            meet.scalar("SELECT sql FROM sqlite_schema WHERE name = 'TblTeam'").toString().contains("COLLATE NOCASE"));
}

namespace {
struct SnapRow {
    qint32 key = 0;
    QString text;
    double points = 0;
};
} // namespace

void MeetDatabaseTest::snapshotsCompareRowsByValueInAnyOrder() {
    const ColumnMap<SnapRow> fields = ColumnMap<SnapRow>()
                                          .key(QStringLiteral("Key"), &SnapRow::key)
                                          .field(QStringLiteral("Text"), &SnapRow::text)
                                          .field(QStringLiteral("Points"), &SnapRow::points);
    auto of = [&](const QList<SnapRow>& rows) { return RowSnapshot().add(fields, rows); };
    const QList<SnapRow> rows{{1, QStringLiteral("Ann"), 5}, {2, QStringLiteral("Bo"), 3}};
    QVERIFY(of(rows) == of({rows[1], rows[0]}));
    // A NULL text (never typed) and an empty one differ, as do texts, numbers and row counts.
    QVERIFY(!(of({{1, QString(), 5}}) == of({{1, QStringLiteral(""), 5}})));
    QVERIFY(!(of(rows) == of({rows[0], {2, QStringLiteral("Bö"), 3}})));
    QVERIFY(!(of(rows) == of({rows[0], {2, QStringLiteral("Bo"), 3.5}})));
    QVERIFY(!(of(rows) == of({rows[0], {3, QStringLiteral("Bo"), 3}})));
    QVERIFY(!(of(rows) == of({rows[0]})));
}

void MeetDatabaseTest::serverAddressesAreReadOrRefused_data() {
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("read"); // user|host|port|database|settings, or the refusal's words
    QTest::newRow("host and database") << "postgresql://db.office/meet" << "|db.office|-1|meet|";
    QTest::newRow("user, port, settings")
        << "postgres://ann@db.office:5433/meet?sslmode=require&connect_timeout=3"
        << "ann|db.office|5433|meet|sslmode=require,connect_timeout=3";
    QTest::newRow("socket folder as host setting") << "postgresql:///meet?host=/run/pg%20x&port=5444"
                                                   << "|/run/pg x|5444|meet|";
    QTest::newRow("IPv6 address") << "postgresql://[::1]:5432/meet" << "|::1|5432|meet|";
    QTest::newRow("encoded database name") << "postgresql://h/Spring%20Meet" << "|h|-1|Spring Meet|";
    QTest::newRow("password in the user part") << "postgresql://ann:secret@h/meet" << "it holds a password";
    QTest::newRow("password as a setting") << "postgresql://h/meet?password=secret" << "it holds a password";
    QTest::newRow("no database") << "postgresql://h" << "it names no database";
    QTest::newRow("several servers") << "postgresql://a,b/meet" << "it names several servers";
    QTest::newRow("port not a number") << "postgresql://h:x/meet" << "the port must be a number";
    QTest::newRow("setting without value") << "postgresql://h/meet?sslmode" << "the setting sslmode has no value";
    QTest::newRow("setting breaking the driver's list") << "postgresql://h/meet?options=a;b" << "holds a semicolon";
    QTest::newRow("control character") << "postgresql://h/me%00et" << "it holds a control character";
    QTest::newRow("other scheme") << "mysql://h/meet" << "does not begin with postgresql://";
}

// A server address is taken apart as libpq reads it; what the program cannot pass on to Qt's
// driver whole, or should never keep (a password), is refused with the reason.
void MeetDatabaseTest::serverAddressesAreReadOrRefused() {
    QFETCH(QString, uri);
    QFETCH(QString, read);
    const QString problem = MeetLocation::uriProblem(uri);
    if (!read.contains(u'|')) {
        QVERIFY2(problem.contains(read), qPrintable(problem));
        return;
    }
    QCOMPARE(problem, QString());
    const MeetLocation location = MeetLocation::server(uri);
    QStringList settings;
    for (const auto& [name, value] : location.options())
        settings << name + u'=' + value;
    QCOMPARE(QStringList({location.user(), location.host(), QString::number(location.port()), location.database(),
                          settings.join(u',')})
                 .join(u'|'),
             read);
    QVERIFY(location.onServer() && MeetLocation::fromText(uri).onServer());
    QVERIFY(!MeetLocation::fromText("/meets/QARNReduzuduv2006.mdb").onServer());
}

CORRAVIN_TEST(MeetDatabaseTest)
#include "meet_database_test.moc"
