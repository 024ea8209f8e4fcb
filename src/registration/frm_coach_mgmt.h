#pragma once

#include "registration/frm_coach.h"
#include "ui/keyed_entries.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class RunState;

// The coaches activity: choose a team, list its coaches, add, edit and delete them, and
// print the complete coach list.
class FrmCoachMgmt : public QWidget {
    Q_OBJECT
public:
    explicit FrmCoachMgmt(RunState& state, QWidget* parent = nullptr);

    qint32 selectedTeam() const { return m_selectedTeam; }
    qint32 selectedCoach() const { return m_selectedCoach; }
    FrmCoach* coachWindow() const { return m_coachWindow; }
    QWidget* reportWindow() const { return m_reportWindow; }

public slots:
    void Form_Activate();
    void CbTeam_Click();
    void LbCoaches_Click();
    void CmdAddCoach_Click();
    void CmdEditCoach_Click();
    void CmdDeleteCoach_Click();
    void CmdCoachReport_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Load_Coach_List();
    void openCoachWindow(FrmCoach* window);

    RunState& m_state;
    QComboBox* m_CbTeam = nullptr;
    QLabel* m_LblCurrentTeam = nullptr;
    QListWidget* m_LbCoaches = nullptr;
    KeyedEntries m_teamCodes;
    KeyedEntries m_coachCodes;
    qint32 m_selectedTeam = -1;
    qint32 m_selectedCoach = -1;
    QPointer<FrmCoach> m_coachWindow;
    QPointer<QWidget> m_reportWindow;
};
