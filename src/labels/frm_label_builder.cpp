#include "labels/frm_label_builder.h"

#include "database/checked_file_writer.h"
#include "database/class_data.h"
#include "labels/label_files.h"
#include "labels/label_text.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <stdexcept>

namespace {
constexpr int SurfaceWidthTwips = 375;
constexpr int SurfaceHeightTwips = 1575;
constexpr int FontHeightTwips = 160; // 8 points

// Label text: Arial (Liberation Sans on Linux) at 8 points, light weight.
QFont labelFont(double twipsPerPixel) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(std::nearbyint(FontHeightTwips / twipsPerPixel)));
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage surface(QSize pixels, const QColor& background) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// Prints `text` running top to bottom with its glyphs standing left of (xTwips, yTwips).
void printDownward(QPainter& painter, double tpp, double xTwips, double yTwips, const QString& text) {
    painter.save();
    painter.translate(xTwips / tpp, yTwips / tpp);
    painter.rotate(90);
    painter.drawText(QPointF(0, QFontMetricsF(painter.font()).ascent()), text);
    painter.restore();
}
} // namespace

FrmLabelBuilder::FrmLabelBuilder(double twipsPerPixel)
    : m_twipsPerPixel(twipsPerPixel),
      m_pblabelboxform(surface({toPixels(SurfaceWidthTwips), toPixels(SurfaceHeightTwips)}, QColor(0xF0, 0xF0, 0xF0))),
      m_pblabelboxreport(surface({toPixels(SurfaceWidthTwips), toPixels(SurfaceHeightTwips)}, Qt::white)) {}

int FrmLabelBuilder::toPixels(double twips) const { return static_cast<int>(std::lround(twips / m_twipsPerPixel)); }

QImage FrmLabelBuilder::drawFormLabel(const QString& text) const { return Draw_Label(m_pblabelboxform, text); }
QImage FrmLabelBuilder::drawReportLabel(const QString& text) const { return Draw_Label(m_pblabelboxreport, text); }

QImage FrmLabelBuilder::Draw_Label(const QImage& blank, const QString& text) const {
    // Each label starts from the blank surface, so nothing of the previous one remains.
    QImage image = blank;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(labelFont(m_twipsPerPixel));
    painter.setPen(Qt::black);
    const LabelLines lines = splitLabelText(text);
    if (lines.second.isEmpty()) {
        printDownward(painter, m_twipsPerPixel, SurfaceWidthTwips - 100, 10, lines.first);
    } else {
        printDownward(painter, m_twipsPerPixel, SurfaceWidthTwips - 200, 10, lines.second);
        printDownward(painter, m_twipsPerPixel, SurfaceWidthTwips, 10, lines.first);
    }
    return image;
}

void FrmLabelBuilder::save(const QImage& image, const QString& path) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const Refusal refusal = image.save(&buffer, "BMP")
                                ? CheckedFileWriter::write(path, bytes)
                                : Refusal::because(QStringLiteral("the image could not be encoded"));
    if (refusal)
        throw std::runtime_error(QStringLiteral("The label image %1 could not be written: %2.")
                                     .arg(QDir::toNativeSeparators(path), refusal.why())
                                     .toStdString());
}

bool FrmLabelBuilder::Build_Missing_Labels(const QSqlDatabase& db, const QString& programFolder) {
    QStringList images{LabelFiles::relayPartnerImage()};
    for (const ClassRow& row : ClassData::all(db))
        images << row.ImagePath;
    for (const QString& image : images)
        for (const QString& prefix : {LabelFiles::formPrefix(), LabelFiles::reportPrefix()})
            if (!QFileInfo::exists(LabelFiles::path(programFolder, prefix, image))) {
                Build_Labels(db, programFolder);
                return true;
            }
    return false;
}

void FrmLabelBuilder::Build_Labels(const QSqlDatabase& db, const QString& programFolder) {
    const QString labelFolder = LabelFiles::folder(programFolder);
    if (!QDir().mkpath(labelFolder))
        throw std::runtime_error(QStringLiteral("The folder %1 could not be created.")
                                     .arg(QDir::toNativeSeparators(labelFolder))
                                     .toStdString());
    // Listed once: each label written over the file it names, in whatever case that is.
    const QStringList existing = LabelFiles::files(programFolder);
    auto pathOf = [&](const QString& prefix, const QString& image) {
        return LabelFiles::path(programFolder, prefix, image, existing);
    };
    const QList<ClassRow> classes = ClassData::all(db);
    for (const ClassRow& row : classes) {
        save(drawFormLabel(row.ClassName), pathOf(LabelFiles::formPrefix(), row.ImagePath));
        save(drawReportLabel(row.ClassName), pathOf(LabelFiles::reportPrefix(), row.ImagePath));
    }
    const QString relay = QStringLiteral("Relay Partner");
    save(drawFormLabel(relay), pathOf(LabelFiles::formPrefix(), LabelFiles::relayPartnerImage()));
    save(drawReportLabel(relay), pathOf(LabelFiles::reportPrefix(), LabelFiles::relayPartnerImage()));
}
