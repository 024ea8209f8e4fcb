#include "meet_fixture.h"
#include "seed.h"
#include "test_main.h"
#include "window_driver.h"

#include "database/checked_file_writer.h"
#include "results/frm_place_assign.h"
#include "results/frm_publish_results.h"
#include "results/publish_settings.h"
#include "results/results_publishing.h"
#include "ui/standard_questions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What a page holds when read as XML: its texts, its links, how many embedded pictures.
struct ReadPage {
    QString error;
    QString text;
    QStringList links;
    int pictures = 0;
    QStringList elements;
};

ReadPage readPage(const QString& path) {
    QFile file(path);
    ReadPage page;
    if (!file.open(QIODevice::ReadOnly)) {
        page.error = QStringLiteral("cannot open ") + path;
        return page;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            page.elements << xml.name().toString();
            if (xml.name() == QLatin1String("a"))
                page.links << xml.attributes().value(QLatin1String("href")).toString();
            if (xml.name() == QLatin1String("img") &&
                xml.attributes().value(QLatin1String("src")).startsWith(QLatin1String("data:image/png;base64,")))
                ++page.pictures;
        } else if (xml.isCharacters()) {
            page.text += xml.text();
        }
    }
    if (xml.hasError())
        page.error = xml.errorString();
    return page;
}

// Division B: a placed team and a team named to break a page; division D: a team without
// placings. Divisions A and C have no team.
struct PublishedMeet {
    MeetFixture meet;
    PublishedMeet() {
        const qint32 hostile = Seed::team(meet, "<b>&amp; O'Brien \"quoted\"", "B");
        const qint32 hawks = Seed::team(meet, "Hawks", "B");
        Seed::team(meet, "Owls", "D");
        const qint32 ann = Seed::rider(meet, hostile, "Ann", "<i>Lee</i>"); // no back number yet
        const qint32 bo = Seed::rider(meet, hawks, "Bo", "Ray", "9");
        const qint32 ellis = Seed::judge(meet, "Mary", "Ellis");
        Seed::placing(meet, ellis, 5, "B", 1, ann);
        Seed::placing(meet, ellis, 5, "B", 2, bo);
    }
};

} // namespace

class ResultsPublishingTest : public QObject {
    Q_OBJECT

private slots:
    void publishesAPagePerDivisionWithTeamsAndAnIndex();
    void aFailedWriteLeavesNoIndex();
    void nothingToPublishWritesNothing();
    void publishWindowKeepsItsFolderAndPublishesAfterPlacings();
};

void ResultsPublishingTest::publishesAPagePerDivisionWithTeamsAndAnIndex() {
    PublishedMeet published;
    published.meet.state->CurrentRegion = QStringLiteral("R");
    QTemporaryDir folder;
    const QString site = folder.filePath(QStringLiteral("site/results")); // made on the way
    const ResultsPublishing::Outcome outcome = ResultsPublishing::publish(*published.meet.state, site);
    QCOMPARE(outcome.refusal.why(), QString());
    const QDir dir(site);
    QCOMPARE(outcome.written, (QStringList{dir.filePath("division-b.html"), dir.filePath("division-d.html"),
                                           dir.filePath("index.html")}));
    QCOMPARE(dir.entryList(QDir::Files), (QStringList{"division-b.html", "division-d.html", "index.html"}));

    const ReadPage index = readPage(dir.filePath("index.html"));
    QVERIFY2(index.error.isEmpty(), qPrintable(index.error));
    QCOMPARE(index.links, (QStringList{"division-b.html", "division-d.html"}));

    const ReadPage b = readPage(dir.filePath("division-b.html"));
    QVERIFY2(b.error.isEmpty(), qPrintable(b.error));
    QVERIFY(!b.elements.contains("b") && !b.elements.contains("i") && !b.elements.contains("script"));
    QCOMPARE(b.pictures, 17); // the class labels over the standings' columns
    // Standings, high-point riders and individual results, each naming the team as typed.
    const QString team = QStringLiteral("<b>&amp; O'Brien \"quoted\"");
    const qsizetype standings = b.text.indexOf("Team Standings");
    const qsizetype highPoint = b.text.indexOf("High-Point Riders");
    const qsizetype results = b.text.indexOf("Individual Results");
    QVERIFY(standings >= 0 && standings < highPoint && highPoint < results);
    QVERIFY(b.text.indexOf(team, standings) < b.text.indexOf("Hawks", standings));
    QVERIFY(b.text.indexOf(team, highPoint) < results);
    QVERIFY(b.text.contains("Team: " + team));
    QVERIFY(b.text.contains("Rider: Ann <i>Lee</i>"));
    QVERIFY(b.text.contains("Total Points: 10")); // the caption of a rider without a back number too
    QVERIFY(!b.text.contains("Owls"));

    const ReadPage d = readPage(dir.filePath("division-d.html"));
    QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
    QVERIFY(d.text.contains("There are currently no placings recorded."));
    QVERIFY(d.text.contains("Team: Owls"));
    VERIFY_MESSAGES(published.meet.messages);
}

