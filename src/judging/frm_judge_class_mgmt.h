#pragma once

#include "ui/activity_window.h"

#include <QPointer>

class FrmJudgeAssignments;
class QPushButton;
class RunState;

// The "Judge's Class Assignments" activity: opens the judge assignment grid of the chosen
// division and shows its judging agenda.
class FrmJudgeClassMgmt : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmJudgeClassMgmt(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override;
    FrmJudgeAssignments* assignmentWindow() const;
    QWidget* agendaWindow() const { return m_agenda; }

public slots:
    void CmdAssignclasses_Click();
    void CmdDisplayReport_Click();

private:
    QString m_division;
    QPushButton* m_CmdDisplayReport = nullptr;
    QPointer<QWidget> m_agenda;
};
