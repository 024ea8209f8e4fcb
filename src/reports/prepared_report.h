#pragma once

#include "report_engine/paged_report.h"
#include "report_engine/report.h"
#include "report_engine/report_pages.h"

#include <memory>
#include <vector>

// What preparing a report for printing gives: the report, ready to show, or the message
// that is shown instead of it (no riders, no placings...). The report windows and the
// headless print command prepare through the same functions.
// A print of several reports at once (every class, every division) holds the first as
// `report` and the others in `following`: they print after it in one preview and one file,
// each from a new page.
struct PreparedReport {
    std::unique_ptr<Report> report;
    QString message;
    std::vector<std::unique_ptr<Report>> following = {};

    static PreparedReport of(std::unique_ptr<Report> report) { return {std::move(report), {}, {}}; }
    static PreparedReport refused(const QString& message) { return {nullptr, message, {}}; }
    // The parts in printing order; refused with `noneMessage` when there is none.
    static PreparedReport ofAll(std::vector<std::unique_ptr<Report>> parts, const QString& noneMessage);

    bool severalParts() const { return !following.empty(); }
    // The pages of every part, one after another.
    LaidOutReport layOut() const;
    // The same pages, each laid out when it is first asked for.
    PagedReport paged() const;
};
