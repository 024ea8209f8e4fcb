#include "district_files.h"
#include "meet_fixture.h"
#include "seed.h"
#include "test_main.h"
#include "test_server.h"
#include "window_driver.h"

#include "database/db_connection.h"
#include "database/meet_backup.h"
#include "database/sql.h"
#include "exchange/frm_data_import.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {
QStringList treeTexts(const QTreeWidgetItem* node, int depth = 0) {
    QStringList texts{QString(depth * 2, ' ') + node->text(0)};
    for (int i = 0; i < node->childCount(); ++i)
        texts << treeTexts(node->child(i), depth + 1);
    return texts;
}
} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void districtIdentifierFromTheFileName_data();
    void districtIdentifierFromTheFileName();
    void showsTheFileAndImportsEveryTeamAsNew();
    void cancelledDialogClosesTheWindow();
    void brokenFilesAreRefusedWithTheMeetUnchanged_data();
    void brokenFilesAreRefusedWithTheMeetUnchanged();
    void theMeetsOwnFilesAreRefused();
};

void ImportTest::districtIdentifierFromTheFileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("usual") << "District7-2006.MDB" << "7";
    QTest::newRow("longer, lower-case extension") << "DistrictNorth-2006.mdb" << "North";
    QTest::newRow("last District counts") << "District1District22-2006.MDB" << "22";
    QTest::newRow("no identifier") << "District-2006.MDB" << "District-2006";
    QTest::newRow("other form") << "teams.mdb" << "teams";
}

void ImportTest::districtIdentifierFromTheFileName() {
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QCOMPARE(FrmDataImport::districtIdentifier(name), identifier);
}

void ImportTest::showsTheFileAndImportsEveryTeamAsNew() {
    MeetFixture meet;
    const qint32 old = Seed::team(meet, "Lakeside", "C");
    Seed::rider(meet, old, "Al", "Old", "012");
    QTemporaryDir folder;
    const QString path = writeDistrictFile(folder.path(), "District7-2006.MDB");
    for (int round = 1; round <= 2; ++round) {
        QPointer<FrmDataImport> window = new FrmDataImport(*meet.state);
        meet.dialogs.queue(path);
        QVERIFY(window->Import_Data());
        QCOMPARE(
            treeTexts(control<QTreeWidget>(window, "TVImportSelect")->topLevelItem(0)),
            QStringList({"District 7", "  A - Owls", "    Coaches", "    Riders", "      Di Orr", "  B - Hawks",
                         "    Coaches", "      Ann Lee - Head Coach", "    Riders", "      Cy Fox", "      Bo Ray"}));
        // Bo Ray's 7 is Cy Fox's from the same file; the second time, all numbers are held.
        meet.messages.expectAppNotice("Data Import Successful\n\nThese imported riders have back numbers that riders "
                                      "of the meet already have; give them new numbers:\n12 Di Orr" +
                                      QString(round == 2 ? "\n7 Cy Fox\n7 Bo Ray" : "\n7 Bo Ray"));
        window->CmdImport_Click();
        VERIFY_MESSAGES(meet.messages);
        // A successful import closes the window.
        flushClosedWindows();
        QVERIFY(!window);
    }
    // Every team twice, with new numbers; the meet's own rows untouched.
    QCOMPARE(meet.column("SELECT TeamName FROM TblTeam ORDER BY TeamCode").join(','),
             QString("Lakeside,Owls,Hawks,Owls,Hawks"));
    QCOMPARE(meet.count("TblCoach"), 2);
    QCOMPARE(meet.count("TblPerson"), 7);
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblPerson WHERE TeamCode = ? AND LastName = 'Old'", {old}).toInt(), 1);
    QCOMPARE(meet.scalar("SELECT Address || City || Zip FROM TblPerson WHERE FirstName = 'Di' LIMIT 1").toString(),
             QString("1 Main StTown12345"));
}

void ImportTest::cancelledDialogClosesTheWindow() {
    MeetFixture meet;
    FrmDataImport window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QSignalSpy closed(&window, &EntryWindow::closed);
    meet.dialogs.queue("");
    QVERIFY(!window.Import_Data());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(meet.dialogs.captions(), QStringList{"Select Import File"});

    // Cancel closes a loaded window without a question and imports nothing.
    QTemporaryDir folder;
    FrmDataImport loaded(*meet.state);
    loaded.setAttribute(Qt::WA_DeleteOnClose, false);
    QSignalSpy loadedClosed(&loaded, &EntryWindow::closed);
    meet.dialogs.queue(writeDistrictFile(folder.path(), "District7-2006.MDB"));
    QVERIFY(loaded.Import_Data());
    loaded.CmdCancel_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(loadedClosed.count(), 1);
    QCOMPARE(meet.count("TblTeam"), 0);
}

