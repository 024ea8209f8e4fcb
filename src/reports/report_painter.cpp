#include "reports/report_painter.h"

#include "database/checked_file_writer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

namespace {

constexpr int TwipsPerPoint = 20;
constexpr int PdfResolution = 1440; // one device unit per twip
constexpr double SmallestShrink = 0.6;

// Fonts are sized in painter units (twips), so every device prints them alike.
QFont fontFor(const ReportFont& wanted, double shrink = 1.0) {
    QFont font(wanted.family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.points * TwipsPerPoint * shrink))));
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Draws the text on one line at its size when it fits; otherwise at a smaller size, on
// one line or, where the place is tall enough, wrapped onto two; only what still does
// not fit at the smallest size is shortened with an ellipsis.
void drawText(QPainter& painter, const PlacedItem& item) {
    if (item.text.isEmpty())
        return;
    const QRectF rect(item.rect);
    const int flags = static_cast<int>(item.alignment);
    QFont font = fontFor(item.font);
    if (QFontMetricsF(font).horizontalAdvance(item.text) > rect.width()) {
        for (const double shrink : {1.0, 0.9, 0.8, 0.7, SmallestShrink}) {
            font = fontFor(item.font, shrink);
            const QFontMetricsF metrics(font);
            if (metrics.horizontalAdvance(item.text) <= rect.width())
                break;
            if (2 * metrics.lineSpacing() <= rect.height()) {
                const QRectF needed =
                    metrics.boundingRect(QRectF(0, 0, rect.width(), 1e6), Qt::TextWordWrap, item.text);
                if (needed.height() <= rect.height() && needed.width() <= rect.width()) {
                    painter.setFont(font);
                    painter.drawText(rect, flags | Qt::TextWordWrap, item.text);
                    return;
                }
            }
            if (shrink == SmallestShrink) {
                painter.setFont(font);
                painter.drawText(rect, flags | Qt::TextSingleLine,
                                 metrics.elidedText(item.text, Qt::ElideRight, rect.width()));
                return;
            }
        }
    }
    painter.setFont(font);
    painter.drawText(rect, flags | Qt::TextSingleLine, item.text);
}

void drawImage(QPainter& painter, const PlacedItem& item) {
    QSizeF size = QSizeF(item.image.size()).scaled(QSizeF(item.rect.size()), Qt::KeepAspectRatio);
    const QPointF at(item.rect.x() + (item.rect.width() - size.width()) / 2,
                     item.rect.y() + (item.rect.height() - size.height()) / 2);
    painter.drawImage(QRectF(at, size), item.image);
}

void setUpPdf(QPdfWriter& writer, const LaidOutReport& report) {
    writer.setResolution(PdfResolution);
    writer.setCreator(QStringLiteral("Corravin"));
    writer.setTitle(report.title);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                     report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
}

} // namespace

namespace ReportPainter {

void paintPage(QPainter& painter, const LaidOutPage& page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setBrush(Qt::NoBrush);
    for (const PlacedItem& item : page.items) {
        switch (item.kind) {
        case PlacedItem::Kind::Text:
            painter.setPen(Qt::black);
            drawText(painter, item);
            break;
        case PlacedItem::Kind::Image:
            drawImage(painter, item);
            break;
        case PlacedItem::Kind::Line:
            painter.setPen(QPen(Qt::black, item.lineWidth));
            painter.drawLine(QLineF(item.rect.x(), item.rect.y(), item.rect.x() + item.rect.width(),
                                    item.rect.y() + item.rect.height()));
            break;
        case PlacedItem::Kind::Box:
            painter.setPen(QPen(Qt::black, item.lineWidth));
            painter.drawRect(QRectF(item.rect));
            break;
        }
    }
    painter.restore();
}

QString writePdf(const LaidOutReport& report, QIODevice& device) {
    QPdfWriter writer(&device);
    setUpPdf(writer, report);
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("The PDF could not be started.");
    for (size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        paintPage(painter, report.pages[i]);
    }
    painter.end();
    return {};
}

QString writePdfFile(const LaidOutReport& report, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString error = writePdf(report, buffer);
    if (!error.isEmpty())
        return error;
    return CheckedFileWriter::write(path, bytes);
}

void print(const LaidOutReport& report, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                      report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
    printer.setDocName(report.title);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const double scale = printer.resolution() / static_cast<double>(PdfResolution);
    for (size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        paintPage(painter, report.pages[i]);
        painter.restore();
    }
    painter.end();
}

} // namespace ReportPainter
