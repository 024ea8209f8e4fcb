#pragma once

#include "report_engine/report_pages.h"

#include <QWidget>

// The laid-out pages drawn one under the other at a zoom factor, as paper on grey.
class ReportPageView : public QWidget {
    Q_OBJECT
public:
    explicit ReportPageView(const LaidOutReport& pages, QWidget* parent = nullptr);

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double pixelsPerTwip() const;
    QSize pagePixels() const;

    const LaidOutReport& m_pages;
    double m_zoom = 1.0;
};