void ImportTest::brokenFilesAreRefusedWithTheMeetUnchanged_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("why");
    QTest::newRow("table missing") << "DROP TABLE TblCoach" << "the table TblCoach is missing";
    QTest::newRow("field missing") << "ALTER TABLE TblTeam DROP COLUMN District"
                                   << "the field District of the table TblTeam is missing";
    QTest::newRow("key not a number") << "UPDATE TblTeam SET TeamCode = 'x' WHERE TeamName = 'Owls'"
                                      << "in row 1 of the table TblTeam the field TeamCode is not a whole number";
    QTest::newRow("key with a fraction") << "UPDATE TblTeam SET TeamCode = 1.5 WHERE TeamName = 'Hawks'"
                                         << "in row 2 of the table TblTeam the field TeamCode is not a whole number";
    QTest::newRow("members of no team")
        << "UPDATE TblCoach SET TeamCode = 9; UPDATE tblperson SET teamcode = 8 WHERE firstname <> 'Bo'"
        << "in row 1 of the table TblCoach and in rows 2 and 3 of the table TblPerson the field TeamCode names no "
           "team of the file";
    QTest::newRow("binary name") << "UPDATE TblTeam SET TeamName = x'486177' WHERE TeamName = 'Hawks'"
                                 << "in row 2 of the table TblTeam the field TeamName holds binary data, not text";
    QTest::newRow("escape in a name")
        << "UPDATE tblperson SET firstname = 'B' || char(27) || 'o' WHERE firstname = 'Bo'"
        << "in row 2 of the table TblPerson the field FirstName holds the control "
           "character U+001B";
    QTest::newRow("NUL in a district") << "UPDATE TblTeam SET District = char(0) WHERE TeamName = 'Owls'"
                                       << "in row 1 of the table TblTeam the field District holds the control "
                                          "character U+0000";
    QTest::newRow("text turned round") << "UPDATE TblCoach SET City = 'Town' || char(0x202E)"
                                       << "in row 1 of the table TblCoach the field City holds the control "
                                          "character U+202E";
    QTest::newRow("endless view")
        << "DROP TABLE TblTeam; CREATE VIEW TblTeam AS WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
           "SELECT x AS TeamCode, 'T' || x AS TeamName, 'A' AS Division, '1' AS District FROM n"
        << "the table TblTeam is a view, not a plain table";
    QTest::newRow("virtual table")
        << "DROP TABLE TblCoach; CREATE VIRTUAL TABLE TblCoach USING fts5(TeamCode, CoachCode, FirstName, LastName, "
           "Position, Address, City, Zip, \"Primary\", Secondary, Email)"
        << "the table TblCoach is a virtual table, not a plain table";
    QTest::newRow("team code twice") << "UPDATE TblTeam SET TeamCode = 1"
                                     << "in row 2 of the table TblTeam the field TeamCode is the same as in row 1";
    QTest::newRow("no such division") << "UPDATE TblTeam SET Division = 'Z' WHERE TeamName = 'Hawks'"
                                      << "in row 2 of the table TblTeam the field Division is not A, B, C or D";
    QTest::newRow("empty name") << "UPDATE tblperson SET lastname = '' WHERE firstname = 'Di'"
                                << "in row 3 of the table TblPerson the field LastName is empty";
    QTest::newRow("huge text") << "UPDATE TblCoach SET City = printf('%.9999c', 'x')"
                               << "in row 1 of the table TblCoach the field City is longer than 50 characters";
    QTest::newRow("number too long") << "UPDATE tblperson SET ridernumber = '1234' WHERE firstname = 'Bo'"
                                     << "in row 2 of the table TblPerson the field RiderNumber is longer than 3 "
                                        "characters";
}

// Each kind of broken file is refused with the file's name and its first problem, before
// anything is written: the meet database is the same to the byte.
void ImportTest::brokenFilesAreRefusedWithTheMeetUnchanged() {
    QFETCH(QString, statement);
    QFETCH(QString, why);
    MeetFixture meet;
    Seed::team(meet, "Lakeside", "C");
    QTemporaryDir folder;
    const QString path = writeDistrictFile(folder.path(), "District3-2006.MDB", [&](const QSqlDatabase& db) {
        for (const QString& part : statement.split("; "))
            Sql::exec(db, part);
    });
    const QByteArray before = meet.contentDigest();
    FrmDataImport window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    meet.dialogs.queue(path);
    meet.messages.expectNotice(Messages::appTitle(),
                               QString("The file District3-2006.MDB cannot be imported: %1.").arg(why),
                               Messages::Icon::Exclamation);
    QVERIFY(!window.Import_Data());
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.contentDigest(), before);
}

// The meet database and its backups hold the meet's own teams: importing one would bring
// every team in again.
void ImportTest::theMeetsOwnFilesAreRefused() {
    SKIP_ON_SERVER("the meet file and its backups");
    MeetFixture meet;
    Seed::team(meet, "Lakeside", "C");
    const QString backup = MeetBackup::make(meet.state->MeetDb, "test");
    for (const auto& [path, why] :
         {std::pair{meet.databasePath(), "it is the meet database or a file that belongs with it"},
          std::pair{backup, "it lies in the folder of the meet database's backups"}}) {
        FrmDataImport window(*meet.state);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        meet.dialogs.queue(path);
        meet.messages.expectNotice(Messages::appTitle(),
                                   QString("The file %1 cannot be imported: %2.").arg(QFileInfo(path).fileName(), why),
                                   Messages::Icon::Exclamation);
        QVERIFY(!window.Import_Data());
        VERIFY_MESSAGES(meet.messages);
    }
    QCOMPARE(meet.count("TblTeam"), 1);
}

CORRAVIN_TEST(ImportTest)
#include "import_test.moc"
