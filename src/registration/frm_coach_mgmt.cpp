#include "registration/frm_coach_mgmt.h"

#include "registration/coach_data.h"
#include "registration/registration_reports.h"
#include "registration/team_data.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/error_reporter.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

FrmCoachMgmt::FrmCoachMgmt(RunState& state, QWidget* parent)
    : ManagementWindow(state, QStringLiteral("FrmCoachMgmt"), QStringLiteral("Coach Management"), parent) {
    auto* teamLabel = new QLabel(QStringLiteral("Team"), this);
    WindowGeometry::place(teamLabel, 600, 1020, 900, 330);
    m_CbTeam = new QComboBox(this);
    m_CbTeam->setObjectName(QStringLiteral("CbTeam"));
    m_CbTeam->setAccessibleName(QStringLiteral("Team"));
    teamLabel->setBuddy(m_CbTeam);
    WindowGeometry::place(m_CbTeam, 1440, 990, 4080, 360);
    connectGuarded(m_state.messages, m_CbTeam, &QComboBox::activated, this, &FrmCoachMgmt::CbTeam_Click);

    auto* forLabel = new QLabel(QStringLiteral("Coaches for:"), this);
    WindowGeometry::place(forLabel, 600, 1560, 1300, 330);
    m_LblCurrentTeam = new QLabel(this);
    m_LblCurrentTeam->setObjectName(QStringLiteral("LblCurrentTeam"));
    m_LblCurrentTeam->setFont(QFont(QStringLiteral("Times New Roman"), 10, QFont::Bold));
    WindowGeometry::place(m_LblCurrentTeam, 1920, 1560, 3600, 330);

    m_LbCoaches = new QListWidget(this);
    m_LbCoaches->setObjectName(QStringLiteral("LbCoaches"));
    m_LbCoaches->setAccessibleName(QStringLiteral("Coaches"));
    m_LbCoaches->setSortingEnabled(false);
    WindowGeometry::place(m_LbCoaches, 600, 1980, 4920, 3960);
    // Selection follows the mouse and the arrow keys alike.
    connectGuarded(m_state.messages, m_LbCoaches, &QListWidget::itemSelectionChanged, this, &FrmCoachMgmt::LbCoaches_Click);

    setButtonColumn({5880, 1980, 2280, 720});
    addButton(QStringLiteral("CmdAddCoach"), QStringLiteral("Add Coach"), [this] { CmdAddCoach_Click(); });
    addButton(QStringLiteral("CmdEditCoach"), QStringLiteral("Edit Coach"), [this] { CmdEditCoach_Click(); });
    addButton(QStringLiteral("CmdDeleteCoach"), QStringLiteral("Delete Coach"), [this] { CmdDeleteCoach_Click(); });
    skipInColumn(1080);
    addButton(QStringLiteral("CmdCoachReport"), QStringLiteral("View Complete Coach List"),
              [this] { CmdCoachReport_Click(); });
}

// Reads the teams afresh; the team chosen before is chosen again, which refills its coaches.
void FrmCoachMgmt::Form_Activate() {
    runReportingErrors(m_state.messages, [this] {
        const QList<TeamRow> teams = TeamList::byName(m_state.db());
        m_CbTeam->clear();
        m_LbCoaches->clear();
        m_LblCurrentTeam->clear();
        for (const TeamRow& team : teams)
            KeyedEntries::append(m_CbTeam, team.TeamName + QStringLiteral(" (") + team.Division + u')', team.TeamCode);
        m_CbTeam->setCurrentIndex(-1);
        if (m_selectedTeam == -1)
            return;
        const int position = KeyedEntries::positionOf(m_CbTeam, m_selectedTeam);
        if (position < 0) {
            m_selectedTeam = -1;
            m_selectedCoach = -1;
            return;
        }
        m_CbTeam->setCurrentIndex(position);
        CbTeam_Click();
    });
}

void FrmCoachMgmt::CbTeam_Click() {
    const int position = m_CbTeam->currentIndex();
    if (position < 0)
        return;
    m_selectedTeam = static_cast<qint32>(KeyedEntries::keyAt(m_CbTeam, position));
    const QString entry = m_CbTeam->currentText();
    // The entry reads "name (division)"; the label shows the name alone.
    m_LblCurrentTeam->setText(entry.left(entry.lastIndexOf(QStringLiteral(" ("))));
    m_selectedCoach = -1;
    runReportingErrors(m_state.messages, [this] { Load_Coach_List(); });
}

void FrmCoachMgmt::Load_Coach_List() {
    m_LbCoaches->clear();
    for (const CoachRow& coach : CoachData::ofTeam(m_state.db(), m_selectedTeam))
        KeyedEntries::append(m_LbCoaches,
                             coach.LastName + QStringLiteral(", ") + coach.FirstName + QStringLiteral(" - ") +
                                 coach.Position,
                             coach.CoachCode);
}

void FrmCoachMgmt::LbCoaches_Click() {
    // Emptied while the list is read afresh: the key stays for the refill to select again.
    const QList<QListWidgetItem*> selected = m_LbCoaches->selectedItems();
    if (!selected.isEmpty())
        m_selectedCoach = static_cast<qint32>(KeyedEntries::keyAt(m_LbCoaches, m_LbCoaches->row(selected.first())));
}

void FrmCoachMgmt::CmdAddCoach_Click() {
    if (m_selectedTeam == -1) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must first select the team you want to add the coach to."));
        return;
    }
    auto* window = new FrmCoach(m_state);
    window->Initialize_Add(m_selectedTeam);
    openEntryWindow(window, Beneath::StayEnabled, m_LbCoaches);
}

void FrmCoachMgmt::CmdEditCoach_Click() {
    if (m_selectedCoach == -1) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must first select the coach you want to edit."));
        return;
    }
    auto* window = new FrmCoach(m_state);
    if (!window->Initialize_Edit(m_selectedCoach)) {
        window->deleteLater();
        return;
    }
    openEntryWindow(window, Beneath::StayEnabled, m_LbCoaches);
}

void FrmCoachMgmt::CmdDeleteCoach_Click() {
    Messages& messages = m_state.messages;
    if (m_selectedCoach == -1) {
        messages.notice(QStringLiteral("Delete Error"), QStringLiteral("You must select a coach to delete"));
        return;
    }
    if (!messages.ask(Messages::confirmTitle(), QStringLiteral("Clicking OK will delete the selected Coach and cannot "
                                                               "be undone. Are you sure you want to continue?")))
        return;
    runReportingErrors(messages, [this] {
        if (!CoachData::remove(m_state.db(), m_selectedCoach))
            m_state.messages.notice(Messages::appTitle(), QStringLiteral("The selected coach no longer exists."));
        m_selectedCoach = -1;
        Form_Activate();
    });
}

void FrmCoachMgmt::CmdCoachReport_Click() {
    if (QWidget* report = RegistrationReports::showCoachList(m_state, this))
        m_reportWindow = report;
}
