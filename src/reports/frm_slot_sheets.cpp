#include "reports/frm_slot_sheets.h"

#include "reports/report_preparation.h"
#include "reports/sheet_reports.h"
#include "ui/guarded_connect.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/team_choices.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmSlotSheets::FrmSlotSheets(RunState& state, QWidget* parent)
    : ActivityWindow(state, QStringLiteral("FrmSlotSheets"), QStringLiteral("Slot Sheets"), parent) {
    addTitle(QStringLiteral("Slot Sheets"));

    auto* caption = new QLabel(QStringLiteral("Team"), this);
    caption->setObjectName(QStringLiteral("LblTeam"));
    WindowGeometry::place(caption, 1680, 2235, 900, 330);
    m_CbTeam = new QComboBox(this);
    m_CbTeam->setObjectName(QStringLiteral("CbTeam"));
    m_CbTeam->setAccessibleName(QStringLiteral("Team"));
    caption->setBuddy(m_CbTeam);
    WindowGeometry::place(m_CbTeam, 2640, 2200, 4200, 360);

    auto* all = new QPushButton(QStringLiteral("Create All"), this);
    all->setObjectName(QStringLiteral("CmdAll"));
    WindowGeometry::place(all, 1680, 3240, 2400, 495);
    connectGuarded(m_state.messages, all, &QPushButton::clicked, this, &FrmSlotSheets::CmdAll_Click);
    auto* single = new QPushButton(QStringLiteral("Create Single"), this);
    single->setObjectName(QStringLiteral("CmdSingle"));
    WindowGeometry::place(single, 4440, 3240, 2400, 495);
    connectGuarded(m_state.messages, single, &QPushButton::clicked, this, &FrmSlotSheets::CmdSingle_Click);
}

void FrmSlotSheets::Set_Division(const QString& RcvdDivision) {
    m_division = RcvdDivision;
    Fill_Team_Combo();
}

void FrmSlotSheets::Fill_Team_Combo() {
    TeamChoices::fillWithDivision(m_state, m_CbTeam, m_division);
}

void FrmSlotSheets::CmdAll_Click() {
    m_reportWindow = ReportPreparation::show(
        m_state, [this] { return SheetReports::prepareSlotSheets(m_state, m_division); }, this);
}

void FrmSlotSheets::CmdSingle_Click() {
    const qint64 teamCode = KeyedEntries::keyAt(m_CbTeam, m_CbTeam->currentIndex());
    if (teamCode < 0) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must select the team you want to print a slot sheet for."));
        return;
    }
    m_reportWindow = ReportPreparation::show(
        m_state, [&] { return SheetReports::prepareSlotSheet(m_state, static_cast<qint32>(teamCode)); }, this);
}
