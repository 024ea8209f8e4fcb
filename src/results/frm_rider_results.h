#pragma once

#include "reports/report_activity.h"

// The "Rider Results" activity: shows every team's riders with their placings, whatever
// the division chosen; without teams it says so and closes.
class FrmRiderResults : public ReportActivity {
    Q_OBJECT
public:
    explicit FrmRiderResults(RunState& state, QWidget* parent = nullptr);
};
