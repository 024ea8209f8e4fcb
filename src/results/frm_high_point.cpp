#include "results/frm_high_point.h"

#include "reports/print_registry.h"
#include "reports/report_preparation.h"
#include "results/results_reports.h"
#include "ui/activity_host.h"
#include "ui/run_state.h"

FrmHighPoint::FrmHighPoint(RunState& state, QWidget* parent) : ActivityWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("FrmHighPoint"));
    setWindowTitle(QStringLiteral("High-Point Riders"));
    setAutoFillBackground(true);
}

void FrmHighPoint::Load_Report() {
    PrintRequest request;
    request.division = m_division;
    m_report = ReportPreparation::show(
        m_state, [&] { return ResultsReports::prepareHighPoint(m_state, request); }, this);
    if (!m_report && m_state.host)
        m_state.host->Close_Current_Activity();
}
