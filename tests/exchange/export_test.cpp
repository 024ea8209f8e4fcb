#include "meet_fixture.h"
#include "seed.h"
#include "test_main.h"
#include "window_driver.h"

#include "database/checked_file_writer.h"
#include "database/db_connection.h"
#include "database/sql.h"
#include "exchange/frm_data_export.h"
#include "ui/message_box_messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void refusedWithoutRegionOrWhenTheFileCannotBeMade();
    void aLongRefusalFitsOnTheScreen();
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
    // The export file is closed only once nothing holds it.
    QTest::failOnWarning(QRegularExpression("still in use"));
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
    Seed::rider(meet, hawks, "Fa", "Ash", "A1");
    Seed::rider(meet, owls, "Gu", "Elm", "a1"); // the file's key compares text without regard to case
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
                               "Owls: the rider Di Orr has the rider number 12, which another exported rider has.\n"
                               "Owls: the rider Gu Elm has the rider number a1, which another exported rider has.",
                               Messages::Icon::Exclamation);
    window.CmdExport_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(QDir(out.path()).entryList(QDir::Files).isEmpty());
}

void ExportTest::refusedWithoutRegionOrWhenTheFileCannotBeMade() {
    MeetFixture meet;
    Seed::team(meet, "Hawks", "B");
    QTemporaryDir out;
    FrmDataExport window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.tickBox(1)->setChecked(true);
    meet.dialogs.queue(out.path());
    meet.messages.expectNotice(Messages::appTitle(),
                               "Nothing was exported: no region letter is set, and the export file is named after it. "
                               "Set the region letter in the region settings, then export again.",
                               Messages::Icon::Exclamation);
    window.CmdExport_Click();
    VERIFY_MESSAGES(meet.messages);

    // A folder where the file is being made: the message names the export file, not the meet database.
    meet.state->CurrentRegion = "C";
    const QString path = out.filePath("RegionC-2006.mdb");
    QVERIFY(QDir().mkpath(CheckedFileWriter::privateName(path, "building") + "/taken"));
    meet.dialogs.queue(out.path());
    meet.messages.expectNotice(Messages::appTitle(),
                               QString("Nothing was exported: the export file %1 could not be written: the file "
                                       "cannot be opened or made there.")
                                   .arg(QDir::toNativeSeparators(path)),
                               Messages::Icon::Critical);
    window.CmdExport_Click();
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(QDir(out.path()).entryList(QDir::Files).isEmpty());
}

// A refusal naming hundreds of rows keeps the box on the screen, its OK button in reach, with
// every row behind the details.
void ExportTest::aLongRefusalFitsOnTheScreen() {
    QStringList rows;
    for (int r = 1; r <= 300; ++r)
        rows << QString("Hawks: the rider Al Nonum%1 has no rider number.").arg(r);
    const QString text = "Nothing was exported: these rows cannot go into the export file.\n\n" + rows.join('\n');
    QRect screen;
    QRect box;
    QRect ok;
    QString details;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(shown);
        screen = shown->screen()->availableGeometry();
        for (QAbstractButton* button : shown->findChildren<QAbstractButton*>())
            if (button->text().startsWith("Show Details"))
                button->click();
        QApplication::processEvents();
        box = shown->frameGeometry();
        QAbstractButton* button = shown->button(QMessageBox::Ok);
        ok = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
        details = shown->detailedText();
        shown->accept();
    });
    MessageBoxMessages().notice(Messages::appTitle(), text, Messages::Icon::Exclamation);
    QVERIFY2(box.height() <= screen.height(),
             qPrintable(QString("%1 px on a %2 px screen").arg(box.height()).arg(screen.height())));
    QVERIFY(screen.contains(ok));
    QCOMPARE(details, text);
}

CORRAVIN_TEST(ExportTest)
#include "export_test.moc"
