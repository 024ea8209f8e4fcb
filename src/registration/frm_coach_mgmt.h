#pragma once

#include "registration/frm_coach.h"
#include "ui/management_window.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QListWidget;

// The coaches activity: choose a team, list its coaches, add, edit and delete them, and
// print the complete coach list.
class FrmCoachMgmt : public ManagementWindow {
    Q_OBJECT
public:
    explicit FrmCoachMgmt(RunState& state, QWidget* parent = nullptr);

    qint32 selectedTeam() const { return m_selectedTeam; }
    qint32 selectedCoach() const { return m_selectedCoach; }
    FrmCoach* coachWindow() const { return qobject_cast<FrmCoach*>(entryWindow()); }
    QWidget* reportWindow() const { return m_reportWindow; }

public slots:
    void Form_Activate() override;
    void CbTeam_Click();
    void LbCoaches_Click();
    void CmdAddCoach_Click();
    void CmdEditCoach_Click();
    void CmdDeleteCoach_Click();
    void CmdCoachReport_Click();

private:
    void Load_Coach_List();

    QComboBox* m_CbTeam = nullptr;
    QLabel* m_LblCurrentTeam = nullptr;
    QListWidget* m_LbCoaches = nullptr;
    qint32 m_selectedTeam = -1;
    qint32 m_selectedCoach = -1;
    QPointer<QWidget> m_reportWindow;
};
