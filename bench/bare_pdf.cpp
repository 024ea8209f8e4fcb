#include "bare_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

BarePdf::BarePdf(const LaidOutReport& pages) : m_landscape(pages.landscape) {
    for (const LaidOutPage& page : pages.pages) {
        m_pages.emplace_back();
        for (const PlacedItem& item : page.items)
            m_pages.back().push_back({item.rect, item.text, item.font.bold});
    }
}

qint64 BarePdf::write() const {
    QFont plain(QStringLiteral("Arial"));
    plain.setPixelSize(200);
    QFont bold = plain;
    bold.setBold(true);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1440);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                         m_landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        for (size_t p = 0; p < m_pages.size(); ++p) {
            if (p > 0)
                writer.newPage();
            for (const Line& line : m_pages[p]) {
                painter.setFont(line.bold ? bold : plain);
                painter.drawText(line.rect, Qt::AlignLeft | Qt::AlignVCenter, line.text);
            }
        }
    }
    return buffer.size();
}
