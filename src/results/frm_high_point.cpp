#include "results/frm_high_point.h"

#include "reports/print_registry.h"
#include "results/results_reports.h"

FrmHighPoint::FrmHighPoint(RunState& state, QWidget* parent)
    : ReportActivity(state, QStringLiteral("FrmHighPoint"), QStringLiteral("High-Point Riders"),
                     ResultsReports::prepareHighPoint, parent) {}
