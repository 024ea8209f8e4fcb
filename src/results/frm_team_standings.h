#pragma once

#include "reports/report_activity.h"

// The "Meet Standings" activity: ranks the teams of the chosen division and shows the
// standings report; without teams or placings it says so and closes. "Print All" shows
// the standings of every division in one preview.
class FrmTeamStandings : public ReportActivity {
    Q_OBJECT
public:
    explicit FrmTeamStandings(RunState& state, QWidget* parent = nullptr);
};
