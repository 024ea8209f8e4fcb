#pragma once

#include "judging/judge_data.h"
#include "ui/entry_window.h"

class CheckBoxGrid;
class QPlainTextEdit;
class QPushButton;

// The judge assignment grid ("Class Judging Assignments") of one division: a row per
// judge, a column per class, two judges or none per class. Submit replaces the
// division's assignments by what the grid shows.
class FrmJudgeAssignments : public EntryWindow {
    Q_OBJECT
public:
    static constexpr int JudgesPerClass = 2;

    explicit FrmJudgeAssignments(RunState& state, QWidget* parent = nullptr);

    // Builds the grid for the division; false, with the user told why, when it cannot be shown.
    bool InitializeForm(const QString& RcvdDivision);

    CheckBoxGrid& grid() const { return *m_grid; }
    QString GridDivision() const { return m_GridDivision; }

    // The window's Submit button is named CmdApply.
    void CmdApply_Click() { CmdSubmit_Click(); }

protected:
    QString saveQuestion() const override;
    bool Validate_Input() override;
    bool Store_Input() override;

private:
    QList<JudgeData::Assignment> tickedAssignments() const;
    int rowOfJudge(qint32 judgeId) const;

    CheckBoxGrid* m_grid = nullptr;
    QString m_GridDivision;
    QList<JudgeRow> m_judges;
    QList<JudgeData::Assignment> m_stored;
    QPlainTextEdit* m_TxtTitle = nullptr;
    QPushButton* m_CmdApply = nullptr;
    QPushButton* m_CmdCancel = nullptr;
};
