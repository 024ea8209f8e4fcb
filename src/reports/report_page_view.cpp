#include "reports/report_page_view.h"

#include "report_engine/report_painter.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr int Gap = 16; // pixels around and between pages
}

ReportPageView::ReportPageView(const PagedReport& pages, QWidget* parent) : QWidget(parent), m_pages(pages) {
    setObjectName(QStringLiteral("PageView"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(palette);
    resize(sizeHint());
}

void ReportPageView::setZoom(double zoom) {
    m_zoom = zoom;
    resize(sizeHint());
    update();
}

double ReportPageView::pixelsPerTwip() const { return m_zoom * logicalDpiX() / 1440.0; }

QSize ReportPageView::pagePixels() const {
    const double scale = pixelsPerTwip();
    return {static_cast<int>(std::lround(m_pages.pageSize().width() * scale)),
            static_cast<int>(std::lround(m_pages.pageSize().height() * scale))};
}

QSize ReportPageView::sizeHint() const {
    const QSize page = pagePixels();
    return {page.width() + 2 * Gap, m_pages.pageCount() * (page.height() + Gap) + Gap};
}

void ReportPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QSize page = pagePixels();
    const double scale = pixelsPerTwip();
    for (int i = 0; i < m_pages.pageCount(); ++i) {
        const QRect paper(Gap, Gap + i * (page.height() + Gap), page.width(), page.height());
        if (!paper.intersects(event->rect()))
            continue;
        painter.fillRect(paper, Qt::white);
        painter.save();
        painter.setClipRect(paper);
        painter.translate(paper.topLeft());
        painter.scale(scale, scale);
        ReportPainter::paintPage(painter, m_pages.page(i));
        painter.restore();
    }
}
