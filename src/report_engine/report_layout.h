#pragma once

#include "report_engine/report_pages.h"

#include <memory>
#include <vector>

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

    // Every page of the report.
    static LaidOutReport layout(const Report& report);

    // The same layout a page at a time. Made, it has run through the report with band heights
    // only, which places nothing and gives where every page starts and so the page count;
    // page(i) then places page i as layout() does. The report must outlive it.
    explicit ReportLayout(const Report& report);
    ~ReportLayout();
    int pageCount() const { return static_cast<int>(m_starts.size()); }
    // Title, paper size and orientation, without pages.
    const LaidOutReport& paper() const;
    LaidOutPage page(int index) const;

    // The width between the margins, in twips.
    static int printableWidth(bool landscape);

    // A field value as printed: whole numbers without decimals, others to two places.
    static QString formatValue(const QVariant& value);

private:
    class Layouter;
    std::unique_ptr<Layouter> m_layouter;
    std::vector<size_t> m_starts; // the band each page's body starts at
};
