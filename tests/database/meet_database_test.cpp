#include "database/class_lineup.h"
#include "database/meet_file_check.h"
#include "ui/meet_creation.h"
#include "database/db_exception.h"
#include "database/sql.h"
#include "meet_fixture.h"
#include "test_main.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QTest>

class MeetDatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void createsTheNineTablesWithTheirColumnsInOrder();
    void engineEnforcesTheFieldRules_data();
    void engineEnforcesTheFieldRules();
    void autoNumbersAreAssignedAndNeverReused();
    void holdsTheLineupWithALabelPerClass();
    void leavesAnExistingFileUntouched();
    void failedCreationLeavesNoMeetDatabase();
    void recognisesUnusableFiles_data();
    void recognisesUnusableFiles();
    void likePatternMatchesTypedTextLiterally();
    void textOrdersAndComparesCaseBlindForEveryLetter();
};

void MeetDatabaseTest::createsTheNineTablesWithTheirColumnsInOrder() {
    MeetFixture meet;
    QStringList tables;
    auto q = Sql::exec(meet.db(), "SELECT name FROM sqlite_schema WHERE type = 'table' AND name LIKE 'Tbl%' "
                                       "ORDER BY name");
    while (q.next())
        tables << q.value(0).toString();
    QCOMPARE(tables, QStringList({"TblClass", "TblClassJudges", "TblCoach", "TblEntry", "TblJudge", "TblPairing",
                                  "TblPerson", "TblPlacing", "TblTeam"}));

    auto columns = [&](const QString& table) {
        QStringList found;
        auto c = Sql::exec(meet.db(), "SELECT name || ':' || type FROM pragma_table_info(?)", {table});
        while (c.next())
            found << c.value(0).toString();
        return found.join(' ');
    };
    QCOMPARE(columns("TblCoach"), QString("FirstName:TEXT LastName:TEXT Address:TEXT City:TEXT Zip:TEXT Primary:TEXT "
                                          "Secondary:TEXT Email:TEXT Position:TEXT TeamCode:INTEGER "
                                          "CoachCode:INTEGER"));
    QCOMPARE(columns("TblPerson"), QString("FirstName:TEXT LastName:TEXT Address:TEXT City:TEXT Zip:TEXT "
                                           "TeamCode:INTEGER RiderNumber:TEXT RiderIndex:INTEGER"));
    QCOMPARE(columns("TblPlacing"), QString("ClassNumber:INTEGER Place:INTEGER RiderIndex:INTEGER Points:REAL "
                                            "Division:TEXT JudgeID:INTEGER"));
    QCOMPARE(columns("TblTeam"), QString("TeamCode:INTEGER TeamName:TEXT Division:TEXT District:TEXT"));
    QCOMPARE(columns("TblJudge"), QString("FirstName:TEXT LastName:TEXT Address:TEXT City:TEXT Zip:TEXT "
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

// A new meet holds the class line-up, classes numbered from 1 without a gap, each with
// label images of its own drawn beside the database.
void MeetDatabaseTest::holdsTheLineupWithALabelPerClass() {
    MeetFixture meet;
    const QList<ClassRow>& lineup = ClassLineup::standard();
    auto q = Sql::exec(meet.db(), "SELECT ClassNumber, ClassName, MaxEntries, ImagePath FROM TblClass "
                                       "ORDER BY ClassNumber");
    const QDir labels(meet.programFolder() + "/LabelFiles");
    QSet<QString> images;
    qsizetype k = 0;
    for (; q.next(); ++k) {
        QVERIFY(k < lineup.size());
        const ClassRow& row = lineup.at(k);
        QCOMPARE(q.value(0).toInt(), int(k + 1));
        QCOMPARE(q.value(0).toInt(), row.ClassNumber);
        QCOMPARE(q.value(1).toString(), row.ClassName);
        QCOMPARE(q.value(2).toDouble(), row.MaxEntries);
        QCOMPARE(q.value(3).toString(), row.ImagePath);
        // Each class has label images of its own, one for the windows and one for reports.
        QVERIFY2(!images.contains(row.ImagePath), qPrintable(row.ImagePath));
        images.insert(row.ImagePath);
        QVERIFY2(labels.exists("form" + row.ImagePath) && labels.exists("report" + row.ImagePath),
                 qPrintable(row.ImagePath));
    }
    QCOMPARE(k, lineup.size());
    QCOMPARE(lineup.at(ClassLineup::RelayClassNumber - 1).ClassName, QString("Two Person Relay"));
}

void MeetDatabaseTest::leavesAnExistingFileUntouched() {
    MeetFixture meet(false);
    QFile file(meet.databasePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a database, but a file all the same");
    file.close();
    const QByteArray before = QFile(meet.databasePath()).exists() ? [&] {
        QFile f(meet.databasePath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }() : QByteArray();

    QVERIFY(!MeetCreation::build(meet.programFolder(), meet.databasePath()));

    QFile after(meet.databasePath());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    QVERIFY(!QDir(meet.programFolder() + "/LabelFiles").exists());
}

void MeetDatabaseTest::failedCreationLeavesNoMeetDatabase() {
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

void MeetDatabaseTest::recognisesUnusableFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("text file") << "text" << "file is not a database";
    QTest::newRow("empty database") << "empty" << "the table TblClass is missing";
    QTest::newRow("table lacking a field") << "field" << "the field RiderNumber of the table TblPerson is missing";
    QTest::newRow("sound meet database") << "sound" << "";
}

void MeetDatabaseTest::recognisesUnusableFiles() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    MeetFixture meet(kind == "sound" || kind == "field");
    const QString path = meet.databasePath();
    if (kind == "text") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    } else if (kind == "empty") {
        DbConnection empty;
        empty.open(path);
        Sql::exec(empty.db(), "CREATE TABLE Other (x INTEGER)");
    } else if (kind == "field") {
        meet.exec("ALTER TABLE TblPerson DROP COLUMN RiderNumber");
    }
    meet.state->MeetDb.close();
    const QString why = MeetFileCheck::examine(path, MeetFileCheck::Use::ReadOnly).message;
    if (reason.isEmpty()) {
        QCOMPARE(why, QString());
    } else {
        QVERIFY2(why.startsWith("The file " + QDir::toNativeSeparators(path) + " is not a usable meet database"),
                 qPrintable(why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }
}

void MeetDatabaseTest::likePatternMatchesTypedTextLiterally() {
    MeetFixture meet;
    for (const char* name : {"O'Brien", "100%", "a_b", "axb", "Zoë", "back\\slash"})
        meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'A')", {QString::fromUtf8(name)});
    auto find = [&](const QString& typed) {
        QStringList names;
        auto q = Sql::exec(meet.db(), "SELECT TeamName FROM TblTeam WHERE TeamName LIKE ? ESCAPE '\\' "
                                           "ORDER BY TeamCode",
                                {Sql::containsPattern(typed)});
        while (q.next())
            names << q.value(0).toString();
        return names;
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
    const QStringList names{"Zoë's Stables", "éire riders", "Éire Riders", "Eagle", "alder", "ZEBRA", "Ölberg"};
    for (const QString& name : names)
        meet.exec("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'A')", {name});
    QStringList ordered;
    auto q = Sql::exec(meet.db(), "SELECT TeamName FROM TblTeam ORDER BY TeamName, TeamCode");
    while (q.next())
        ordered << q.value(0).toString();
    QCOMPARE(ordered, QStringList({"alder", "Eagle", "éire riders", "Éire Riders", "Ölberg", "ZEBRA", "Zoë's Stables"}));
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName = ?", {"ÉIRE RIDERS"}).toInt(), 2);
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblTeam WHERE TeamName = ?", {"Eire Riders"}).toInt(), 0);
    QVERIFY(meet.scalar("SELECT sql FROM sqlite_schema WHERE name = 'TblTeam'").toString().contains("COLLATE NOCASE"));
}

CORRAVIN_TEST(MeetDatabaseTest)
#include "meet_database_test.moc"
