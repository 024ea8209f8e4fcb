#pragma once

#include "report_engine/report_pages.h"

class Report;

// Lays a report's rows out on Letter pages before anything is painted. Bands are never
// split; a group header moves to the next page unless its first line fits beside it, and
// a group footer takes the line before it along, so no page ends on a header or starts
// with a footer. A page that continues groups repeats their headers below the page
// header, outermost first, each marked "(continued)". Page header and footer repeat on
// every page; "%p" and "%P" in label captions become the page number and the page count.
// A band with a growing field is made taller where the field's text needs more lines than
// its place holds at the smallest readable size (TextFit).
// A report drawn wider than the page is scaled down to the page's width, so every column
// prints.
class ReportLayout {
public:
    static constexpr int PaperShortSide = 12240; // twips, 8.5 inches
    static constexpr int PaperLongSide = 15840;  // twips, 11 inches
    static constexpr int Margin = 720;           // twips, half an inch on every side
    // Follows the text of a group header repeated on a page that continues its group.
    static constexpr QLatin1String ContinuedMark{"(continued)"};

    static LaidOutReport layout(const Report& report);
    // The width between the margins, in twips.
    static int printableWidth(bool landscape);

    // A field value as printed: whole numbers without decimals, others to two places.
    static QString formatValue(const QVariant& value);
};
