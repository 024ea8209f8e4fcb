#include "entries/frm_entries.h"

#include "database/team_list.h"
#include "entries/frm_class_assignments.h"
#include "ui/error_reporter.h"
#include "ui/guarded_connect.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/team_choices.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmEntries::FrmEntries(RunState& state, QWidget* parent)
    : ActivityWindow(state, QStringLiteral("FrmEntries"), QStringLiteral("Rider Entries"), parent) {
    addTitle(QStringLiteral("Rider Entries"));

    auto* team = new QLabel(QStringLiteral("Team"), this);
    team->setObjectName(QStringLiteral("LblTeam"));
    WindowGeometry::place(team, 1680, 2235, 900, 330);
    m_CbTeamName = new QComboBox(this);
    m_CbTeamName->setObjectName(QStringLiteral("CbTeamName"));
    m_CbTeamName->setAccessibleName(QStringLiteral("Team"));
    team->setBuddy(m_CbTeamName);
    WindowGeometry::place(m_CbTeamName, 2640, 2200, 4200, 360);

    auto* add = new QPushButton(QStringLiteral("Add Entries"), this);
    add->setObjectName(QStringLiteral("CmdSubmit"));
    WindowGeometry::place(add, 3600, 3240, 2100, 495);
    connectGuarded(m_state.messages, add, &QPushButton::clicked, this, &FrmEntries::CmdSubmit_Click);
    addKeyButtons(add, nullptr);
}

void FrmEntries::Set_Division(const QString& RcvdDivision) {
    m_division = RcvdDivision;
    TeamChoices::fillWithDivision(m_state, m_CbTeamName, m_division);
}

void FrmEntries::CmdSubmit_Click() {
    Messages& messages = m_state.messages;
    const qint64 teamCode = KeyedEntries::keyAt(m_CbTeamName, m_CbTeamName->currentIndex());
    if (teamCode < 0) {
        messages.notice(Messages::appTitle(), QStringLiteral("Please Provide the Team to be Entered"));
        return;
    }
    bool hasRiders = false;
    if (!runReportingErrors(messages, [&] {
            hasRiders = TeamList::hasRiders(m_state.db(), static_cast<qint32>(teamCode));
        }))
        return;
    if (!hasRiders) {
        messages.notice(Messages::appTitle(), QStringLiteral("There are currently no riders for the selected team."));
        return;
    }
    auto* grid = new frmClassAssignments(m_state);
    if (!grid->InitializeForm(static_cast<qint32>(teamCode))) {
        grid->deleteLater();
        return;
    }
    openSubWindow(grid, Beneath::Disabled, [this] { m_CbTeamName->setFocus(); });
}
