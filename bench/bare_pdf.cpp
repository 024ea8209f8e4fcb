#include "bare_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

BarePdf::BarePdf(const LaidOutReport& pages) : m_landscape(pages.landscape) {
    for (const LaidOutPage& page : pages.pages) {
        m_pages.emplace_back();
        for (const PlacedItem& item : page.items) {
            QFont font(item.font.family);
            font.setPixelSize(static_cast<int>(item.font.points * 20));
            font.setBold(item.font.bold);
            m_pages.back().push_back({item.kind, item.rect, item.text, font, item.image});
        }
    }
}

qint64 BarePdf::write() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1440);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                         m_landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        painter.setPen(QPen(Qt::black, 15));
        for (size_t p = 0; p < m_pages.size(); ++p) {
            if (p > 0)
                writer.newPage();
            for (const Drawn& item : m_pages[p]) {
                switch (item.kind) {
                case PlacedItem::Kind::Text:
                    painter.setFont(item.font);
                    painter.drawText(item.rect, Qt::AlignLeft | Qt::AlignVCenter, item.text);
                    break;
                case PlacedItem::Kind::Image:
                    painter.drawImage(item.rect, item.image);
                    break;
                case PlacedItem::Kind::Box:
                    painter.drawRect(item.rect);
                    break;
                case PlacedItem::Kind::Line:
                    painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
                    break;
                }
            }
        }
    }
    return buffer.size();
}
