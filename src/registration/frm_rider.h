#pragma once

#include "ui/entry_window.h"
#include "ui/keyed_entries.h"

#include <array>

class QComboBox;
class QLineEdit;
class RunState;

// The rider window ("Rider Edit Form"): adds or edits one rider.
class FrmRider : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmRider(RunState& state, QWidget* parent = nullptr);

    void Initialize_Add();
    // False, with the user told why, when the rider cannot be read.
    bool Initialize_Edit(qint32 RcvdRiderIndex);

    bool ValidTeam();
    bool Save_Rider();

public slots:
    void CmdSave_Click();
    void CmdCancel_Click();

private:
    void Form_Load();
    QString box(int index) const;

    RunState& m_state;
    bool m_editMode = false;
    qint32 m_riderIndex = -1;
    std::array<QLineEdit*, 6> m_RiderListBoxArray{};
    QComboBox* m_LbTeamCode = nullptr;
    KeyedEntries m_teamCodes;
};
