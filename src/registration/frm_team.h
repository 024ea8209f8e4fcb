#pragma once

#include "ui/entry_window.h"

class QComboBox;
class QLineEdit;

// The team window ("Team Form"): adds or edits one team.
class FrmTeam : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmTeam(RunState& state, QWidget* parent = nullptr);

    void Initialize_Add();
    // False, with the user told why, when the team cannot be read.
    bool Initialize_Edit(qint32 Team);

    bool editing() const { return m_teamCode >= 0; }

protected:
    QString validationError() const override;
    bool Store_Input() override;

private:
    qint32 m_teamCode = -1;
    QLineEdit* m_TxtTeam = nullptr;
    QComboBox* m_CbDivision = nullptr;
    QLineEdit* m_TxtDistrict = nullptr;
};
