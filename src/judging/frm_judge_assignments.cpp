#include "judging/frm_judge_assignments.h"

#include "database/class_data.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QPlainTextEdit>
#include <algorithm>

FrmJudgeAssignments::FrmJudgeAssignments(RunState& state, QWidget* parent)
    : GridWindow(state, QStringLiteral("FrmJudgeAssignments"), QStringLiteral("Class Judging Assignments"),
                 {1875, false, false, QStringLiteral("lblJudge")}, parent) {
    // Locked, and two lines high: the title is wider than the room left of the class titles.
    m_TxtTitle = new QPlainTextEdit(this);
    m_TxtTitle->setObjectName(QStringLiteral("TxtTitle"));
    m_TxtTitle->setReadOnly(true);
    m_TxtTitle->setAccessibleName(QStringLiteral("Division"));
    m_TxtTitle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_TxtTitle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    WindowGeometry::place(m_TxtTitle, 360, 1080, 2175, 615);
}

bool FrmJudgeAssignments::InitializeForm(const QString& RcvdDivision) {
    m_GridDivision = RcvdDivision;
    m_TxtTitle->setPlainText(QStringLiteral("Judge Assigments Division ") + RcvdDivision);
    QList<ClassRow> classes;
    if (!runReportingErrors(m_state.messages, [&] {
            classes = ClassData::all(m_state.db());
            m_judges = JudgeData::inGridOrder(m_state.db());
            m_stored = JudgeData::assignmentsOfDivision(m_state.db(), RcvdDivision);
        }))
        return false;
    if (m_judges.isEmpty()) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("There are currently no judges entered."));
        return false;
    }

    for (const ClassRow& row : classes)
        grid().setClassMax(row.ClassNumber, JudgesPerClass);
    QStringList captions;
    for (const JudgeRow& judge : std::as_const(m_judges))
        captions << judge.FirstName + QStringLiteral(", ") + judge.LastName;
    buildGrid(classes, captions);
    // Stored ticks go through the click rule like a user's; a class holding more than two
    // shows them all, locked, until Submit's check is met.
    for (const JudgeData::Assignment& assignment : std::as_const(m_stored))
        grid().tick(rowOfJudge(assignment.JudgeID), assignment.ClassNumber);
    return true;
}

int FrmJudgeAssignments::rowOfJudge(qint32 judgeId) const {
    for (int i = 0; i < m_judges.size(); ++i)
        if (m_judges[i].JudgeID == judgeId)
            return i + 1;
    return 0;
}

QString FrmJudgeAssignments::saveQuestion() const {
    return QStringLiteral("You are about to save the changes you have made to the judge assignments. Are you sure you "
                          "want to continue?");
}

QList<JudgeData::Assignment> FrmJudgeAssignments::tickedAssignments() const {
    QList<JudgeData::Assignment> ticked;
    for (int r = 1; r <= grid().rowCount(); ++r)
        for (int c = 1; c <= CheckBoxGrid::Classes; ++c)
            if (grid().isTicked(r, c))
                ticked.append({c, m_judges[r - 1].JudgeID});
    return ticked;
}

// Every class has two judges or none. A judge under whom placings are recorded in a class
// of this division stays on that class: taken off, his placings would still count in the
// standings but could no longer be seen or changed.
bool FrmJudgeAssignments::Validate_Input() {
    for (int c = 1; c <= CheckBoxGrid::Classes; ++c) {
        const int judges = grid().classCount(c);
        if (judges != 0 && judges != JudgesPerClass)
            return refuse(QStringLiteral("You must have %1 assigned to a class").arg(JudgesPerClass));
    }
    const QList<JudgeData::Assignment> ticked = tickedAssignments();
    auto holds = [](const QList<JudgeData::Assignment>& list, int classNumber, qint32 judgeId) {
        return std::any_of(list.begin(), list.end(), [&](const JudgeData::Assignment& a) {
            return a.ClassNumber == classNumber && a.JudgeID == judgeId;
        });
    };
    QList<JudgeData::PlacedJudge> placed;
    if (!runReportingErrors(m_state.messages,
                            [&] { placed = JudgeData::placedJudgesOfDivision(m_state.db(), m_GridDivision); }))
        return false;
    for (const JudgeData::PlacedJudge& p : std::as_const(placed))
        if (holds(m_stored, p.ClassNumber, p.JudgeID) && !holds(ticked, p.ClassNumber, p.JudgeID))
            return refuse(QStringLiteral("Placings are recorded for class %1 under the judge %2 %3 in this division. "
                                         "The judge cannot be taken off that class while the placings stand.")
                              .arg(p.ClassNumber)
                              .arg(p.FirstName, p.LastName));
    return true;
}

bool FrmJudgeAssignments::Store_Input() {
    const QList<JudgeData::Assignment> ticked = tickedAssignments();
    return storeRecord(
        [&] {
            return JudgeData::replaceDivisionAssignments(m_state.db(), m_GridDivision, JudgeData::snapshotOf(m_stored),
                                                         ticked);
        },
        Messages::appTitle(),
        QStringLiteral("The judge assignments of division %1 were changed at another station since this window "
                       "opened them. Your changes were not saved; close this window and open it again to see them.")
            .arg(m_GridDivision));
}
