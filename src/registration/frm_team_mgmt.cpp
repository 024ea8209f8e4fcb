#include "registration/frm_team_mgmt.h"

#include "registration/frm_team.h"
#include "registration/team_data.h"
#include "ui/error_reporter.h"
#include "ui/guarded_connect.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QListWidget>

FrmTeamMgmt::FrmTeamMgmt(RunState& state, QWidget* parent)
    : ManagementWindow(state, QStringLiteral("FrmTeamMgmt"), QStringLiteral("Team Management"), parent) {
    m_LbTeam = new QListWidget(this);
    m_LbTeam->setObjectName(QStringLiteral("LbTeam"));
    m_LbTeam->setAccessibleName(QStringLiteral("Teams"));
    m_LbTeam->setSortingEnabled(false);
    WindowGeometry::place(m_LbTeam, 600, 1080, 4800, 4800);
    // Selection follows the mouse and the arrow keys alike.
    connectGuarded(m_state.messages, m_LbTeam, &QListWidget::itemSelectionChanged, this, &FrmTeamMgmt::LbTeam_Click);

    setButtonColumn({5880, 1560, 2100, 840});
    addButton(QStringLiteral("CmdAddTeam"), QStringLiteral("Add Team"), [this] { CmdAddTeam_Click(); });
    addButton(QStringLiteral("CmdEditTeam"), QStringLiteral("Edit Team"), [this] { CmdEditTeam_Click(); });
    addButton(QStringLiteral("CmdDeleteTeam"), QStringLiteral("Delete Team"), [this] { CmdDeleteTeam_Click(); });
}

// Reads the teams afresh and selects again the team that was selected before.
void FrmTeamMgmt::Form_Activate() {
    runReportingErrors(m_state.messages, [this] {
        const QList<TeamRow> teams = TeamList::byName(m_state.db());
        m_LbTeam->clear();
        for (const TeamRow& team : teams)
            KeyedEntries::append(m_LbTeam, team.TeamName + QStringLiteral(" (") + team.Division + u')', team.TeamCode);
        if (m_selectedTeam != -1) {
            const int position = KeyedEntries::positionOf(m_LbTeam, m_selectedTeam);
            if (position < 0)
                m_selectedTeam = -1;
            m_LbTeam->setCurrentRow(position);
        }
    });
}

void FrmTeamMgmt::LbTeam_Click() {
    // Emptied while the list is read afresh: the key stays for the refill to select again.
    const QList<QListWidgetItem*> selected = m_LbTeam->selectedItems();
    if (!selected.isEmpty())
        m_selectedTeam = static_cast<qint32>(KeyedEntries::keyAt(m_LbTeam, m_LbTeam->row(selected.first())));
}

void FrmTeamMgmt::CmdAddTeam_Click() {
    auto* window = new FrmTeam(m_state);
    window->Initialize_Add();
    m_selectedTeam = -1;
    openEntryWindow(window, Beneath::Disabled, m_LbTeam);
}

void FrmTeamMgmt::CmdEditTeam_Click() {
    if (m_selectedTeam == -1) {
        m_state.messages.notice(QStringLiteral("Edit Error"),
                                QStringLiteral("You must select a team before you can edit it"));
        return;
    }
    auto* window = new FrmTeam(m_state);
    if (!window->Initialize_Edit(m_selectedTeam)) {
        window->deleteLater();
        return;
    }
    openEntryWindow(window, Beneath::Disabled, m_LbTeam);
}

void FrmTeamMgmt::CmdDeleteTeam_Click() {
    Messages& messages = m_state.messages;
    if (m_selectedTeam == -1) {
        messages.notice(QStringLiteral("Delete Error"), QStringLiteral("You must select a team to Delete"));
        return;
    }
    runReportingErrors(messages, [&] {
        if (TeamList::hasRiders(m_state.db(), m_selectedTeam)) {
            messages.notice(QStringLiteral("Delete Error"),
                            QStringLiteral("You cannot delete a team that currently has riders belonging to it"));
            return;
        }
        if (!messages.ask(Messages::confirmTitle(),
                          QStringLiteral("You are about to delete the selected team and coaches assigned to it. This "
                                         "action cannot be undone. Are you sure you want to continue?")))
            return;
        if (!TeamData::removeWithCoaches(m_state.db(), m_selectedTeam))
            messages.notice(QStringLiteral("Delete Error"), QStringLiteral("The selected team no longer exists."));
        m_selectedTeam = -1;
        Form_Activate();
    });
}
