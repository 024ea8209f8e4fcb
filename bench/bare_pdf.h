#pragma once

#include "reports/report_layout.h"

#include <QByteArray>

// The baseline of the report benchmarks: the text of laid-out pages drawn at the same
// places with a bare QPainter on a QPdfWriter, nothing laid out, looked up or fitted.
class BarePdf {
public:
    explicit BarePdf(const LaidOutReport& pages);
    // Draws every page into a PDF in memory; answers its size in bytes.
    qint64 write() const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }

private:
    struct Line {
        QRect rect;
        QString text;
        bool bold;
    };
    std::vector<std::vector<Line>> m_pages;
    bool m_landscape = false;
};
