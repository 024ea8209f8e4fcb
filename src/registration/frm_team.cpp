#include "registration/frm_team.h"

#include "database/divisions.h"
#include "registration/team_data.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QComboBox>
#include <QLineEdit>

FrmTeam::FrmTeam(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmTeam"), QStringLiteral("Team Form"), 5400, 4200, parent) {
    addTitleLabel(QStringLiteral("Team Form"));
    m_TxtTeam = addTextBox(QStringLiteral("TxtTeam"), QStringLiteral("Team Name"), {1700, 1020, 3300, 360}, 50,
                           CaptionAt::Left);
    m_CbDivision =
        addComboBox(QStringLiteral("CbDivision"), QStringLiteral("Division"), {1700, 1620, 1100, 360}, CaptionAt::Left);
    m_CbDivision->addItems(Divisions::letters());
    m_CbDivision->setCurrentIndex(-1);
    m_TxtDistrict = addTextBox(QStringLiteral("TxtDistrict"), QStringLiteral("District"), {1700, 2220, 1100, 360}, 3,
                               CaptionAt::Left);
    addSubmitButton(QStringLiteral("CmdSubmit"), QStringLiteral("Submit"), {1080, 3180, 1440, 480});
    addCancelButton({2880, 3180, 1440, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

void FrmTeam::Initialize_Add() {
    m_teamCode = -1;
    m_TxtTeam->clear();
}

bool FrmTeam::Initialize_Edit(qint32 Team) {
    m_teamCode = Team;
    std::optional<TeamRow> team;
    if (!runReportingErrors(m_state.messages, [&] { team = TeamList::find(m_state.db(), Team); }))
        return false;
    if (!team) {
        m_state.messages.notice(QStringLiteral("Edit Error"), QStringLiteral("The selected team no longer exists."));
        return false;
    }
    m_TxtTeam->setText(team->TeamName);
    m_CbDivision->setCurrentIndex(static_cast<int>(Divisions::letters().indexOf(team->Division)));
    m_TxtDistrict->setText(team->District);
    return true;
}

QString FrmTeam::validationError() const {
    if (m_TxtTeam->text().isEmpty())
        return QStringLiteral("The Team Name box must be filled in");
    if (m_CbDivision->currentIndex() < 0)
        return QStringLiteral("You must select a division for this team");
    if (m_TxtDistrict->text().isEmpty())
        return QStringLiteral("You must specify the district of this team");
    return {};
}

bool FrmTeam::Store_Input() {
    const TeamRow team{m_teamCode, m_TxtTeam->text(), m_CbDivision->currentText(), m_TxtDistrict->text()};
    return storeRecord(
        [&] { return editing() ? TeamData::update(m_state.db(), team) : (TeamData::insert(m_state.db(), team), true); },
        QStringLiteral("Edit Error"), QStringLiteral("The selected team no longer exists."));
}
