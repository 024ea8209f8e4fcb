#pragma once

#include "ui/entry_window.h"

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
    // The window's Submit is captioned "Save".
    void CmdSave_Click() { CmdSubmit_Click(); }

protected:
    bool Validate_Input() override { return ValidTeam(); }
    bool Store_Input() override { return Save_Rider(); }

private:
    void Form_Load();
    QString box(int index) const;

    qint32 m_riderIndex = -1;
    std::array<QLineEdit*, 6> m_RiderListBoxArray{};
    QComboBox* m_LbTeamCode = nullptr;
};
