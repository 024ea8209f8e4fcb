#pragma once

#include "ui/activity_window.h"

class QComboBox;
class RunState;

// The "Placings" activity: picks a class of the chosen division and opens its placings.
class FrmPlacings : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmPlacings(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override { m_division = RcvdDivision; }

public slots:
    void CmdAddPlacings_Click();

private:
    QString m_division;
    QComboBox* m_CbClass = nullptr;
};
