#pragma once

#include "judging/frm_judge.h"
#include "ui/management_window.h"

class QListWidget;

// The judges activity: lists every judge by last name and opens the judge window to add
// or edit one.
class FrmJudgeMgmt : public ManagementWindow {
    Q_OBJECT
public:
    explicit FrmJudgeMgmt(RunState& state, QWidget* parent = nullptr);

    // The key of the judge last clicked, -1 for none; a whole 32-bit key.
    qint32 selectedJudge() const { return m_selectedJudge; }
    FrmJudge* judgeWindow() const { return qobject_cast<FrmJudge*>(entryWindow()); }

public slots:
    void Form_Activate() override;
    void LbJudges_Click();
    void CmdAddJudge_Click();
    void CmdEditJudge_Click();
    void CmdDeleteJudge_Click();

private:
    QListWidget* m_LbJudges = nullptr;
    qint32 m_selectedJudge = -1;
};
