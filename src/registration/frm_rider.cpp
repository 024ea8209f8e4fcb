#include "registration/frm_rider.h"

#include "database/db_exception.h"
#include "database/back_number.h"
#include "registration/rider_data.h"
#include "registration/team_data.h"
#include "ui/keyed_entries.h"
#include "ui/run_state.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString InvalidNumber = QStringLiteral("The specified rider number is invalid.");

struct BoxPlace {
    const char* caption;
    int left, top, width, maxLength;
};
// Box 0 takes any length: a number too long for the field is refused with its own message.
const BoxPlace BoxPlaces[6] = {
    {"Rider's Number", 360, 1140, 1560, 32767}, {"First", 360, 2280, 3300, 50}, {"Last", 3960, 2280, 3300, 50},
    {"Address", 360, 3000, 6900, 50},           {"City", 360, 3720, 4500, 50},  {"Zip", 5160, 3720, 2100, 10}};
} // namespace

FrmRider::FrmRider(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmRider"), QStringLiteral("Rider Edit Form"), 7620, 5400, parent) {
    addTitleLabel(QStringLiteral("Update Rider Information"));
    addCaption(QStringLiteral("Rider's Name"), {360, 1680, 3000, 280})
        ->setFont(QFont(QStringLiteral("Times New Roman"), 10, QFont::Bold));
    for (int i = 0; i < 6; ++i) {
        const BoxPlace& place = BoxPlaces[i];
        m_RiderListBoxArray[static_cast<size_t>(i)] =
            addTextBox(QStringLiteral("RiderListBoxArray_%1").arg(i), QString::fromUtf8(place.caption),
                       {place.left, place.top, place.width, 360}, place.maxLength);
    }
    m_LbTeamCode = addComboBox(QStringLiteral("LbTeamCode"), QStringLiteral("Team"), {2160, 1140, 5100, 360});
    addSubmitButton(QStringLiteral("CmdSave"), QStringLiteral("Save"), {1920, 4560, 1560, 480});
    addCancelButton({4140, 4560, 1560, 480});
    Form_Load();
}

void FrmRider::Form_Load() {
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
    runReportingErrors(m_state.messages, [this] {
        for (const TeamRow& team : TeamList::byName(m_state.db())) {
            KeyedEntries::append(m_LbTeamCode, team.TeamName, team.TeamCode);
        }
    });
    m_LbTeamCode->setCurrentIndex(-1);
}

QString FrmRider::box(int index) const {
    return m_RiderListBoxArray[static_cast<size_t>(index)]->text();
}

void FrmRider::Initialize_Add() {
    m_riderIndex = -1;
    for (QLineEdit* b : m_RiderListBoxArray)
        b->clear();
    m_LbTeamCode->setCurrentIndex(-1);
}

bool FrmRider::Initialize_Edit(qint32 RcvdRiderIndex) {
    m_riderIndex = RcvdRiderIndex;
    std::optional<RiderRow> rider;
    if (!runReportingErrors(m_state.messages, [&] { rider = RiderData::find(m_state.db(), RcvdRiderIndex); }))
        return false;
    if (!rider) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("The selected rider no longer exists."));
        return false;
    }
    const QString fields[6] = {rider->RiderNumber, rider->FirstName, rider->LastName,
                               rider->Address,     rider->City,      rider->Zip};
    for (int i = 0; i < 6; ++i)
        m_RiderListBoxArray[static_cast<size_t>(i)]->setText(fields[i]);
    m_LbTeamCode->setCurrentIndex(KeyedEntries::positionOf(m_LbTeamCode, rider->TeamCode));
    return true;
}

bool FrmRider::ValidTeam() {
    if (m_LbTeamCode->currentIndex() >= 0)
        return true;
    m_state.messages.notice(Messages::appTitle(), QStringLiteral("A team must be selected in the Team box"));
    return false;
}

// Checks in order: missing input, a number that is no whole number, a number another rider
// holds (by value), a number too long to store. Stores the rider only when all pass.
bool FrmRider::Save_Rider() {
    Messages& messages = m_state.messages;
    if (box(0).isEmpty() || box(1).isEmpty() || box(2).isEmpty() || m_LbTeamCode->currentIndex() < 0) {
        messages.notice(Messages::appTitle(),
                        QStringLiteral("The rider cannot be saved due to missing information. Make sure you have "
                                       "filled in the riders 'first name', 'last name', 'team', and 'rider number' "
                                       "and try again."),
                        Messages::Icon::Exclamation);
        return false;
    }
    if (!BackNumber::value(box(0))) {
        messages.notice(Messages::appTitle(), InvalidNumber);
        return false;
    }
    bool stored = false;
    auto numberHeld = [&] {
        messages.notice(Messages::appTitle(),
                        QStringLiteral("The specified rider number is currently assigned to another rider."));
    };
    runReportingErrors(messages, [&] {
        // Asked here for the order of the checks; store asks again where it counts, under the write lock.
        if (RiderData::numberHeldByOther(m_state.db(), box(0), m_riderIndex)) {
            numberHeld();
            return;
        }
        if (box(0).size() > BackNumber::MaxLength) {
            messages.notice(Messages::appTitle(), InvalidNumber);
            return;
        }
        RiderRow rider{m_riderIndex,
                       box(0),
                       box(1),
                       box(2),
                       box(3),
                       box(4),
                       box(5),
                       static_cast<qint32>(KeyedEntries::keyAt(m_LbTeamCode, m_LbTeamCode->currentIndex()))};
        const qint32 index = RiderData::store(m_state.db(), rider);
        if (index == RiderData::NumberHeld) {
            numberHeld();
            return;
        }
        if (index == RiderData::RiderGone) {
            messages.notice(Messages::appTitle(), QStringLiteral("The selected rider no longer exists."));
            return;
        }
        m_riderIndex = index;
        stored = true;
    });
    return stored;
}
