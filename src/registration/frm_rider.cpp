#include "registration/frm_rider.h"

#include "database/db_exception.h"
#include "registration/back_number.h"
#include "registration/rider_data.h"
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
    : EntryWindow(QStringLiteral("FrmRider"), QStringLiteral("Rider Edit Form"), 7620, 5400, parent), m_state(state) {
    addTitleLabel(QStringLiteral("Update Rider Information"));
    auto* nameLabel = new QLabel(QStringLiteral("Rider's Name"), this);
    nameLabel->setFont(QFont(QStringLiteral("Times New Roman"), 10, QFont::Bold));
    WindowGeometry::place(nameLabel, 360, 1680, 3000, 280);
    for (int i = 0; i < 6; ++i) {
        const BoxPlace& place = BoxPlaces[i];
        auto* label = new QLabel(QString::fromUtf8(place.caption), this);
        WindowGeometry::place(label, place.left, place.top - 290, place.width, 280);
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("RiderListBoxArray_%1").arg(i));
        box->setMaxLength(place.maxLength);
        WindowGeometry::place(box, place.left, place.top, place.width, 360);
        m_RiderListBoxArray[static_cast<size_t>(i)] = box;
    }
    auto* teamLabel = new QLabel(QStringLiteral("Team"), this);
    WindowGeometry::place(teamLabel, 2160, 850, 3000, 280);
    m_LbTeamCode = new QComboBox(this);
    m_LbTeamCode->setObjectName(QStringLiteral("LbTeamCode"));
    WindowGeometry::place(m_LbTeamCode, 2160, 1140, 5100, 360);

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("CmdSave"));
    WindowGeometry::place(save, 1920, 4560, 1560, 480);
    connect(save, &QPushButton::clicked, this, &FrmRider::CmdSave_Click);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    WindowGeometry::place(cancel, 4140, 4560, 1560, 480);
    connect(cancel, &QPushButton::clicked, this, &FrmRider::CmdCancel_Click);

    Form_Load();
}

void FrmRider::Form_Load() {
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
    runReportingDbErrors(m_state.messages, [this] {
        for (const TeamRow& team : TeamData::byName(m_state.db())) {
            m_LbTeamCode->addItem(team.TeamName);
            m_teamCodes.add(team.TeamCode);
        }
    });
    m_LbTeamCode->setCurrentIndex(-1);
}

QString FrmRider::box(int index) const {
    return m_RiderListBoxArray[static_cast<size_t>(index)]->text();
}

void FrmRider::Initialize_Add() {
    m_editMode = false;
    m_riderIndex = -1;
    for (QLineEdit* b : m_RiderListBoxArray)
        b->clear();
    m_LbTeamCode->setCurrentIndex(-1);
}

bool FrmRider::Initialize_Edit(qint32 RcvdRiderIndex) {
    m_editMode = true;
    m_riderIndex = RcvdRiderIndex;
    std::optional<RiderRow> rider;
    if (!runReportingDbErrors(m_state.messages, [&] { rider = RiderData::find(m_state.db(), RcvdRiderIndex); }))
        return false;
    if (!rider) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("The selected rider no longer exists."));
        return false;
    }
    const QString fields[6] = {rider->RiderNumber, rider->FirstName, rider->LastName,
                               rider->Address,     rider->City,      rider->Zip};
    for (int i = 0; i < 6; ++i)
        m_RiderListBoxArray[static_cast<size_t>(i)]->setText(fields[i]);
    m_LbTeamCode->setCurrentIndex(m_teamCodes.positionOf(rider->TeamCode));
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
    runReportingDbErrors(messages, [&] {
        if (RiderData::numberHeldByOther(m_state.db(), box(0), m_editMode ? m_riderIndex : -1)) {
            messages.notice(Messages::appTitle(),
                            QStringLiteral("The specified rider number is currently assigned to another rider."));
            return;
        }
        if (box(0).size() > BackNumber::MaxLength) {
            messages.notice(Messages::appTitle(), InvalidNumber);
            return;
        }
        RiderRow rider{m_editMode ? m_riderIndex : -1,
                       box(0),
                       box(1),
                       box(2),
                       box(3),
                       box(4),
                       box(5),
                       static_cast<qint32>(m_teamCodes.keyAt(m_LbTeamCode->currentIndex()))};
        m_riderIndex = RiderData::store(m_state.db(), rider);
        stored = true;
    });
    return stored;
}

void FrmRider::CmdSave_Click() {
    if (!StandardQuestions::confirmSave(m_state.messages))
        return;
    if (!ValidTeam())
        return;
    if (Save_Rider())
        close();
}

void FrmRider::CmdCancel_Click() {
    if (StandardQuestions::confirmCancel(m_state.messages))
        close();
}
