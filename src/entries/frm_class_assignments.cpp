#include "entries/frm_class_assignments.h"

#include "database/back_number.h"
#include "database/class_data.h"
#include "database/team_list.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {
const QString TwoRelayTeams = QStringLiteral("One rider cannot be involved in two different 2 Person Relay Teams");
} // namespace

frmClassAssignments::frmClassAssignments(RunState& state, QWidget* parent)
    : GridWindow(state, QStringLiteral("frmClassAssignments"), QStringLiteral("Class Assignments"),
                 {2175, true, true, QStringLiteral("lblrider")}, parent) {
    m_TxtTeam = new QLineEdit(this);
    m_TxtTeam->setObjectName(QStringLiteral("TxtTeam"));
    m_TxtTeam->setReadOnly(true);
    m_TxtTeam->setAccessibleName(QStringLiteral("Team"));
    WindowGeometry::place(m_TxtTeam, 360, 1320, 2175, 375);
}

bool frmClassAssignments::InitializeForm(qint32 rcvdteamCode) {
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
    m_loaded = EntryData::snapshotOfTeam(m_riders, entries, pairings);
    if (team) {
        m_teamName = team->TeamName;
        m_TxtTeam->setText(team->TeamName + QStringLiteral(" (") + team->Division + u')');
    }
    if (m_riders.isEmpty()) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("This error should not be reached"));
        return false;
    }

    for (const ClassRow& row : classes)
        grid().setClassMax(row.ClassNumber, static_cast<int>(row.MaxEntries));
    QStringList captions;
    for (const EntryData::Rider& rider : std::as_const(m_riders))
        captions << rider.FirstName + u' ' + rider.LastName + QStringLiteral(" - (") + rider.RiderNumber + u')';
    buildGrid(classes, captions);
    Fill_Partner_Lists();
    Load_Existing_Entries(entries, pairings);
    return true;
}

// Every partner box lists the back numbers of all the team's riders, its own included.
void frmClassAssignments::Fill_Partner_Lists() {
    QStringList numbers;
    for (const EntryData::Rider& rider : std::as_const(m_riders))
        numbers << rider.RiderNumber;
    grid().setPartnerChoices(numbers);
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
        grid().tick(rowOf(entry.RiderIndex), entry.ClassNumber);
    for (const EntryData::Pairing& pairing : pairings)
        if (const int row = rowOf(pairing.RiderIndex))
            grid().setPartnerText(row, pairing.PartnerNumber);
}

// Asked of the box itself, not of the partner box's state.
bool frmClassAssignments::relayEntrant(int row) const { return grid().isTicked(row, CheckBoxGrid::RelayClass); }

QString frmClassAssignments::partnerText(int row) const {
    return grid().partnerText(row);
}

int frmClassAssignments::rowOfNumber(const QString& number) const {
    for (int i = 0; i < m_riders.size(); ++i)
        if (BackNumber::same(m_riders[i].RiderNumber, number))
            return i + 1;
    return -1;
}

QString frmClassAssignments::saveQuestion() const {
    return QStringLiteral("This will save all the changes made to this form. There are currently %1 entries for this "
                          "team. Are you sure you want to continue?")
        .arg(grid().tickedCount());
}

// The relay rules, in this order: every entrant names a partner; no partner is named
// twice; no entrant is a partner (or his own); every partner is a rider of this team.
// Back numbers compare by value, so "007" and "7" name the same rider.
bool frmClassAssignments::Validate_Input() {
    const int rows = grid().rowCount();
    for (int r = 1; r <= rows; ++r) {
        if (!relayEntrant(r))
            continue;
        if (partnerText(r).isEmpty())
            return refuse(QStringLiteral("All riders entered in the 2 Person Relay must have a relay partner listed"));
        for (int s = r + 1; s <= rows; ++s)
            if (relayEntrant(s) && BackNumber::same(partnerText(r), partnerText(s)))
                return refuse(TwoRelayTeams);
    }
    for (int r = 1; r <= rows; ++r) {
        if (!relayEntrant(r))
            continue;
        for (int s = 1; s <= rows; ++s)
            if (relayEntrant(s) && BackNumber::same(m_riders[r - 1].RiderNumber, partnerText(s)))
                return refuse(TwoRelayTeams);
    }
    for (int r = 1; r <= rows; ++r)
        if (relayEntrant(r) && rowOfNumber(partnerText(r)) < 0)
            return refuse(QStringLiteral("The relay partner %1 is not a rider of this team.").arg(partnerText(r)));
    return true;
}

bool frmClassAssignments::Store_Input() {
    QList<EntryData::Entry> entries;
    QList<EntryData::Pairing> pairings;
    for (int r = 1; r <= grid().rowCount(); ++r) {
        const EntryData::Rider& rider = m_riders[r - 1];
        for (int c = 1; c <= CheckBoxGrid::Classes; ++c) {
            if (!grid().isTicked(r, c))
                continue;
            entries.append({c, rider.RiderIndex});
            if (c == CheckBoxGrid::RelayClass && !partnerText(r).isEmpty()) {
                const EntryData::Rider& partner = m_riders[rowOfNumber(partnerText(r)) - 1];
                pairings.append(
                    {rider.RiderIndex, partner.RiderIndex, partner.RiderNumber, partner.FirstName, partner.LastName});
            }
        }
    }
    return storeRecord(
        [&] { return EntryData::replaceTeamEntries(m_state.db(), m_GridTeamCode, m_loaded, entries, pairings); },
        Messages::appTitle(),
        QStringLiteral("The entries of the team %1 or its riders were changed at another station since this window "
                       "opened them. Your changes were not saved; close this window and open it again to see them.")
            .arg(m_teamName));
}
