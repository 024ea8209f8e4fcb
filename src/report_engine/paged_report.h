#pragma once

#include "report_engine/report_layout.h"
#include "report_engine/report_pages.h"

#include <memory>
#include <vector>

class Report;

// The pages of one report, or of several printed one after another (each from a new page and
// numbered on its own), laid out as they are asked for: the page count is known at once, a
// page's items are placed the first time it is asked for, and all() lays out what is left. The
// pages are those LaidOutReport::append of each part's ReportLayout::layout would give.
// The reports must outlive it.
class PagedReport {
public:
    // Paper of the first part; a later part on other paper is refused with std::invalid_argument.
    void append(const Report& part);

    int pageCount() const { return static_cast<int>(m_laid.pages.size()); }
    QSize pageSize() const { return m_laid.pageSize; }
    const LaidOutPage& page(int index) const;
    // Every page, the ones not asked for yet laid out now.
    const LaidOutReport& all() const;
    int pagesLaidOut() const { return m_pagesLaidOut; }

private:
    std::vector<std::unique_ptr<ReportLayout>> m_parts;
    std::vector<int> m_firstPages; // of each part
    // Pages not laid out yet are empty; a lazily filled cache, hence mutable.
    mutable LaidOutReport m_laid;
    mutable std::vector<bool> m_done;
    mutable int m_pagesLaidOut = 0;
};
