#include "results/frm_rider_results.h"

#include "reports/print_registry.h"
#include "reports/report_preparation.h"
#include "results/results_reports.h"
#include "ui/activity_host.h"
#include "ui/run_state.h"

FrmRiderResults::FrmRiderResults(RunState& state, QWidget* parent) : ActivityWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("FrmRiderResults"));
    setWindowTitle(QStringLiteral("Rider Results"));
    setAutoFillBackground(true);
}

void FrmRiderResults::Load_Report() {
    m_report = ReportPreparation::show(
        m_state, [&] { return ResultsReports::prepareRiderResults(m_state, PrintRequest{}); }, this);
    if (!m_report && m_state.host)
        m_state.host->Close_Current_Activity();
}
