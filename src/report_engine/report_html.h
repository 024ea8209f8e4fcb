#pragma once

#include <QString>

class Report;

// A report's table as HTML for a web page: the column headings (under the column pictures
// where the report has them, embedded in the page), a heading row for each group and the
// detail lines beneath it, and the totals. Every text is escaped.
namespace ReportHtml {

QString table(const Report& report);

} // namespace ReportHtml
