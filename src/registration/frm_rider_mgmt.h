#pragma once

#include "registration/frm_rider.h"
#include "ui/management_window.h"

#include <QPointer>

class QComboBox;
class QLineEdit;
class QListWidget;

// The riders activity: search riders, add, edit and delete them, and print the complete
// rider list.
class FrmRiderMgmt : public ManagementWindow {
    Q_OBJECT
public:
    explicit FrmRiderMgmt(RunState& state, QWidget* parent = nullptr);

    FrmRider* riderWindow() const { return qobject_cast<FrmRider*>(entryWindow()); }
    QWidget* reportWindow() const { return m_reportWindow; }

public slots:
    void Form_Activate() override;
    void CmdSearch_Click();
    void CmdAdd_Click();
    void CmdEdit_Click();
    void CmdDelete_Click();
    void CmdRiderReport_Click();

private:
    // The rider of the chosen result, or -1 when no result is chosen.
    qint32 selectedRider() const;

    QComboBox* m_LbSearchBy = nullptr;
    QLineEdit* m_TxtSearchFor = nullptr;
    QListWidget* m_LbResults = nullptr;
    QPointer<QWidget> m_reportWindow;
};
