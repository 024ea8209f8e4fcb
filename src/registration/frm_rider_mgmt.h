#pragma once

#include "registration/frm_rider.h"
#include "ui/keyed_entries.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class RunState;

// The riders activity: search riders, add, edit and delete them, and print the complete
// rider list.
class FrmRiderMgmt : public QWidget {
    Q_OBJECT
public:
    explicit FrmRiderMgmt(RunState& state, QWidget* parent = nullptr);

    FrmRider* riderWindow() const { return m_riderWindow; }
    QWidget* reportWindow() const { return m_reportWindow; }

public slots:
    void Form_Activate();
    void CmdSearch_Click();
    void CmdAdd_Click();
    void CmdEdit_Click();
    void CmdDelete_Click();
    void CmdRiderReport_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The rider of the chosen result, or -1 when no result is chosen.
    qint32 selectedRider() const;
    void openRiderWindow(FrmRider* window);

    RunState& m_state;
    QComboBox* m_LbSearchBy = nullptr;
    QLineEdit* m_TxtSearchFor = nullptr;
    QListWidget* m_LbResults = nullptr;
    KeyedEntries m_riderIndexes;
    QPointer<FrmRider> m_riderWindow;
    QPointer<QWidget> m_reportWindow;
};
