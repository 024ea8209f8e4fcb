#pragma once

#include "ui/activity_window.h"

class QComboBox;
class RunState;

// The "Rider Entries" activity: picks a team of the chosen division and opens the class
// entry grid for it.
class FrmEntries : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmEntries(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override;

public slots:
    void CmdSubmit_Click();

private:
    QString m_division;
    QComboBox* m_CbTeamName = nullptr;
};
