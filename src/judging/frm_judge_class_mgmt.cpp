#include "judging/frm_judge_class_mgmt.h"

#include "judging/frm_judge_assignments.h"
#include "judging/judging_reports.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QLabel>
#include <QPushButton>

FrmJudgeClassMgmt::FrmJudgeClassMgmt(RunState& state, QWidget* parent)
    : ActivityWindow(state, QStringLiteral("FrmJudgeClassMgmt"), QStringLiteral("Judge's Class Assignments"), parent) {
    addTitle(QStringLiteral("Judge's Class Assignments"));

    auto* assign = new QPushButton(QStringLiteral("Create Judging Assignments"), this);
    assign->setObjectName(QStringLiteral("CmdAssignclasses"));
    WindowGeometry::place(assign, 2760, 2040, 3100, 560);
    connectGuarded(m_state.messages, assign, &QPushButton::clicked, this, &FrmJudgeClassMgmt::CmdAssignclasses_Click);
    m_CmdDisplayReport = new QPushButton(QStringLiteral("Judging Agenda Report"), this);
    m_CmdDisplayReport->setObjectName(QStringLiteral("CmdDisplayReport"));
    WindowGeometry::place(m_CmdDisplayReport, 2760, 3000, 3100, 560);
    connectGuarded(m_state.messages, m_CmdDisplayReport, &QPushButton::clicked, this, &FrmJudgeClassMgmt::CmdDisplayReport_Click);
}

void FrmJudgeClassMgmt::Set_Division(const QString& RcvdDivision) {
    m_division = RcvdDivision;
}

FrmJudgeAssignments* FrmJudgeClassMgmt::assignmentWindow() const {
    return qobject_cast<FrmJudgeAssignments*>(subWindow());
}

void FrmJudgeClassMgmt::CmdAssignclasses_Click() {
    auto* grid = new FrmJudgeAssignments(m_state);
    if (!grid->InitializeForm(m_division)) {
        grid->deleteLater();
        return;
    }
    QPointer<QPushButton> report(m_CmdDisplayReport);
    openSubWindow(grid, Beneath::Disabled, [report] {
        if (report)
            report->setFocus();
    });
}

void FrmJudgeClassMgmt::CmdDisplayReport_Click() {
    m_agenda = JudgingReports::showAgenda(m_state, m_division, this);
}
