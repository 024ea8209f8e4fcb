#pragma once

#include "judging/judge_data.h"
#include "ui/grid_window.h"

class QPlainTextEdit;

// The judge assignment grid ("Class Judging Assignments") of one division: a row per
// judge, a column per class, two judges or none per class. Submit replaces the
// division's assignments by what the grid shows.
class FrmJudgeAssignments : public GridWindow {
    Q_OBJECT
public:
    static constexpr int JudgesPerClass = 2;

    explicit FrmJudgeAssignments(RunState& state, QWidget* parent = nullptr);

    // Builds the grid for the division; false, with the user told why, when it cannot be shown.
    bool InitializeForm(const QString& RcvdDivision);

    QString GridDivision() const { return m_GridDivision; }

protected:
    QString saveQuestion() const override;
    bool Validate_Input() override;
    bool Store_Input() override;

private:
    QList<JudgeData::Assignment> tickedAssignments() const;
    int rowOfJudge(qint32 judgeId) const;

    QString m_GridDivision;
    QList<JudgeRow> m_judges;
    QList<JudgeData::Assignment> m_stored;
    QPlainTextEdit* m_TxtTitle = nullptr;
};
