#include "judging/frm_judge_mgmt.h"

#include "judging/judge_data.h"
#include "ui/error_reporter.h"
#include "ui/guarded_connect.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QListWidget>

FrmJudgeMgmt::FrmJudgeMgmt(RunState& state, QWidget* parent)
    : ManagementWindow(state, QStringLiteral("FrmJudgeMgmt"), QStringLiteral("Judges Information Form"), parent,
                       QStringLiteral("lblJudges")) {
    m_LbJudges = new QListWidget(this);
    m_LbJudges->setObjectName(QStringLiteral("LbJudges"));
    m_LbJudges->setAccessibleName(QStringLiteral("Judges"));
    m_LbJudges->setSortingEnabled(false);
    WindowGeometry::place(m_LbJudges, 600, 1080, 4800, 4800);
    // Selection follows the mouse and the arrow keys alike.
    connectGuarded(m_state.messages, m_LbJudges, &QListWidget::itemSelectionChanged, this, &FrmJudgeMgmt::LbJudges_Click);

    setButtonColumn({5880, 1560, 2100, 840});
    addButton(QStringLiteral("CmdAddJudge"), QStringLiteral("Add Judge"), [this] { CmdAddJudge_Click(); });
    addButton(QStringLiteral("CmdEditJudge"), QStringLiteral("Edit Judge"), [this] { CmdEditJudge_Click(); });
    addButton(QStringLiteral("CmdDeleteJudge"), QStringLiteral("Delete Judge"), [this] { CmdDeleteJudge_Click(); });
}

// Reads the judges afresh. The selected judge stays selected, and shows so in the list.
void FrmJudgeMgmt::Form_Activate() {
    runReportingErrors(m_state.messages, [this] {
        const QList<JudgeRow> judges = JudgeData::byLastName(m_state.db());
        m_LbJudges->clear();
        for (const JudgeRow& judge : judges)
            KeyedEntries::append(m_LbJudges, judge.LastName + QStringLiteral(", ") + judge.FirstName, judge.JudgeID);
        if (m_selectedJudge != -1) {
            const int position = KeyedEntries::positionOf(m_LbJudges, m_selectedJudge);
            if (position < 0)
                m_selectedJudge = -1;
            m_LbJudges->setCurrentRow(position);
        }
    });
}

void FrmJudgeMgmt::LbJudges_Click() {
    // Emptied while the list is read afresh: the key stays for the refill to select again.
    const QList<QListWidgetItem*> selected = m_LbJudges->selectedItems();
    if (!selected.isEmpty())
        m_selectedJudge = static_cast<qint32>(KeyedEntries::keyAt(m_LbJudges, m_LbJudges->row(selected.first())));
}

void FrmJudgeMgmt::CmdAddJudge_Click() {
    auto* window = new FrmJudge(m_state);
    window->Initialize_Add();
    openEntryWindow(window, Beneath::Disabled, m_LbJudges);
}

void FrmJudgeMgmt::CmdEditJudge_Click() {
    if (m_selectedJudge == -1) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must first select the Judge you want to edit."));
        return;
    }
    auto* window = new FrmJudge(m_state);
    if (!window->Initialize_Edit(m_selectedJudge)) {
        window->deleteLater();
        return;
    }
    openEntryWindow(window, Beneath::Disabled, m_LbJudges);
}

// A judge with assignments, or with placings recorded under him, stays: the placings
// would otherwise vanish from the results while the standings still count them.
void FrmJudgeMgmt::CmdDeleteJudge_Click() {
    Messages& messages = m_state.messages;
    if (m_selectedJudge == -1) {
        messages.notice(QStringLiteral("Delete Error"), QStringLiteral("You must select a Judge to delete."));
        return;
    }
    runReportingErrors(messages, [&] {
        if (JudgeData::hasAssignments(m_state.db(), m_selectedJudge)) {
            messages.notice(Messages::appTitle(),
                            QStringLiteral("The judge cannot be deleted as long as a class is assigned to them."));
            return;
        }
        if (JudgeData::hasPlacings(m_state.db(), m_selectedJudge)) {
            messages.notice(Messages::appTitle(),
                            QStringLiteral("The judge cannot be deleted as long as placings are recorded under them."));
            return;
        }
        if (!messages.ask(Messages::confirmTitle(),
                          QStringLiteral("Clicking OK will delete the selected Judge and cannot be undone. Are you "
                                         "sure you want to continue?")))
            return;
        if (!JudgeData::remove(m_state.db(), m_selectedJudge))
            messages.notice(QStringLiteral("Delete Error"), QStringLiteral("The selected judge no longer exists."));
        m_selectedJudge = -1;
        Form_Activate();
    });
}
