#include "report_engine/paged_report.h"

#include <algorithm>
#include <stdexcept>

void PagedReport::append(const Report& part) {
    auto layout = std::make_unique<ReportLayout>(part);
    const LaidOutReport& paper = layout->paper();
    if (m_parts.empty()) {
        m_laid.title = paper.title;
        m_laid.pageSize = paper.pageSize;
        m_laid.landscape = paper.landscape;
    } else if (paper.pageSize != m_laid.pageSize || paper.landscape != m_laid.landscape) {
        throw std::invalid_argument("reports printed as one must share their paper");
    }
    m_firstPages.push_back(pageCount());
    m_laid.pages.resize(m_laid.pages.size() + static_cast<size_t>(layout->pageCount()));
    m_done.resize(m_laid.pages.size(), false);
    m_parts.push_back(std::move(layout));
}

const LaidOutPage& PagedReport::page(int index) const {
    const auto at = static_cast<size_t>(index);
    if (!m_done.at(at)) {
        const size_t part = static_cast<size_t>(std::upper_bound(m_firstPages.begin(), m_firstPages.end(), index) -
                                                m_firstPages.begin() - 1);
        m_laid.pages[at] = m_parts[part]->page(index - m_firstPages[part]);
        m_done[at] = true;
        ++m_pagesLaidOut;
    }
    return m_laid.pages[at];
}

const LaidOutReport& PagedReport::all() const {
    for (int i = 0; i < pageCount(); ++i)
        page(i);
    return m_laid;
}
