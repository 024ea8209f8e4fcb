#pragma once

#include "reports/report.h"

#include <memory>

// The program's reports by name, each with its sections, named controls and fixed
// captions, the command whose rows it prints and what closing its preview does.
namespace ReportCatalogue {

QStringList names();
// The commands whose rows the reports print, each once, in catalogue order.
QStringList commands();
// A new report of that name, or null for a name the catalogue does not hold.
std::unique_ptr<Report> create(const QString& name);

} // namespace ReportCatalogue
