#include "results/frm_team_standings.h"

#include "reports/print_registry.h"
#include "reports/report_preparation.h"
#include "results/results_reports.h"
#include "ui/activity_host.h"
#include "ui/run_state.h"

FrmTeamStandings::FrmTeamStandings(RunState& state, QWidget* parent) : ActivityWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("FrmTeamStandings"));
    setWindowTitle(QStringLiteral("Standings"));
    setAutoFillBackground(true);
}

void FrmTeamStandings::Load_Report() {
    PrintRequest request;
    request.division = m_division;
    m_report = ReportPreparation::show(
        m_state, [&] { return ResultsReports::prepareStandings(m_state, request); }, this);
    if (!m_report && m_state.host)
        m_state.host->Close_Current_Activity();
}
