#pragma once

#include "ui/activity_window.h"

class RunState;

// The "Rider Results" activity: shows every team's riders with their placings; without
// teams it says so and closes.
class FrmRiderResults : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmRiderResults(RunState& state, QWidget* parent = nullptr);

    void Load_Report() override;

    QWidget* reportWindow() const { return m_report; }

private:
    RunState& m_state;
    QPointer<QWidget> m_report;
};
