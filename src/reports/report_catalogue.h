#pragma once

#include "report_engine/report.h"

#include <memory>

// The program's reports by name, each with its sections, named controls and fixed
// captions, the columns it reads as a table and what closing its preview does.
namespace ReportCatalogue {

QStringList names();
// A new report of that name, or null for a name the catalogue does not hold.
std::unique_ptr<Report> create(const QString& name);

} // namespace ReportCatalogue
