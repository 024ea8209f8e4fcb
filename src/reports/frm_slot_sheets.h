#pragma once

#include "ui/activity_window.h"

#include <QPointer>

class QComboBox;
class RunState;

// The "Slot Sheets" activity: the slot sheets of every team of the chosen division, or
// of the team chosen in the list.
class FrmSlotSheets : public ActivityWindow {
    Q_OBJECT
public:
    explicit FrmSlotSheets(RunState& state, QWidget* parent = nullptr);

    void Set_Division(const QString& RcvdDivision) override;
    // The preview of the last sheets shown, while it is open.
    QWidget* reportWindow() const { return m_reportWindow; }

public slots:
    void CmdAll_Click();
    void CmdSingle_Click();

private:
    void Fill_Team_Combo();

    QString m_division;
    QComboBox* m_CbTeam = nullptr;
    QPointer<QWidget> m_reportWindow;
};
