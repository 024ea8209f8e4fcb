#pragma once

#include "report_engine/report_layout.h"

#include <QFont>
#include <QImage>

// The baseline of the report benchmarks: what laid-out pages hold (texts, images, boxes,
// lines) drawn at the same places with a bare QPainter on a QPdfWriter; nothing read,
// laid out, fitted or looked up.
class BarePdf {
public:
    explicit BarePdf(const LaidOutReport& pages);
    // Draws every page into a PDF in memory; answers its size in bytes.
    qint64 write() const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }

private:
    struct Drawn {
        PlacedItem::Kind kind;
        QRect rect;
        QString text;
        QFont font;
        QImage image;
    };
    std::vector<std::vector<Drawn>> m_pages;
    bool m_landscape = false;
};