void ResultsPublishingTest::aFailedWriteLeavesNoIndex() {
    PublishedMeet published;
    QTemporaryDir first, folder;
    ResultsPublishing::publish(*published.meet.state, first.path());
    // Room for the first page, not for the second.
    CheckedFileWriter::simulateFullDiskAfter(QFileInfo(QDir(first.path()).filePath("division-b.html")).size() + 100);
    const ResultsPublishing::Outcome outcome = ResultsPublishing::publish(*published.meet.state, folder.path());
    CheckedFileWriter::simulateFullDiskAfter(-1);
    QVERIFY(outcome.refusal.why().startsWith("The results could not be written to"));
    QCOMPARE(outcome.written, QStringList{QDir(folder.path()).filePath("division-b.html")});
    // The page that failed left nothing behind, and the index never links a missing page.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"division-b.html"});
}

void ResultsPublishingTest::nothingToPublishWritesNothing() {
    MeetFixture meet;
    QTemporaryDir folder;
    const QString site = folder.filePath(QStringLiteral("site"));
    const ResultsPublishing::Outcome outcome = ResultsPublishing::publish(*meet.state, site);
    QCOMPARE(outcome.refusal.why(), QStringLiteral("There are currently no teams entered."));
    QVERIFY(!QFileInfo::exists(site));
}

namespace {
QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Places rider 9 first in class 6 of division B through the placings window; `afterSave`:
// the notice expected after the save, if any.
void placeFirstInClass6(MeetFixture& meet, const QString& afterSave = {}) {
    FrmPlaceAssign window(*meet.state);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(window.InitializeForm("B", 6));
    window.placeList(1, 1)->setCurrentIndex(window.placeList(1, 1)->findText("9 - Bo Ray"));
    meet.messages.expectConfirm(StandardQuestions::saveText(), true);
    if (!afterSave.isEmpty())
        meet.messages.expectNotice(Messages::appTitle(), afterSave, Messages::Icon::Critical);
    window.CmdSubmit_Click();
}
} // namespace

// "Publish Results...": the folder is picked once and kept with the tick in the settings;
// ticked, every placings save writes the pages again, and a failure then is told while the
// placings stay saved.
void ResultsPublishingTest::publishWindowKeepsItsFolderAndPublishesAfterPlacings() {
    PublishedMeet published;
    MeetFixture& meet = published.meet;
    Seed::entry(meet, meet.scalar("SELECT RiderIndex FROM TblPerson WHERE RiderNumber = '9'").toInt(), 6);
    Seed::assign(meet, meet.scalar("SELECT JudgeID FROM TblJudge").toInt(), 6, "B");
    QTemporaryDir web;
    const QString folder = web.path() + "/results";
    {
        FrmPublishResults window(*meet.state);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        meet.messages.expectAppNotice("Choose the folder for the results pages first.");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        control<QLineEdit>(&window, "TxtFolder")->setFocus();
        QTest::keyClick(control<QLineEdit>(&window, "TxtFolder"), Qt::Key_Return); // Enter presses Publish
        meet.dialogs.queue(folder);
        window.CmdChooseFolder_Click();
        control<QCheckBox>(&window, "ChkAfterSave")->setChecked(true);
        meet.messages.expectAppNotice("The results pages were written to " + QDir::toNativeSeparators(folder) + ".");
        window.CmdPublish_Click();
        VERIFY_MESSAGES(meet.messages);
        QVERIFY(!window.isVisible());
    }
    const QString page = folder + "/division-b.html";
    QVERIFY(QFile::exists(folder + "/index.html"));
    const QByteArray before = fileBytes(page);
    QVERIFY(!before.isEmpty());
    {
        FrmPublishResults again(*meet.state);
        QCOMPARE(control<QLineEdit>(&again, "TxtFolder")->text(), QDir::toNativeSeparators(folder));
        QVERIFY(control<QCheckBox>(&again, "ChkAfterSave")->isChecked());
    }

    placeFirstInClass6(meet);
    VERIFY_MESSAGES(meet.messages);
    QVERIFY(fileBytes(page) != before); // the same meet would give the same bytes

    // A folder that cannot be made: the placings are saved all the same, and the secretary told.
    const QString notAFolder = web.path() + "/file";
    QVERIFY(!CheckedFileWriter::write(notAFolder, "x"));
    PublishSettings::write(notAFolder, true);
    meet.exec("DELETE FROM TblPlacing WHERE ClassNumber = 6");
    placeFirstInClass6(meet, "The placings were saved, but the results pages in " + QDir::toNativeSeparators(notAFolder) +
                                 " were not brought up to date:\n\nThe folder " + QDir::toNativeSeparators(notAFolder) +
                                 " could not be made.");
    VERIFY_MESSAGES(meet.messages);
    QCOMPARE(meet.scalar("SELECT count(*) FROM TblPlacing WHERE ClassNumber = 6").toInt(), 1);
}

CORRAVIN_TEST(ResultsPublishingTest)
#include "results_publishing_test.moc"
