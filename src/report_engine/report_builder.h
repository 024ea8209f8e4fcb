#pragma once

#include "report_engine/report_section.h"

// Fills a section with controls, one call per control, for the catalogue's layouts.
// Rectangles are twips from the section's top left.
class SectionBuilder {
public:
    explicit SectionBuilder(ReportSection& section) : m_section(section) {}

    SectionBuilder& label(const QString& name, const QString& caption, QRect rect, ReportFont font = ReportFont::plain(),
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    SectionBuilder& field(const QString& name, const QString& field, QRect rect, ReportFont font = ReportFont::plain(),
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    SectionBuilder& sum(const QString& name, const QString& field, QRect rect, ReportFont font = ReportFont::plain(),
                        Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);
    SectionBuilder& count(const QString& name, const QString& field, QRect rect, ReportFont font = ReportFont::plain(),
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    SectionBuilder& image(const QString& name, QRect rect);
    // A line from the rectangle's top left to its bottom right (height 0: a horizontal rule).
    SectionBuilder& line(const QString& name, QRect rect, int width = 15);
    SectionBuilder& box(const QString& name, QRect rect, int width = 15);
    // The page footer of most reports: "Page 2 of 5" at the right edge of `width`.
    SectionBuilder& pageNumbers(int width, int top = 100);
    // Hides the control added last.
    SectionBuilder& hidden();
    // The field added last grows downward when its text needs more lines than it holds.
    SectionBuilder& growing();
    // The field added last is a column of the report read as a table (CSV, web page), under
    // `heading`; on a web page the picture control `picture` may head it.
    SectionBuilder& tableColumn(const QString& heading, const QString& picture = {});
    // The control added last carries the "(continued)" mark when this group header is
    // repeated on a page that continues its group.
    SectionBuilder& continuedMark();

    ReportSection& section() { return m_section; }

private:
    SectionBuilder& add(ReportControl::Kind kind, const QString& name, QRect rect);
    // A control that draws text: its font and alignment are set, the rest is the caller's.
    ReportControl& addText(ReportControl::Kind kind, const QString& name, QRect rect, ReportFont font,
                           Qt::Alignment alignment);

    ReportSection& m_section;
};
