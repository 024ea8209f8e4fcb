#pragma once

#include <QImage>
#include <QSqlDatabase>
#include <QString>

// Draws the vertical class-name labels that head class columns in grids ("form" images)
// and reports ("report" images). Never shown: it only holds the two drawing surfaces.
class FrmLabelBuilder {
public:
    // The images are drawn at the screen's scale: `twipsPerPixel` twips to one pixel.
    explicit FrmLabelBuilder(double twipsPerPixel);

    // One form and one report image per row of TblClass, and the pair for the relay
    // partner column, saved into the label folder; existing files are replaced.
    void Build_Labels(const QSqlDatabase& db, const QString& programFolder);
    // Build_Labels when any of those images is missing from the label folder (a station that
    // joins a meet on a server); answers whether it drew them.
    bool Build_Missing_Labels(const QSqlDatabase& db, const QString& programFolder);

    // The surface as it is after drawing `text` (for the two surfaces).
    QImage drawFormLabel(const QString& text) const;
    QImage drawReportLabel(const QString& text) const;

private:
    QImage Draw_Label(const QImage& surface, const QString& text) const;
    void save(const QImage& image, const QString& path) const;

    int toPixels(double twips) const;

    double m_twipsPerPixel;
    QImage m_pblabelboxform;
    QImage m_pblabelboxreport;
};
