#include "entries/frm_class_assignments.h"

#include "database/back_number.h"
#include "database/class_data.h"
#include "database/team_list.h"
#include "labels/label_files.h"
#include "ui/check_box_grid.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/twips.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString TwoRelayTeams = QStringLiteral("One rider cannot be involved in two different 2 Person Relay Teams");
} // namespace

frmClassAssignments::frmClassAssignments(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("frmClassAssignments"), QStringLiteral("Class Assignments"),
                  state.ScreenWidth - 100, state.ScreenHeight - 600, parent) {
    m_grid = new CheckBoxGrid(this, {2175, true, true, QStringLiteral("lblrider")});
    m_TxtTeam = new QLineEdit(this);
    m_TxtTeam->setObjectName(QStringLiteral("TxtTeam"));
    m_TxtTeam->setReadOnly(true);
    m_TxtTeam->setAccessibleName(QStringLiteral("Team"));
    WindowGeometry::place(m_TxtTeam, 360, 1320, 2175, 375);
    m_CmdApply = addSubmitButton(QStringLiteral("CmdApply"), QStringLiteral("Submit"), {});
    m_CmdCancel = addCancelButton({});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
}

bool frmClassAssignments::InitializeForm(qint32 rcvdteamCode) {
    move(Twips::toPixels(QPoint(50, 50)));
    m_GridTeamCode = rcvdteamCode;
    QList<ClassRow> classes;
    std::optional<TeamRow> team;
    QList<EntryData::Entry> entries;
    QList<EntryData::Pairing> pairings;
    if (!runReportingErrors(m_state.messages, [&] {
            classes = ClassData::all(m_state.db());
            team = TeamList::find(m_state.db(), rcvdteamCode);
            m_riders = EntryData::ridersOfTeam(m_state.db(), rcvdteamCode);
            entries = EntryData::entriesOfTeam(m_state.db(), rcvdteamCode);
            pairings = EntryData::pairingsOfTeam(m_state.db(), rcvdteamCode);
        }))
        return false;
    if (team)
        m_TxtTeam->setText(team->TeamName + QStringLiteral(" (") + team->Division + u')');
    if (m_riders.isEmpty()) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("This error should not be reached"));
        return false;
    }

    // One title per class number 1 to 17 and the partner column; other numbers have no column.
    QList<QPixmap> titles(CheckBoxGrid::Classes + 1);
    for (const ClassRow& row : classes) {
        m_grid->setClassMax(row.ClassNumber, static_cast<int>(row.MaxEntries));
        if (row.ClassNumber >= 1 && row.ClassNumber <= CheckBoxGrid::Classes)
            titles[row.ClassNumber - 1] =
                QPixmap(LabelFiles::path(m_state.ProgramFolder, LabelFiles::formPrefix(), row.ImagePath));
    }
    titles[CheckBoxGrid::Classes] = QPixmap(
        LabelFiles::path(m_state.ProgramFolder, LabelFiles::formPrefix(), LabelFiles::relayPartnerImage()));
    QStringList captions;
    for (const EntryData::Rider& rider : std::as_const(m_riders))
        captions << rider.FirstName + u' ' + rider.LastName + QStringLiteral(" - (") + rider.RiderNumber + u')';

    m_grid->build(m_state.ScreenWidth - 100, m_state.ScreenHeight - 600, titles, captions);
    m_grid->placeButtons(m_CmdApply, m_CmdCancel);
    Fill_Partner_Lists();
    Load_Existing_Entries(entries, pairings);
    return true;
}

// Every partner box lists the back numbers of all the team's riders, its own included.
void frmClassAssignments::Fill_Partner_Lists() {
    QStringList numbers;
    for (const EntryData::Rider& rider : std::as_const(m_riders))
        numbers << rider.RiderNumber;
    m_grid->setPartnerChoices(numbers);
}

// Stored ticks go through the click rule like a user's; rows of riders no longer in the
// team and class numbers outside the grid are left out.
void frmClassAssignments::Load_Existing_Entries(const QList<EntryData::Entry>& entries,
                                                const QList<EntryData::Pairing>& pairings) {
    auto rowOf = [this](qint32 riderIndex) {
        for (int i = 0; i < m_riders.size(); ++i)
            if (m_riders[i].RiderIndex == riderIndex)
                return i + 1;
        return 0;
    };
    for (const EntryData::Entry& entry : entries)
        m_grid->tick(rowOf(entry.RiderIndex), entry.ClassNumber);
    for (const EntryData::Pairing& pairing : pairings)
        if (const int row = rowOf(pairing.RiderIndex))
            m_grid->setPartnerText(row, pairing.PartnerNumber);
}

bool frmClassAssignments::partnerEnabled(int row) const { return m_grid->partnerBox(row)->isEnabled(); }

QString frmClassAssignments::partnerText(int row) const { return m_grid->partnerText(row); }

int frmClassAssignments::rowOfNumber(const QString& number) const {
    for (int i = 0; i < m_riders.size(); ++i)
        if (BackNumber::same(m_riders[i].RiderNumber, number))
            return i + 1;
    return -1;
}

QString frmClassAssignments::saveQuestion() const {
    return QStringLiteral("This will save all the changes made to this form. There are currently %1 entries for this "
                          "team. Are you sure you want to continue?")
        .arg(m_grid->tickedCount());
}

// The relay rules, in this order: every entrant names a partner; no partner is named
// twice; no entrant is a partner (or his own); every partner is a rider of this team.
// Back numbers compare by value, so "007" and "7" name the same rider.
bool frmClassAssignments::Validate_Input() {
    const int rows = m_grid->rowCount();
    for (int r = 1; r <= rows; ++r) {
        if (!partnerEnabled(r))
            continue;
        if (partnerText(r).isEmpty())
            return refuse(QStringLiteral("All riders entered in the 2 Person Relay must have a relay partner listed"));
        for (int s = r + 1; s <= rows; ++s)
            if (partnerEnabled(s) && BackNumber::same(partnerText(r), partnerText(s)))
                return refuse(TwoRelayTeams);
    }
    for (int r = 1; r <= rows; ++r) {
        if (!m_grid->isTicked(r, CheckBoxGrid::RelayClass))
            continue;
        for (int s = 1; s <= rows; ++s)
            if (partnerEnabled(s) && BackNumber::same(m_riders[r - 1].RiderNumber, partnerText(s)))
                return refuse(TwoRelayTeams);
    }
    for (int r = 1; r <= rows; ++r)
        if (partnerEnabled(r) && rowOfNumber(partnerText(r)) < 0)
            return refuse(QStringLiteral("The relay partner %1 is not a rider of this team.").arg(partnerText(r)));
    return true;
}

bool frmClassAssignments::Store_Input() {
    QList<EntryData::Entry> entries;
    QList<EntryData::Pairing> pairings;
    for (int r = 1; r <= m_grid->rowCount(); ++r) {
        const EntryData::Rider& rider = m_riders[r - 1];
        for (int c = 1; c <= CheckBoxGrid::Classes; ++c) {
            if (!m_grid->isTicked(r, c))
                continue;
            entries.append({c, rider.RiderIndex});
            if (c == CheckBoxGrid::RelayClass && !partnerText(r).isEmpty()) {
                const EntryData::Rider& partner = m_riders[rowOfNumber(partnerText(r)) - 1];
                pairings.append(
                    {rider.RiderIndex, partner.RiderIndex, partner.RiderNumber, partner.FirstName, partner.LastName});
            }
        }
    }
    return runReportingErrors(m_state.messages,
                              [&] { EntryData::replaceTeamEntries(m_state.db(), m_GridTeamCode, entries, pairings); });
}
