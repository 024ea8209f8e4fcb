#pragma once

#include "ui/activity_window.h"

class RunState;

// The "Meet Standings" activity: ranks the teams of the chosen division and shows the
// standings report; without teams or placings it says so and closes.
class FrmTeamStandings : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmTeamStandings(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override { m_division = RcvdDivision; }
    void Load_Report() override;

    QWidget* reportWindow() const { return m_report; }

private:
    RunState& m_state;
    QString m_division;
    QPointer<QWidget> m_report;
};
