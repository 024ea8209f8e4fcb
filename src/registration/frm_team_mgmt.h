#pragma once

#include "registration/frm_team.h"
#include "ui/management_window.h"

class QListWidget;

// The teams activity: lists every team and opens the team window to add or edit one.
class FrmTeamMgmt : public ManagementWindow {
    Q_OBJECT
public:
    explicit FrmTeamMgmt(RunState& state, QWidget* parent = nullptr);

    qint32 selectedTeam() const { return m_selectedTeam; }
    FrmTeam* teamWindow() const { return qobject_cast<FrmTeam*>(entryWindow()); }

public slots:
    void Form_Activate() override;
    void LbTeam_Click();
    void CmdAddTeam_Click();
    void CmdEditTeam_Click();
    void CmdDeleteTeam_Click();

private:
    QListWidget* m_LbTeam = nullptr;
    qint32 m_selectedTeam = -1;
};
