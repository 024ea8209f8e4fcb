#pragma once

#include "report_engine/report_rows.h"

#include <vector>

class Report;
struct ReportControl;
struct ReportSection;

// A row being printed and the set it belongs to.
struct RowContext {
    const RowSet* set;
    const ReportRow* row;
};

// One band of a report's body to print, with the rows it reads from, outermost first: for
// a group band the group's row comes last, for a detail band the detail row.
struct ReportBand {
    const ReportSection* section;
    std::vector<RowContext> context;
    int openGroups; // levels whose header is printed before this band and whose group goes on
};

// How a report's rows become bands: the order of group headers, detail lines and group
// footers, and the values their fields and sums show. The page layout and the report's
// table (CSV, web page) both read a report through here.
namespace ReportBands {

// The body's bands in printing order.
std::vector<ReportBand> inOrder(const Report& report);

// The value of `field` in the innermost row of the context that has it; invalid when none has.
QVariant lookup(const QString& field, const std::vector<RowContext>& context);

// What a Sum or Count control shows: over the deepest rows under the context's innermost
// group row, or over the whole report when the context is empty.
QString aggregate(const Report& report, const ReportControl& control, const std::vector<RowContext>& context);

} // namespace ReportBands
