#pragma once

#include "report_engine/report.h"

#include <memory>

// Catalogue reports filled with made-up rows of a busy meet, as their windows would
// fill them: captions set, class label pictures from `programFolder`.
namespace CatalogueSamples {

std::unique_ptr<Report> filled(const QString& name, const QString& programFolder);

} // namespace CatalogueSamples
