#include "exchange/frm_data_export.h"

#include "database/team_list.h"
#include "exchange/cls_folder_browser.h"
#include "exchange/export_data.h"
#include "exchange/export_run.h"
#include "ui/error_reporter.h"
#include "ui/guarded_connect.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int FirstRowTop = 1300;
constexpr int RowStep = 400;
} // namespace

FrmDataExport::FrmDataExport(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmDataExport"), QStringLiteral("Data Export Utility"), 8400, 6600, parent) {
    addTitleLabel(QStringLiteral("Data Export Utility"), 240, 600)->setObjectName(QStringLiteral("LblTitle"));
    m_TeamScroll = new QScrollBar(Qt::Vertical, this);
    m_TeamScroll->setObjectName(QStringLiteral("TeamScroll"));
    m_TeamScroll->setEnabled(false);
    m_TeamScroll->setRange(0, 0);
    WindowGeometry::place(m_TeamScroll, 7000, FirstRowTop - 100, 255, RowsInView * RowStep);
    connectGuarded(m_state.messages, m_TeamScroll, &QScrollBar::valueChanged, this, &FrmDataExport::TeamScroll_Change);
    m_CmdExport = new QPushButton(QStringLiteral("Export"), this);
    m_CmdExport->setObjectName(QStringLiteral("CmdExport"));
    WindowGeometry::place(m_CmdExport, 2160, 5700, 1560, 480);
    connectGuarded(m_state.messages, m_CmdExport, &QPushButton::clicked, this, &FrmDataExport::CmdExport_Click);
    addKeyButtons(m_CmdExport, nullptr);
    addCancelButton({4680, 5700, 1560, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
    Load_Team_List();
}

void FrmDataExport::Load_Team_List() {
    QList<TeamRow> teams;
    runReportingErrors(m_state.messages, [&] { teams = TeamList::byDivisionAndName(m_state.db()); });
    for (int i = 1; i <= teams.size(); ++i) {
        const TeamRow& team = teams[i - 1];
        auto* label = new QLabel(team.TeamName + QStringLiteral(" (") + team.Division + u')', this);
        label->setObjectName(QStringLiteral("LblTeamArray_%1").arg(i));
        auto* tick = new QCheckBox(this);
        tick->setObjectName(QStringLiteral("CbArray_%1").arg(i));
        tick->setAccessibleName(label->text());
        m_rows.push_back({label, tick, team.TeamCode});
    }
    m_CmdExport->setEnabled(!m_rows.empty());
    if (teamCount() > RowsInView) {
        m_TeamScroll->setRange(0, teamCount() - RowsInView);
        m_TeamScroll->setSingleStep(1);
        m_TeamScroll->setPageStep(1);
        m_TeamScroll->setEnabled(true);
    }
    TeamScroll_Change(0);
}

// Rows value + 1 to value + 10 are in view, from the first row's place down; ticks stay.
void FrmDataExport::TeamScroll_Change(int value) {
    for (int i = 1; i <= teamCount(); ++i) {
        const Row& row = m_rows[static_cast<size_t>(i - 1)];
        const bool inView = i > value && i <= value + RowsInView;
        if (inView) {
            const int top = FirstRowTop + RowStep * (i - value - 1);
            WindowGeometry::place(row.label, 2000, top, 4200, 330);
            WindowGeometry::place(row.tick, 6300, top - 50, 375, 375);
        }
        row.label->setVisible(inView);
        row.tick->setVisible(inView);
    }
}

void FrmDataExport::CmdExport_Click() {
    QString folder;
    if (!runOwnDialog([&] { folder = Cls_Folder_Browser(m_state.fileDialogs).OpenDirectoryTV(QString(), this); }) ||
        folder.isEmpty())
        return;
    QList<qint32> chosen;
    for (const Row& row : m_rows)
        if (row.tick->isChecked())
            chosen << row.teamCode;
    if (ExportRun::exportTeams(m_state, folder, chosen))
        close();
}
