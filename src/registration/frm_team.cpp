#include "registration/frm_team.h"

#include "registration/team_data.h"
#include "ui/run_state.h"
#include "ui/db_error_reporter.h"
#include "ui/messages.h"
#include "ui/standard_questions.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QStringList Divisions{"A", "B", "C", "D"};
}

FrmTeam::FrmTeam(RunState& state, QWidget* parent)
    : EntryWindow(QStringLiteral("FrmTeam"), QStringLiteral("Team Form"), 5400, 4200, parent), m_state(state) {
    addTitleLabel(QStringLiteral("Team Form"));

    auto addLabel = [this](const QString& caption, int top) {
        auto* label = new QLabel(caption, this);
        WindowGeometry::place(label, 360, top + 45, 1300, 300);
    };
    addLabel(QStringLiteral("Team Name"), 1020);
    m_TxtTeam = new QLineEdit(this);
    m_TxtTeam->setObjectName(QStringLiteral("TxtTeam"));
    m_TxtTeam->setMaxLength(50);
    WindowGeometry::place(m_TxtTeam, 1700, 1020, 3300, 360);

    addLabel(QStringLiteral("Division"), 1620);
    m_CbDivision = new QComboBox(this);
    m_CbDivision->setObjectName(QStringLiteral("CbDivision"));
    m_CbDivision->addItems(Divisions);
    m_CbDivision->setCurrentIndex(-1);
    WindowGeometry::place(m_CbDivision, 1700, 1620, 1100, 360);

    addLabel(QStringLiteral("District"), 2220);
    m_TxtDistrict = new QLineEdit(this);
    m_TxtDistrict->setObjectName(QStringLiteral("TxtDistrict"));
    m_TxtDistrict->setMaxLength(3);
    WindowGeometry::place(m_TxtDistrict, 1700, 2220, 1100, 360);

    auto* submit = new QPushButton(QStringLiteral("Submit"), this);
    submit->setObjectName(QStringLiteral("CmdSubmit"));
    WindowGeometry::place(submit, 1080, 3180, 1440, 480);
    connect(submit, &QPushButton::clicked, this, &FrmTeam::CmdSubmit_Click);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    WindowGeometry::place(cancel, 2880, 3180, 1440, 480);
    connect(cancel, &QPushButton::clicked, this, &FrmTeam::CmdCancel_Click);

    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

void FrmTeam::Initialize_Add() {
    m_editMode = false;
    m_TxtTeam->clear();
}

bool FrmTeam::Initialize_Edit(qint32 Team) {
    m_editMode = true;
    m_teamCode = Team;
    std::optional<TeamRow> team;
    if (!runReportingDbErrors(m_state.messages, [&] { team = TeamData::find(m_state.db(), Team); }))
        return false;
    if (!team) {
        m_state.messages.notice(QStringLiteral("Edit Error"), QStringLiteral("The selected team no longer exists."));
        return false;
    }
    m_TxtTeam->setText(team->TeamName);
    m_CbDivision->setCurrentIndex(static_cast<int>(Divisions.indexOf(team->Division)));
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

void FrmTeam::CmdSubmit_Click() {
    if (!StandardQuestions::confirmSave(m_state.messages))
        return;
    if (const QString error = validationError(); !error.isEmpty()) {
        m_state.messages.notice(QStringLiteral("Submit Error"), error);
        return;
    }
    const TeamRow team{m_teamCode, m_TxtTeam->text(), m_CbDivision->currentText(), m_TxtDistrict->text()};
    const bool stored = runReportingDbErrors(m_state.messages, [&] {
        if (m_editMode)
            TeamData::update(m_state.db(), team);
        else
            TeamData::insert(m_state.db(), team);
    });
    if (stored)
        close();
}

void FrmTeam::CmdCancel_Click() {
    if (StandardQuestions::confirmCancel(m_state.messages))
        close();
}
