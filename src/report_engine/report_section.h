#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

// A font as a report states it: family, size in points, weight and slant.
struct ReportFont {
    QString family = QStringLiteral("Arial");
    double points = 10;
    bool bold = false;
    bool italic = false;

    static ReportFont plain(double points = 10) { return {QStringLiteral("Arial"), points, false, false}; }
    static ReportFont bolded(double points = 10) { return {QStringLiteral("Arial"), points, true, false}; }
};

// One named control of a section. Positions are twips from the section's top left.
struct ReportControl {
    enum class Kind { Label, Field, Image, Line, Box, Sum, Count };

    QString name;
    Kind kind = Kind::Label;
    QRect rect;
    QString caption;   // Label: the text; "%p" and "%P" become page number and page count
    QString field;     // Field, Sum, Count: the bound field
    QImage image;      // Image: the picture
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int lineWidth = 15; // Line, Box: pen width in twips
    bool visible = true;
    // Field: when its text needs more lines than the place holds at the smallest readable
    // size, the place grows downward and its band with it (see ReportLayout).
    bool canGrow = false;
    // Field: the heading of the column it fills when the report is read as a table (a CSV
    // file, a web page), and the picture control that heads that column on a web page.
    // No heading: the field fills no column.
    QString tableHeading;
    QString tablePicture;
};

// A band of the report. Group headers and footers carry their level (0 = outermost);
// a detail band is printed once per row of the deepest level.
struct ReportSection {
    enum class Kind { ReportHeader, PageHeader, GroupHeader, Detail, GroupFooter, PageFooter, ReportFooter };

    QString name;
    Kind kind = Kind::Detail;
    int level = 0;
    int height = 0; // twips
    bool visible = true;
    bool newPageBefore = false; // group headers: start every group on a new page
    // Group headers: the text control that carries the "(continued)" mark when the header is
    // repeated at the top of a page that continues its group. Empty: the widest text control.
    QString continuedControl;

    std::vector<ReportControl> controls;

    ReportControl* control(const QString& controlName);
    const ReportControl* control(const QString& controlName) const;
    // The visible text control that carries the continued mark, or null when there is none.
    const ReportControl* continuedMarkControl() const;
};
