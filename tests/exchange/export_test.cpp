#include "meet_fixture.h"
#include "seed.h"
#include "test_main.h"
#include "window_driver.h"

#include "database/db_connection.h"
#include "database/sql.h"
#include "exchange/frm_data_export.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Overwrite = "A export file already exists at that location. Would you like to overwrite it?";

// The rows of a table of the export file, one "a|b|c" line per row in key order.
QStringList exported(const QString& path, const QString& table, const QString& columns, const QString& order) {
    DbConnection file;
    file.open(path, DbConnection::Mode::ReadOnly);
    QStringList rows;
    // Table and column names come from the test itself.
    auto query = Sql::exec(file.db(), QString("SELECT %1 FROM %2 ORDER BY %3").arg(columns, table, order));
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i).toString();
        rows << values.join('|');
    }
    return rows;
}
} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void listScrollsTenTeamsAtATime();
    void exportsTheTickedTeamsWithTheirCoachesAndRiders();
    void overwriteIsAskedAndNoKeepsTheFile();
    void unexportableRowsAreReportedAndNothingIsWritten();
};

void ExportTest::listScrollsTenTeamsAtATime() {
    MeetFixture meet;
    {
        FrmDataExport empty(*meet.state);
        QVERIFY(!control<QPushButton>(&empty, "CmdExport")->isEnabled());
    }
    for (int t = 1; t <= 12; ++t)
        Seed::team(meet, QString("Team %1").arg(t, 2, 10, QChar('0')), "B");
    FrmDataExport window(*meet.state);
    auto* scroll = control<QScrollBar>(&window, "TeamScroll");
    QVERIFY(scroll->isEnabled());
    QCOMPARE(scroll->maximum(), 2);
    QVERIFY(control<QWidget>(&window, "LblTeamArray_10")->isVisibleTo(&window));
    QVERIFY(!control<QWidget>(&window, "LblTeamArray_11")->isVisibleTo(&window));
    window.tickBox(12)->setChecked(true);
    scroll->setValue(2);
    QVERIFY(!control<QWidget>(&window, "LblTeamArray_2")->isVisibleTo(&window));
    QVERIFY(control<QWidget>(&window, "CbArray_3")->isVisibleTo(&window));
    QCOMPARE(control<QWidget>(&window, "LblTeamArray_3")->y(), control<QWidget>(&window, "LblTeamArray_1")->y());
    QVERIFY(window.tickBox(12)->isChecked() && window.tickBox(12)->isVisibleTo(&window));
}

void ExportTest::exportsTheTickedTeamsWithTheirCoachesAndRiders() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    const qint32 hawks = Seed::team(meet, "Hawks", "B", "");
    const qint32 owls = Seed::team(meet, "Owls", "A", "12");
    const qint32 empty = Seed::team(meet, "Empty", "D");
    Seed::coach(meet, hawks, "Ann", "Lee");
    Seed::rider(meet, hawks, "Bo", "Ray", "7");
    Seed::rider(meet, owls, "Cy", "Fox", "8");
    QTemporaryDir out;
    FrmDataExport window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    // The list runs by division: Owls (A), Hawks (B), Empty (D).
    window.tickBox(2)->setChecked(true);
    window.tickBox(3)->setChecked(true);
    meet.dialogs.queue("");
    window.CmdExport_Click(); // cancelled picker: nothing
    QSignalSpy closed(&window, &EntryWindow::closed);
    meet.dialogs.queue(out.path());
    window.CmdExport_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 1);
    const QString path = out.filePath("RegionC-2006.mdb");
    QCOMPARE(exported(path, "TblTeam", "TeamCode, TeamName, Division, District", "TeamCode"),
             QStringList({QString("%1|Hawks|B|").arg(hawks), QString("%1|Empty|D|1").arg(empty)}));
    QCOMPARE(exported(path, "TblCoach", "FirstName, LastName, Position, TeamCode", "CoachCode"),
             QStringList({QString("Ann|Lee|Head Coach|%1").arg(hawks)}));
    QCOMPARE(exported(path, "TblPerson", "FirstName, LastName, TeamCode, RiderNumber", "RiderNumber"),
             QStringList({QString("Bo|Ray|%1|7").arg(hawks)}));
    // Nothing ticked still makes the file, with three empty tables.
    FrmDataExport none(*meet.state);
    meet.dialogs.queue(out.path());
    meet.messages.expectQuestion("File Overwrite Warning", Overwrite, true, Messages::Icon::None);
    none.CmdExport_Click();
    VERIFY_MESSAGES(meet.messages);
    for (const char* table : {"TblTeam", "TblCoach", "TblPerson"})
        QVERIFY(exported(path, table, "*", "1").isEmpty());
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"RegionC-2006.mdb"});
}

void ExportTest::overwriteIsAskedAndNoKeepsTheFile() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    Seed::team(meet, "Hawks", "B");
    QTemporaryDir out;
    const QString path = out.filePath("RegionC-2006.mdb");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    FrmDataExport window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QSignalSpy closed(&window, &EntryWindow::closed);
    meet.dialogs.queue(out.path());
    meet.messages.expectQuestion("File Overwrite Warning", Overwrite, false, Messages::Icon::None);
    window.CmdExport_Click();
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(closed.count(), 0);
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));
}

void ExportTest::unexportableRowsAreReportedAndNothingIsWritten() {
    MeetFixture meet;
    meet.state->CurrentRegion = "C";
    const qint32 hawks = Seed::team(meet, "Hawks", "B");
    const qint32 owls = Seed::team(meet, "Owls", "B");
    Seed::rider(meet, hawks, "Bo", "Ray", "7");
    Seed::rider(meet, hawks, "Al", "Nonum");
    Seed::rider(meet, owls, "Cy", "Fox", "007");
    Seed::rider(meet, owls, "Di", "Orr", "12");
    Seed::rider(meet, hawks, "Ed", "Kim", "12");
    QTemporaryDir out;
    FrmDataExport window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.tickBox(1)->setChecked(true);
    window.tickBox(2)->setChecked(true);
    meet.dialogs.queue(out.path());
    meet.messages.expectNotice(Messages::appTitle(),
                               "Nothing was exported: these rows cannot go into the export file.\n\n"
                               "Hawks: the rider Al Nonum has no rider number.\n"
                               "Owls: the rider Cy Fox has the rider number 007, which another exported rider has.\n"
                               "Owls: the rider Di Orr has the rider number 12, which another exported rider has.",
                               Messages::Icon::Exclamation);
    window.CmdExport_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(QDir(out.path()).entryList(QDir::Files).isEmpty());
}

CORRAVIN_TEST(ExportTest)
#include "export_test.moc"
