#include "reports/prepared_report.h"

#include "report_engine/report_layout.h"

PreparedReport PreparedReport::ofAll(std::vector<std::unique_ptr<Report>> parts, const QString& noneMessage) {
    if (parts.empty())
        return refused(noneMessage);
    PreparedReport prepared = of(std::move(parts.front()));
    prepared.following.assign(std::make_move_iterator(parts.begin() + 1), std::make_move_iterator(parts.end()));
    return prepared;
}

PagedReport PreparedReport::paged() const {
    PagedReport pages;
    pages.append(*report);
    for (const std::unique_ptr<Report>& part : following)
        pages.append(*part);
    return pages;
}

LaidOutReport PreparedReport::layOut() const {
    LaidOutReport pages = ReportLayout::layout(*report);
    for (const std::unique_ptr<Report>& part : following)
        pages.append(ReportLayout::layout(*part));
    return pages;
}
