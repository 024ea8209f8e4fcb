#include "registration/frm_rider_mgmt.h"

#include "registration/registration_reports.h"
#include "registration/rider_data.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/error_reporter.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
// In the order of the LbSearchBy entries.
const RiderData::SearchField SearchFields[] = {RiderData::SearchField::LastName, RiderData::SearchField::FirstName,
                                               RiderData::SearchField::RiderNumber, RiderData::SearchField::TeamName};
} // namespace

FrmRiderMgmt::FrmRiderMgmt(RunState& state, QWidget* parent)
    : ManagementWindow(state, QStringLiteral("FrmRiderMgmt"), QStringLiteral("Rider Management"), parent) {
    auto* byLabel = new QLabel(QStringLiteral("Search By:"), this);
    WindowGeometry::place(byLabel, 360, 1020, 1200, 330);
    m_LbSearchBy = new QComboBox(this);
    m_LbSearchBy->setObjectName(QStringLiteral("LbSearchBy"));
    m_LbSearchBy->setAccessibleName(QStringLiteral("Search By"));
    byLabel->setBuddy(m_LbSearchBy);
    WindowGeometry::place(m_LbSearchBy, 1560, 990, 1800, 360);
    auto* forLabel = new QLabel(QStringLiteral("Search For:"), this);
    WindowGeometry::place(forLabel, 3540, 1020, 1200, 330);
    m_TxtSearchFor = new QLineEdit(this);
    m_TxtSearchFor->setObjectName(QStringLiteral("TxtSearchFor"));
    m_TxtSearchFor->setAccessibleName(QStringLiteral("Search For"));
    forLabel->setBuddy(m_TxtSearchFor);
    WindowGeometry::place(m_TxtSearchFor, 4740, 990, 1980, 360);
    auto* search = new QPushButton(QStringLiteral("Search"), this);
    search->setObjectName(QStringLiteral("CmdSearch"));
    search->setDefault(true);
    WindowGeometry::place(search, 6900, 960, 1320, 420);
    connectGuarded(m_state.messages, search, &QPushButton::clicked, this, &FrmRiderMgmt::CmdSearch_Click);
    connectGuarded(m_state.messages, m_TxtSearchFor, &QLineEdit::returnPressed, this, &FrmRiderMgmt::CmdSearch_Click);

    m_LbResults = new QListWidget(this);
    m_LbResults->setObjectName(QStringLiteral("LbResults"));
    m_LbResults->setAccessibleName(QStringLiteral("Riders found"));
    m_LbResults->setSortingEnabled(false);
    m_LbResults->setUniformItemSizes(true);
    WindowGeometry::place(m_LbResults, 360, 1620, 5400, 4380);

    setButtonColumn({6000, 1620, 2280, 720});
    addButton(QStringLiteral("CmdAdd"), QStringLiteral("Add Rider"), [this] { CmdAdd_Click(); });
    addButton(QStringLiteral("CmdEdit"), QStringLiteral("Edit Rider"), [this] { CmdEdit_Click(); });
    addButton(QStringLiteral("CmdDelete"), QStringLiteral("Delete Rider"), [this] { CmdDelete_Click(); });
    skipInColumn(1080);
    addButton(QStringLiteral("CmdRiderReport"), QStringLiteral("View Complete Rider List"),
              [this] { CmdRiderReport_Click(); });

    m_LbSearchBy->addItems({QStringLiteral("Last Name"), QStringLiteral("First Name"), QStringLiteral("Rider Number"),
                            QStringLiteral("Team")});
    m_LbSearchBy->setCurrentIndex(0);
}

void FrmRiderMgmt::Form_Activate() {
    CmdSearch_Click();
}

void FrmRiderMgmt::CmdSearch_Click() {
    const QString typed = m_TxtSearchFor->text();
    const int by = m_LbSearchBy->currentIndex();
    if (typed.isEmpty() || by < 0)
        return;
    runReportingErrors(m_state.messages, [&] {
        const QList<RiderHit> hits = RiderData::search(m_state.db(), SearchFields[by], typed);
        m_LbResults->clear();
        for (const RiderHit& hit : hits)
            KeyedEntries::append(m_LbResults,
                                 hit.RiderNumber + QStringLiteral(" - ") + hit.LastName + QStringLiteral(", ") +
                                     hit.FirstName + QStringLiteral(" (") + hit.TeamName + u')',
                                 hit.RiderIndex);
    });
}

qint32 FrmRiderMgmt::selectedRider() const {
    if (m_LbResults->selectedItems().isEmpty())
        return -1;
    return static_cast<qint32>(KeyedEntries::keyAt(m_LbResults, m_LbResults->currentRow()));
}

void FrmRiderMgmt::CmdAdd_Click() {
    auto* window = new FrmRider(m_state);
    window->Initialize_Add();
    openEntryWindow(window, Beneath::StayEnabled);
}

void FrmRiderMgmt::CmdEdit_Click() {
    const qint32 rider = selectedRider();
    if (rider == -1) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must first select the rider you want to edit."));
        return;
    }
    auto* window = new FrmRider(m_state);
    if (!window->Initialize_Edit(rider)) {
        window->deleteLater();
        return;
    }
    openEntryWindow(window, Beneath::StayEnabled);
}

void FrmRiderMgmt::CmdDelete_Click() {
    Messages& messages = m_state.messages;
    const qint32 rider = selectedRider();
    if (rider == -1) {
        messages.notice(Messages::appTitle(), QStringLiteral("You must first select the rider you want to delete."));
        return;
    }
    runReportingErrors(messages, [&] {
        if (RiderData::isEntered(m_state.db(), rider)) {
            messages.notice(Messages::appTitle(),
                            QStringLiteral("You may not delete a rider who is entered in a class."));
            return;
        }
        // A relay pair naming a deleted rider would name no one.
        if (RiderData::isRelayPartner(m_state.db(), rider)) {
            messages.notice(Messages::appTitle(),
                            QStringLiteral("You may not delete a rider who is another rider's relay partner."));
            return;
        }
        if (!messages.ask(Messages::confirmTitle(), QStringLiteral("You are about to delete the selected rider. This "
                                                                   "action cannot be undone. Are you sure you want "
                                                                   "to continue?")))
            return;
        if (!RiderData::remove(m_state.db(), rider))
            messages.notice(Messages::appTitle(), QStringLiteral("The selected rider no longer exists."));
        CmdSearch_Click();
    });
}

void FrmRiderMgmt::CmdRiderReport_Click() {
    if (QWidget* report = RegistrationReports::showRiderList(m_state, this))
        m_reportWindow = report;
}
