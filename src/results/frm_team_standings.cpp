#include "results/frm_team_standings.h"

#include "reports/print_registry.h"
#include "results/results_reports.h"

FrmTeamStandings::FrmTeamStandings(RunState& state, QWidget* parent)
    : ReportActivity(state, QStringLiteral("FrmTeamStandings"), QStringLiteral("Standings"),
                     ResultsReports::prepareStandings, parent, WithoutReport::CloseActivity,
                     ResultsReports::prepareAllStandings) {}
