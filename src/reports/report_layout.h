#pragma once

#include "reports/report_pages.h"

class Report;

// Lays a report's rows out on Letter pages before anything is painted. Bands are never
// split; a group header moves to the next page unless its first line fits beside it;
// page header and footer repeat on every page; "%p" and "%P" in label captions become
// the page number and the page count. A report drawn wider than the page is scaled down
// to the page's width, so every column prints.
class ReportLayout {
public:
    static constexpr int PaperShortSide = 12240; // twips, 8.5 inches
    static constexpr int PaperLongSide = 15840;  // twips, 11 inches
    static constexpr int Margin = 720;           // twips, half an inch on every side

    static LaidOutReport layout(const Report& report);
    // The width between the margins, in twips.
    static int printableWidth(bool landscape);

    // A field value as printed: whole numbers without decimals, others to two places.
    static QString formatValue(const QVariant& value);
};
