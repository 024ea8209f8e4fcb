#include "meet_fixture.h"
#include "page_texts.h"
#include "sample_report.h"
#include "test_main.h"
#include "window_driver.h"

#include "report_engine/report_layout.h"
#include "reports/frm_report_preview.h"
#include "reports/report_catalogue.h"
#include "reports/report_preparation.h"
#include "ui/activity_host.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

std::unique_ptr<Report> sample() { return std::make_unique<Report>(SampleReport::make(2, 12)); }

// Stands in for the main window: activity 12 is open in `window` until the host closes it.
class FakeHost : public ActivityHost {
public:
    int CurrentActivity() const override { return window ? 12 : 0; }
    void Close_Current_Activity() override {
        if (window)
            window->deleteLater();
        window = nullptr;
    }
    void setHostEnabled(bool) override {}
    QWidget* hostWindow() override { return nullptr; }

    QPointer<QWidget> window = new QWidget;
};

} // namespace

class ReportPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void placedFromTheScreenSize();
    void zoomResizesThePages();
    void laysOutThePagesInView();
    void saveAs_data();
    void saveAs();
    void closingReturnsToTheOwner();
    void closingClosesTheActivityWhereTheCatalogueSays_data();
    void closingClosesTheActivityWhereTheCatalogueSays();
    void aFaultWhilePreparingIsReported();
};

void ReportPreviewTest::placedFromTheScreenSize() {
    MeetFixture meet;
    meet.state->ScreenWidth = 15000;
    meet.state->ScreenHeight = 11250;
    QPointer<FrmReportPreview> preview = FrmReportPreview::Show(*meet.state, sample());
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->geometry(), Twips::toPixels(QRect(50, 50, 14900, 10650)));
    QCOMPARE(preview->windowTitle(), QStringLiteral("RptSample"));
    QVERIFY(preview->pages().pageCount() > 1);
    preview->close();
    flushClosedWindows();
    QVERIFY(!preview);
    VERIFY_MESSAGES(meet.messages);
}

void ReportPreviewTest::zoomResizesThePages() {
    MeetFixture meet;
    FrmReportPreview preview(*meet.state, sample());
    auto* zoom = preview.findChild<QComboBox*>(QStringLiteral("CbZoom"));
    auto* view = preview.findChild<QWidget*>(QStringLiteral("PageView"));
    QVERIFY(zoom && view);
    QCOMPARE(zoom->currentText(), QStringLiteral("100%"));
    const int full = view->width();
    zoom->setCurrentIndex(zoom->findText(QStringLiteral("50%")));
    QVERIFY(qAbs(view->width() - full / 2) <= 20);
    zoom->setCurrentIndex(zoom->findText(QStringLiteral("200%")));
    QVERIFY(qAbs(view->width() - full * 2) <= 40);
    preview.setAttribute(Qt::WA_DeleteOnClose, false);
}

// A long report shows at once: the preview lays out the pages in view as it paints them, the
// last when scrolled to the end, and every page, the same as laid out whole, to save them.
void ReportPreviewTest::laysOutThePagesInView() {
    MeetFixture meet;
    auto report = std::make_unique<Report>(SampleReport::make(4, 40));
    const LaidOutReport whole = ReportLayout::layout(*report);
    QVERIFY(whole.pageCount() > 8);
    QPointer<FrmReportPreview> preview = FrmReportPreview::Show(*meet.state, std::move(report));
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QTRY_VERIFY(preview->pagesLaidOut() > 0);
    QCOMPARE(preview->findChild<QLabel*>(QStringLiteral("LblPages"))->text(),
             QStringLiteral("%1 pages").arg(whole.pageCount()));
    const int first = preview->pagesLaidOut();
    QVERIFY(first <= 2);
    preview->findChild<QScrollArea*>(QStringLiteral("ScrollPages"))
        ->verticalScrollBar()
        ->triggerAction(QAbstractSlider::SliderToMaximum);
    QTRY_VERIFY(preview->pagesLaidOut() > first);
    QVERIFY(preview->pagesLaidOut() <= first + 2);

    meet.dialogs.queue(meet.programFolder() + QStringLiteral("/all.pdf"));
    preview->findChild<QPushButton*>(QStringLiteral("CmdSavePdf"))->click();
    QCOMPARE(preview->pagesLaidOut(), whole.pageCount());
    QCOMPARE(layoutDifference(preview->pages(), whole), QString());
    QTest::keyClick(preview, Qt::Key_Escape);
    flushClosedWindows();
    QVERIFY(!preview);
    VERIFY_MESSAGES(meet.messages);
}

