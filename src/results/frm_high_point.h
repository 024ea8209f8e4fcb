#pragma once

#include "reports/report_activity.h"

// The "High-Point Riders" activity: ranks the placed riders of the chosen division and
// shows the report; without teams or placings it says so and closes.
class FrmHighPoint : public ReportActivity {
    Q_OBJECT
public:
    explicit FrmHighPoint(RunState& state, QWidget* parent = nullptr);
};
