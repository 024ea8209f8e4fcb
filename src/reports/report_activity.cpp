#include "reports/report_activity.h"

#include "reports/print_registry.h"
#include "reports/report_preparation.h"
#include "ui/activity_host.h"
#include "ui/run_state.h"

ReportActivity::ReportActivity(RunState& state, const QString& objectName, const QString& caption, Prepare prepare,
                               QWidget* parent, WithoutReport withoutReport)
    : ActivityWindow(state, objectName, caption, parent), m_prepare(std::move(prepare)),
      m_withoutReport(withoutReport) {}

void ReportActivity::Load_Report() {
    PrintRequest request;
    request.division = m_division;
    m_report = ReportPreparation::show(
        m_state, [&] { return m_prepare(m_state, request); }, this);
    if (!m_report && m_withoutReport == WithoutReport::CloseActivity && m_state.host)
        m_state.host->Close_Current_Activity();
}
