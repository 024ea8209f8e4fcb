#include "meet_fixture.h"
#include "labels/frm_label_builder.h"
#include "labels/label_files.h"
#include "labels/label_text.h"
#include "test_main.h"
#include "ui/twips.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

namespace {
// Columns of the image that hold any ink, from the left.
QList<int> inkedColumns(const QImage& image) {
    QList<int> columns;
    const QRgb background = image.pixel(0, image.height() - 1);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background) {
                columns << x;
                break;
            }
    return columns;
}
} // namespace

class LabelImagesTest : public QObject {
    Q_OBJECT
private slots:
    void breaksLongNamesIntoTwoLines_data();
    void breaksLongNamesIntoTwoLines();
    void writesThirtySixBitmapsNamedAfterTheImagePath();
    void drawsTwoLinesSideBySideAlongTheRightEdge();
    void eachLabelStartsFromABlankSurface();
    void readersFindFilesWhateverTheLetterCase();
};

void LabelImagesTest::breaksLongNamesIntoTwoLines_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("1") << "Western Fitting and Showing" << "Western Fitting and" << "Showing";
    QTest::newRow("2") << "Saddle Seat Fitting and Showing" << "Saddle Seat Fitting" << "and Showing";
    QTest::newRow("3") << "Hunt Seat Fitting and Showing" << "Hunt Seat Fitting" << "and Showing";
    QTest::newRow("4") << "Saddle Seat Equitation" << "Saddle Seat" << "Equitation";
    QTest::newRow("6") << "Saddle Seat Bareback" << "Saddle Seat" << "Bareback";
    QTest::newRow("7, 20 characters") << "Hunt Seat Equitation" << "Hunt Seat" << "Equitation";
    QTest::newRow("9") << "Hunt Seat Over Fences" << "Hunt Seat Over" << "Fences";
    QTest::newRow("12") << "Western Riding / Reining" << "Western Riding /" << "Reining";
    QTest::newRow("5, 19 characters") << "Saddle Seat Pattern" << "Saddle Seat Pattern" << "";
    QTest::newRow("relay partner") << "Relay Partner" << "Relay Partner" << "";
    QTest::newRow("switched name with &") << "Hunt Seat Fitting & Showing" << "Hunt Seat Fitting &" << "Showing";
    QTest::newRow("one long word") << "Abcdefghijklmnopqrstuvwxyz" << "Abcdefghijklmnopqrs" << "tuvwxyz";
}

void LabelImagesTest::breaksLongNamesIntoTwoLines() {
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const LabelLines lines = splitLabelText(name);
    QCOMPARE(lines.first, first);
    QCOMPARE(lines.second, second);
}

void LabelImagesTest::writesThirtySixBitmapsNamedAfterTheImagePath() {
    MeetFixture meet;
    const QDir folder(meet.programFolder() + "/LabelFiles");
    const QStringList files = folder.entryList(QDir::Files);
    QCOMPARE(files.size(), 36);
    for (const char* name : {"formWfandS.bmp", "reportWfandS.bmp", "form2PR.bmp", "reportHSOF.bmp",
                             "formRelayPartner.bmp", "reportRelayPartner.bmp"})
        QVERIFY2(files.contains(name), name);
    const QImage form(folder.filePath("formWfandS.bmp"));
    const QImage report(folder.filePath("reportWfandS.bmp"));
    QVERIFY(!form.isNull() && !report.isNull());
    QCOMPARE(form.size(), Twips::toPixels(QSize(375, 1575)));
    QCOMPARE(report.pixel(0, report.height() - 1), qRgb(255, 255, 255));
    QVERIFY(form.pixel(0, form.height() - 1) != qRgb(255, 255, 255));
    // Window and report images are drawn alike, apart from their background.
    QCOMPARE(inkedColumns(form), inkedColumns(report));
}

void LabelImagesTest::drawsTwoLinesSideBySideAlongTheRightEdge() {
    FrmLabelBuilder builder(Twips::perPixel());
    const QList<int> oneLine = inkedColumns(builder.drawReportLabel("Saddle Seat Pattern"));
    const QList<int> twoLines = inkedColumns(builder.drawReportLabel("Western Fitting and Showing"));
    QVERIFY(!oneLine.isEmpty());
    // The text runs downward with its glyphs left of the drawing position; a second line
    // stands further left, so two lines cover more columns than one.
    QVERIFY(twoLines.first() < oneLine.first());
    QVERIFY(twoLines.last() >= oneLine.last());
    const QImage tall = builder.drawReportLabel("Trail");
    const QImage text = tall.copy(0, 0, tall.width(), tall.height() / 4);
    QVERIFY(!inkedColumns(text).isEmpty()); // the text starts at the top
}

void LabelImagesTest::eachLabelStartsFromABlankSurface() {
    FrmLabelBuilder builder(Twips::perPixel());
    const QImage fresh = builder.drawFormLabel("Trail");
    builder.drawFormLabel("Western Fitting and Showing");
    QCOMPARE(builder.drawFormLabel("Trail"), fresh);
}

void LabelImagesTest::readersFindFilesWhateverTheLetterCase() {
    MeetFixture meet;
    const QString folder = meet.programFolder() + "/LabelFiles/";
    QCOMPARE(LabelFiles::path(meet.programFolder(), "Report", "WfandS.bmp"), folder + "reportWfandS.bmp");
    QCOMPARE(LabelFiles::path(meet.programFolder(), "report", "wfands.BMP"), folder + "reportWfandS.bmp");
    QVERIFY(QFile::rename(folder + "formHSE.bmp", folder + "FORMhse.bmp"));
    QCOMPARE(LabelFiles::path(meet.programFolder(), "form", "HSE.bmp"), folder + "FORMhse.bmp");
    QVERIFY(!QImage(LabelFiles::path(meet.programFolder(), "Report", "2PR.bmp")).isNull());
}

CORRAVIN_TEST(LabelImagesTest)
#include "label_images_test.moc"
