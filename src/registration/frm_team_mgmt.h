#pragma once

#include "registration/frm_team.h"
#include "ui/keyed_entries.h"

#include <QPointer>
#include <QWidget>

class QListWidget;
class QPushButton;
class RunState;

// The teams activity: lists every team and opens the team window to add or edit one.
class FrmTeamMgmt : public QWidget {
    Q_OBJECT
public:
    explicit FrmTeamMgmt(RunState& state, QWidget* parent = nullptr);
    ~FrmTeamMgmt() override;

    qint32 selectedTeam() const { return m_selectedTeam; }
    FrmTeam* teamWindow() const { return m_teamWindow; }

public slots:
    void Form_Activate();
    void LbTeam_Click();
    void CmdAddTeam_Click();
    void CmdEditTeam_Click();
    void CmdDeleteTeam_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openTeamWindow(FrmTeam* window);
    void teamWindowClosed();

    RunState& m_state;
    QListWidget* m_LbTeam = nullptr;
    KeyedEntries m_teamCodes;
    qint32 m_selectedTeam = -1;
    QPointer<FrmTeam> m_teamWindow;
};
