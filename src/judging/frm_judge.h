#pragma once

#include "ui/entry_window.h"

class QLineEdit;
class QPlainTextEdit;

// The judge window ("Judge Info"): adds or edits one judge.
class FrmJudge : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmJudge(RunState& state, QWidget* parent = nullptr);

    void Initialize_Add();
    // False, with the user told why, when the judge cannot be read.
    bool Initialize_Edit(qint32 JudgeEdit);

    bool editing() const { return m_judgeId >= 0; }

protected:
    QString validationError() const override;
    bool Store_Input() override;

private:
    qint32 m_judgeId = -1;
    QLineEdit* m_TxtFirst = nullptr;
    QLineEdit* m_TxtLast = nullptr;
    QLineEdit* m_TxtAddress = nullptr;
    QLineEdit* m_TxtCity = nullptr;
    QLineEdit* m_TxtState = nullptr;
    QLineEdit* m_TxtZip = nullptr;
    QLineEdit* m_TxtPhoneNum = nullptr;
    QLineEdit* m_TxtEmail = nullptr;
    QPlainTextEdit* m_TxtMemo = nullptr;
};
