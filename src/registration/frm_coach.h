#pragma once

#include "ui/entry_window.h"

#include <QMap>

class QComboBox;
class QLineEdit;
class RunState;

// The coach window ("Coach Entry Form"): adds a coach to a team or edits one coach.
class FrmCoach : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmCoach(RunState& state, QWidget* parent = nullptr);

    void Initialize_Add(qint32 TeamCode);
    // False, with the user told why, when the coach cannot be read.
    bool Initialize_Edit(qint32 CoachEdit);

public slots:
    void CmdSubmit_Click();
    void CmdCancel_Click();

private:
    void Clear_Form();
    QLineEdit* addBox(const QString& objectName, const QString& caption, int left, int top, int width, int maxLength);
    QString validationError() const;
    QString text(const QString& box) const;

    RunState& m_state;
    bool m_editMode = false;
    qint32 m_coachCode = -1;
    qint32 m_teamCode = -1;
    QMap<QString, QLineEdit*> m_boxes;
    QComboBox* m_CbPosition = nullptr;
};
