#pragma once

#include "ui/entry_window.h"

class QComboBox;
class QLineEdit;

// The coach window ("Coach Entry Form"): adds a coach to a team or edits one coach.
class FrmCoach : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmCoach(RunState& state, QWidget* parent = nullptr);

    void Initialize_Add(qint32 TeamCode);
    // False, with the user told why, when the coach cannot be read.
    bool Initialize_Edit(qint32 CoachEdit);

protected:
    QString validationError() const override;
    bool Store_Input() override;

private:
    void Clear_Form();

    qint32 m_coachCode = -1;
    qint32 m_teamCode = -1;
    QLineEdit* m_TxtFirst = nullptr;
    QLineEdit* m_TxtLast = nullptr;
    QLineEdit* m_TxtAddress = nullptr;
    QLineEdit* m_TxtCity = nullptr;
    QLineEdit* m_TxtZip = nullptr;
    QLineEdit* m_TxtPrimary = nullptr;
    QLineEdit* m_TxtSecondary = nullptr;
    QLineEdit* m_TxtEmail = nullptr;
    QComboBox* m_CbPosition = nullptr;
};
