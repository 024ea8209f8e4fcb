#include "report_engine/report_painter.h"

#include "database/checked_file_writer.h"
#include "report_engine/text_fit.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

constexpr int PdfResolution = 1440; // one device unit per twip

// Sets the text as TextFit answers: its size and lines.
void drawText(QPainter& painter, const PlacedItem& item) {
    if (item.text.isEmpty())
        return;
    const FittedText fitted = TextFit::fit(item.text, item.font, QSizeF(item.rect.size()));
    const int flags = static_cast<int>(item.alignment) | (fitted.lines.size() == 1 ? Qt::TextSingleLine : 0);
    painter.setFont(fitted.font);
    painter.drawText(QRectF(item.rect), flags, fitted.lines.join(u'\n'));
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

Refusal writePdfFile(const LaidOutReport& report, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (const QString error = writePdf(report, buffer); !error.isEmpty())
        return Refusal::because(error);
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
