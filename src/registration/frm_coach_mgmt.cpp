#include "registration/frm_coach_mgmt.h"

#include "registration/coach_data.h"
#include "registration/registration_reports.h"
#include "registration/team_data.h"
#include "ui/run_state.h"
#include "ui/db_error_reporter.h"
#include "ui/messages.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

FrmCoachMgmt::FrmCoachMgmt(RunState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("FrmCoachMgmt"));
    setWindowTitle(QStringLiteral("Coach Management"));
    setAutoFillBackground(true);
    auto* title = new QLabel(QStringLiteral("Coach Management"), this);
    title->setObjectName(QStringLiteral("LblFormTitle"));
    title->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(title, 120, 240, 8385, 600);

    auto* teamLabel = new QLabel(QStringLiteral("Team"), this);
    WindowGeometry::place(teamLabel, 600, 1020, 900, 330);
    m_CbTeam = new QComboBox(this);
    m_CbTeam->setObjectName(QStringLiteral("CbTeam"));
    WindowGeometry::place(m_CbTeam, 1440, 990, 4080, 360);
    connect(m_CbTeam, &QComboBox::activated, this, &FrmCoachMgmt::CbTeam_Click);

    auto* forLabel = new QLabel(QStringLiteral("Coaches for:"), this);
    WindowGeometry::place(forLabel, 600, 1560, 1300, 330);
    m_LblCurrentTeam = new QLabel(this);
    m_LblCurrentTeam->setObjectName(QStringLiteral("LblCurrentTeam"));
    m_LblCurrentTeam->setFont(QFont(QStringLiteral("Times New Roman"), 10, QFont::Bold));
    WindowGeometry::place(m_LblCurrentTeam, 1920, 1560, 3600, 330);

    m_LbCoaches = new QListWidget(this);
    m_LbCoaches->setObjectName(QStringLiteral("LbCoaches"));
    m_LbCoaches->setSortingEnabled(false);
    WindowGeometry::place(m_LbCoaches, 600, 1980, 4920, 3960);
    connect(m_LbCoaches, &QListWidget::itemClicked, this, &FrmCoachMgmt::LbCoaches_Click);

    int top = 1980;
    auto addButton = [&](const char* name, const QString& caption, void (FrmCoachMgmt::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        WindowGeometry::place(button, 5880, top, 2280, 495);
        connect(button, &QPushButton::clicked, this, handler);
        top += 720;
    };
    addButton("CmdAddCoach", QStringLiteral("Add Coach"), &FrmCoachMgmt::CmdAddCoach_Click);
    addButton("CmdEditCoach", QStringLiteral("Edit Coach"), &FrmCoachMgmt::CmdEditCoach_Click);
    addButton("CmdDeleteCoach", QStringLiteral("Delete Coach"), &FrmCoachMgmt::CmdDeleteCoach_Click);
    top += 1080;
    addButton("CmdCoachReport", QStringLiteral("View Complete Coach List"), &FrmCoachMgmt::CmdCoachReport_Click);
}

void FrmCoachMgmt::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Activate();
}

// Reads the teams afresh; the team chosen before is chosen again, which refills its coaches.
void FrmCoachMgmt::Form_Activate() {
    runReportingDbErrors(m_state.messages, [this] {
        const QList<TeamRow> teams = TeamData::byName(m_state.db());
        m_CbTeam->clear();
        m_LbCoaches->clear();
        m_coachCodes.clear();
        m_LblCurrentTeam->clear();
        m_teamCodes.clear();
        for (const TeamRow& team : teams) {
            m_CbTeam->addItem(team.TeamName + QStringLiteral(" (") + team.Division + u')');
            m_teamCodes.add(team.TeamCode);
        }
        m_CbTeam->setCurrentIndex(-1);
        if (m_selectedTeam == -1)
            return;
        const int position = m_teamCodes.positionOf(m_selectedTeam);
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
    m_selectedTeam = static_cast<qint32>(m_teamCodes.keyAt(position));
    const QString entry = m_CbTeam->currentText();
    // The entry reads "name (division)"; the label shows the name alone.
    m_LblCurrentTeam->setText(entry.left(entry.lastIndexOf(QStringLiteral(" ("))));
    m_selectedCoach = -1;
    runReportingDbErrors(m_state.messages, [this] { Load_Coach_List(); });
}

void FrmCoachMgmt::Load_Coach_List() {
    m_LbCoaches->clear();
    m_coachCodes.clear();
    for (const CoachRow& coach : CoachData::ofTeam(m_state.db(), m_selectedTeam)) {
        m_LbCoaches->addItem(coach.LastName + QStringLiteral(", ") + coach.FirstName + QStringLiteral(" - ") +
                             coach.Position);
        m_coachCodes.add(coach.CoachCode);
    }
}

void FrmCoachMgmt::LbCoaches_Click() {
    const int row = m_LbCoaches->currentRow();
    if (row >= 0)
        m_selectedCoach = static_cast<qint32>(m_coachCodes.keyAt(row));
}

void FrmCoachMgmt::CmdAddCoach_Click() {
    if (m_selectedTeam == -1) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must first select the team you want to add the coach to."));
        return;
    }
    auto* window = new FrmCoach(m_state, this);
    window->Initialize_Add(m_selectedTeam);
    openCoachWindow(window);
}

void FrmCoachMgmt::CmdEditCoach_Click() {
    if (m_selectedCoach == -1) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must first select the coach you want to edit."));
        return;
    }
    auto* window = new FrmCoach(m_state, this);
    if (!window->Initialize_Edit(m_selectedCoach)) {
        window->deleteLater();
        return;
    }
    openCoachWindow(window);
}

void FrmCoachMgmt::openCoachWindow(FrmCoach* window) {
    m_coachWindow = window;
    connect(window, &FrmCoach::closed, this, [this] {
        m_LbCoaches->setFocus();
        Form_Activate();
    });
    window->show();
    window->unsetCursor();
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
    runReportingDbErrors(messages, [this] {
        CoachData::remove(m_state.db(), m_selectedCoach);
        m_selectedCoach = -1;
        Form_Activate();
    });
}

void FrmCoachMgmt::CmdCoachReport_Click() {
    if (QWidget* report = RegistrationReports::showCoachList(m_state, this))
        m_reportWindow = report;
}