void ReportPreviewTest::saveAs_data() {
    QTest::addColumn<QString>("format");   // "PDF" or "CSV": the button clicked
    QTest::addColumn<QString>("answer");   // the file dialog's answer; "" is a cancel
    QTest::addColumn<QString>("written");  // the file expected afterwards, "" for none
    QTest::addColumn<bool>("failureShown");
    QTest::newRow("chosen") << "PDF" << "out.pdf" << "out.pdf" << false;
    QTest::newRow("suffix added") << "PDF" << "standings" << "standings.pdf" << false;
    QTest::newRow("cancelled") << "PDF" << "" << "" << false;
    QTest::newRow("folder missing") << "PDF" << "no/such/folder/out.pdf" << "" << true;
    QTest::newRow("csv") << "CSV" << "standings" << "standings.csv" << false;
    QTest::newRow("csv folder missing") << "CSV" << "no/such/folder/out.csv" << "" << true;
}

void ReportPreviewTest::saveAs() {
    QFETCH(QString, format);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(bool, failureShown);
    MeetFixture meet;
    const QString folder = meet.programFolder() + QStringLiteral("/");
    meet.dialogs.queue(answer.isEmpty() ? QString() : folder + answer);
    FrmReportPreview preview(*meet.state, sample());
    preview.setAttribute(Qt::WA_DeleteOnClose, false);
    preview.findChild<QPushButton*>(QStringLiteral("CmdSave") + format.at(0) + format.mid(1).toLower())->click();
    QCOMPARE(meet.dialogs.captions(), QStringList{QStringLiteral("Save as ") + format});
    if (!written.isEmpty()) {
        QFile file(folder + written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray start = format == QLatin1String("PDF") ? "%PDF-" : "Division,Team,";
        QCOMPARE(file.read(start.size()), start);
    }
    QCOMPARE(QDir(meet.programFolder()).entryList({QStringLiteral("*.pdf"), QStringLiteral("*.csv")}).size(),
             written.isEmpty() ? 0 : 1);
    if (failureShown) {
        // The reason is the system's own wording; the notice names the file.
        QCOMPARE(meet.messages.shown().size(), 1);
        QVERIFY(meet.messages.shown().first().contains(
            QStringLiteral("The report could not be saved to %1").arg(QDir::toNativeSeparators(folder + answer))));
        meet.messages.reset(); // the notice was checked above, by its start
    } else {
        VERIFY_MESSAGES(meet.messages);
    }
}

void ReportPreviewTest::closingReturnsToTheOwner() {
    MeetFixture meet;
    std::unique_ptr<Report> report = ReportCatalogue::create(QStringLiteral("RptRiderList"));
    QWidget owner;
    owner.show();
    QPointer<FrmReportPreview> preview = FrmReportPreview::Show(*meet.state, std::move(report), &owner);
    preview->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), preview.data());
    preview->close();
    QTRY_COMPARE(QApplication::activeWindow(), &owner);
    flushClosedWindows();
    QVERIFY(!preview);
}

void ReportPreviewTest::closingClosesTheActivityWhereTheCatalogueSays_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("closes");
    QTest::newRow("standings") << "RptTeamStandings" << true;
    QTest::newRow("results") << "RptIndividualResults" << true;
    QTest::newRow("cards") << "RptJudgesCards" << true;
    QTest::newRow("rider list") << "RptRiderList" << false;
}

void ReportPreviewTest::closingClosesTheActivityWhereTheCatalogueSays() {
    QFETCH(QString, report);
    QFETCH(bool, closes);
    MeetFixture meet;
    FakeHost host;
    meet.state->host = &host;
    QPointer<QWidget> activity = host.window;

    QPointer<FrmReportPreview> preview =
        FrmReportPreview::Show(*meet.state, ReportCatalogue::create(report), activity.data());
    preview->close();
    QCOMPARE(host.CurrentActivity(), closes ? 0 : 12);
    // Closing the activity took its window away, and with it nothing of the closed preview.
    flushClosedWindows();
    QVERIFY(!preview);
    QCOMPARE(activity.isNull(), closes);
    meet.state->host = nullptr;
    delete activity;
}

// A fault while preparing (here a report name the catalogue lacks) is told to the user
// and nothing is shown; the program goes on.
void ReportPreviewTest::aFaultWhilePreparingIsReported() {
    MeetFixture meet;
    meet.messages.expectNotice(Messages::appTitle(),
                               "Corravin could not finish this action:\n\nRptNothing is no report of the catalogue",
                               Messages::Icon::Critical);
    QWidget* shown = ReportPreparation::show(
        *meet.state,
        [&] {
            return ReportPreparation::fromRows(*meet.state, "RptNothing", [](const QSqlDatabase&) { return RowSet(); },
                                               "never shown");
        },
        nullptr);
    QVERIFY(!shown);
    VERIFY_MESSAGES(meet.messages);
}

CORRAVIN_TEST(ReportPreviewTest)
#include "report_preview_test.moc"
