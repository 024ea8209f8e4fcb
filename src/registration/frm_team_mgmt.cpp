#include "registration/frm_team_mgmt.h"

#include "registration/frm_team.h"
#include "registration/team_data.h"
#include "ui/activity_host.h"
#include "ui/run_state.h"
#include "ui/db_error_reporter.h"
#include "ui/messages.h"
#include "ui/window_geometry.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

FrmTeamMgmt::FrmTeamMgmt(RunState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("FrmTeamMgmt"));
    setWindowTitle(QStringLiteral("Team Management"));
    setAutoFillBackground(true);
    auto* title = new QLabel(QStringLiteral("Team Management"), this);
    title->setObjectName(QStringLiteral("LblFormTitle"));
    title->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(title, 120, 240, 8385, 600);

    m_LbTeam = new QListWidget(this);
    m_LbTeam->setObjectName(QStringLiteral("LbTeam"));
    m_LbTeam->setSortingEnabled(false);
    WindowGeometry::place(m_LbTeam, 600, 1080, 4800, 4800);
    connect(m_LbTeam, &QListWidget::itemClicked, this, &FrmTeamMgmt::LbTeam_Click);

    int top = 1560;
    auto addButton = [&](const char* name, const QString& caption, void (FrmTeamMgmt::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        WindowGeometry::place(button, 5880, top, 2100, 495);
        connect(button, &QPushButton::clicked, this, handler);
        top += 840;
    };
    addButton("CmdAddTeam", QStringLiteral("Add Team"), &FrmTeamMgmt::CmdAddTeam_Click);
    addButton("CmdEditTeam", QStringLiteral("Edit Team"), &FrmTeamMgmt::CmdEditTeam_Click);
    addButton("CmdDeleteTeam", QStringLiteral("Delete Team"), &FrmTeamMgmt::CmdDeleteTeam_Click);
}

FrmTeamMgmt::~FrmTeamMgmt() {
    if (m_teamWindow)
        m_teamWindow->close();
}

void FrmTeamMgmt::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Activate();
}

// Reads the teams afresh and selects again the team that was selected before.
void FrmTeamMgmt::Form_Activate() {
    runReportingDbErrors(m_state.messages, [this] {
        const QList<TeamRow> teams = TeamData::byName(m_state.db());
        m_LbTeam->clear();
        m_teamCodes.clear();
        for (const TeamRow& team : teams) {
            m_LbTeam->addItem(team.TeamName + QStringLiteral(" (") + team.Division + u')');
            m_teamCodes.add(team.TeamCode);
        }
        if (m_selectedTeam != -1) {
            const int position = m_teamCodes.positionOf(m_selectedTeam);
            if (position < 0)
                m_selectedTeam = -1;
            m_LbTeam->setCurrentRow(position);
        }
    });
}

void FrmTeamMgmt::LbTeam_Click() {
    const int row = m_LbTeam->currentRow();
    if (row >= 0)
        m_selectedTeam = static_cast<qint32>(m_teamCodes.keyAt(row));
}

void FrmTeamMgmt::CmdAddTeam_Click() {
    auto* window = new FrmTeam(m_state);
    window->Initialize_Add();
    m_selectedTeam = -1;
    openTeamWindow(window);
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
    openTeamWindow(window);
}

void FrmTeamMgmt::openTeamWindow(FrmTeam* window) {
    m_teamWindow = window;
    connect(window, &FrmTeam::closed, this, &FrmTeamMgmt::teamWindowClosed);
    window->show();
    window->unsetCursor();
    if (m_state.host)
        m_state.host->setHostEnabled(false);
    setEnabled(false);
}

void FrmTeamMgmt::teamWindowClosed() {
    if (m_state.host)
        m_state.host->setHostEnabled(true);
    setEnabled(true);
    m_LbTeam->setFocus();
    Form_Activate();
}

void FrmTeamMgmt::CmdDeleteTeam_Click() {
    Messages& messages = m_state.messages;
    if (m_selectedTeam == -1) {
        messages.notice(QStringLiteral("Delete Error"), QStringLiteral("You must select a team to Delete"));
        return;
    }
    runReportingDbErrors(messages, [&] {
        if (TeamData::hasRiders(m_state.db(), m_selectedTeam)) {
            messages.notice(QStringLiteral("Delete Error"),
                            QStringLiteral("You cannot delete a team that currently has riders belonging to it"));
            return;
        }
        if (!messages.ask(Messages::confirmTitle(),
                          QStringLiteral("You are about to delete the selected team and coaches assigned to it. This "
                                         "action cannot be undone. Are you sure you want to continue?")))
            return;
        TeamData::removeWithCoaches(m_state.db(), m_selectedTeam);
        m_selectedTeam = -1;
        Form_Activate();
    });
}
