#pragma once

#include "reports/report_activity.h"

// The "Judges Cards" activity: shows the judges' cards of the chosen division; closing the
// cards closes the activity. Without assignments it says so and stays open. "Print All"
// shows the cards of every division in one preview.
class FrmJudgesCards : public ReportActivity {
    Q_OBJECT
public:
    explicit FrmJudgesCards(RunState& state, QWidget* parent = nullptr);
};
