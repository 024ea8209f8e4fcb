#pragma once

#include "ui/activity_window.h"

class RunState;

// The "High-Point Riders" activity: ranks the riders of the chosen division by their points
// and shows the report; without teams or placings it says so and closes.
class FrmHighPoint : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmHighPoint(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override { m_division = RcvdDivision; }
    void Load_Report() override;

    QWidget* reportWindow() const { return m_report; }

private:
    RunState& m_state;
    QString m_division;
    QPointer<QWidget> m_report;
};
