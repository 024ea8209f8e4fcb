#include "results/frm_rider_results.h"

#include "reports/print_registry.h"
#include "results/results_reports.h"

FrmRiderResults::FrmRiderResults(RunState& state, QWidget* parent)
    : ReportActivity(
          state, QStringLiteral("FrmRiderResults"), QStringLiteral("Rider Results"),
          [](RunState& run, const PrintRequest&) { return ResultsReports::prepareRiderResults(run, PrintRequest{}); },
          parent) {}
