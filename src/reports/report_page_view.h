#pragma once

#include "report_engine/paged_report.h"

#include <QWidget>

// The pages drawn one under the other at a zoom factor, as paper on grey. Only the pages in
// view are laid out to be drawn.
class ReportPageView : public QWidget {
    Q_OBJECT
public:
    explicit ReportPageView(const PagedReport& pages, QWidget* parent = nullptr);

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double pixelsPerTwip() const;
    QSize pagePixels() const;

    const PagedReport& m_pages;
    double m_zoom = 1.0;
};
