#include "registration/frm_rider_mgmt.h"

#include "registration/registration_reports.h"
#include "registration/rider_data.h"
#include "ui/run_state.h"
#include "ui/db_error_reporter.h"
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

FrmRiderMgmt::FrmRiderMgmt(RunState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("FrmRiderMgmt"));
    setWindowTitle(QStringLiteral("Rider Management"));
    setAutoFillBackground(true);
    auto* title = new QLabel(QStringLiteral("Rider Management"), this);
    title->setObjectName(QStringLiteral("LblFormTitle"));
    title->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(title, 120, 240, 8385, 600);

    auto* byLabel = new QLabel(QStringLiteral("Search By:"), this);
    WindowGeometry::place(byLabel, 360, 1020, 1200, 330);
    m_LbSearchBy = new QComboBox(this);
    m_LbSearchBy->setObjectName(QStringLiteral("LbSearchBy"));
    WindowGeometry::place(m_LbSearchBy, 1560, 990, 1800, 360);
    auto* forLabel = new QLabel(QStringLiteral("Search For:"), this);
    WindowGeometry::place(forLabel, 3540, 1020, 1200, 330);
    m_TxtSearchFor = new QLineEdit(this);
    m_TxtSearchFor->setObjectName(QStringLiteral("TxtSearchFor"));
    WindowGeometry::place(m_TxtSearchFor, 4740, 990, 1980, 360);
    auto* search = new QPushButton(QStringLiteral("Search"), this);
    search->setObjectName(QStringLiteral("CmdSearch"));
    search->setDefault(true);
    WindowGeometry::place(search, 6900, 960, 1320, 420);
    connect(search, &QPushButton::clicked, this, &FrmRiderMgmt::CmdSearch_Click);
    connect(m_TxtSearchFor, &QLineEdit::returnPressed, this, &FrmRiderMgmt::CmdSearch_Click);

    m_LbResults = new QListWidget(this);
    m_LbResults->setObjectName(QStringLiteral("LbResults"));
    m_LbResults->setSortingEnabled(false);
    m_LbResults->setUniformItemSizes(true);
    WindowGeometry::place(m_LbResults, 360, 1620, 5400, 4380);

    int top = 1620;
    auto addButton = [&](const char* name, const QString& caption, void (FrmRiderMgmt::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        WindowGeometry::place(button, 6000, top, 2280, 495);
        connect(button, &QPushButton::clicked, this, handler);
        top += 720;
    };
    addButton("CmdAdd", QStringLiteral("Add Rider"), &FrmRiderMgmt::CmdAdd_Click);
    addButton("CmdEdit", QStringLiteral("Edit Rider"), &FrmRiderMgmt::CmdEdit_Click);
    addButton("CmdDelete", QStringLiteral("Delete Rider"), &FrmRiderMgmt::CmdDelete_Click);
    top += 1080;
    addButton("CmdRiderReport", QStringLiteral("View Complete Rider List"), &FrmRiderMgmt::CmdRiderReport_Click);

    m_LbSearchBy->addItems({QStringLiteral("Last Name"), QStringLiteral("First Name"), QStringLiteral("Rider Number"),
                            QStringLiteral("Team")});
    m_LbSearchBy->setCurrentIndex(0);
}

void FrmRiderMgmt::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Activate();
}

void FrmRiderMgmt::Form_Activate() {
    CmdSearch_Click();
}

void FrmRiderMgmt::CmdSearch_Click() {
    const QString typed = m_TxtSearchFor->text();
    const int by = m_LbSearchBy->currentIndex();
    if (typed.isEmpty() || by < 0)
        return;
    runReportingDbErrors(m_state.messages, [&] {
        const QList<RiderHit> hits = RiderData::search(m_state.db(), SearchFields[by], typed);
        QStringList lines;
        lines.reserve(hits.size());
        m_riderIndexes.clear();
        for (const RiderHit& hit : hits) {
            lines << hit.RiderNumber + QStringLiteral(" - ") + hit.LastName + QStringLiteral(", ") + hit.FirstName +
                         QStringLiteral(" (") + hit.TeamName + u')';
            m_riderIndexes.add(hit.RiderIndex);
        }
        m_LbResults->clear();
        m_LbResults->addItems(lines);
    });
}

qint32 FrmRiderMgmt::selectedRider() const {
    if (m_LbResults->selectedItems().isEmpty())
        return -1;
    return static_cast<qint32>(m_riderIndexes.keyAt(m_LbResults->currentRow()));
}

void FrmRiderMgmt::CmdAdd_Click() {
    auto* window = new FrmRider(m_state, this);
    window->Initialize_Add();
    openRiderWindow(window);
}

void FrmRiderMgmt::CmdEdit_Click() {
    const qint32 rider = selectedRider();
    if (rider == -1) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must first select the rider you want to edit."));
        return;
    }
    auto* window = new FrmRider(m_state, this);
    if (!window->Initialize_Edit(rider)) {
        window->deleteLater();
        return;
    }
    openRiderWindow(window);
}

void FrmRiderMgmt::openRiderWindow(FrmRider* window) {
    m_riderWindow = window;
    connect(window, &FrmRider::closed, this, &FrmRiderMgmt::Form_Activate);
    window->show();
    window->unsetCursor();
}

void FrmRiderMgmt::CmdDelete_Click() {
    Messages& messages = m_state.messages;
    const qint32 rider = selectedRider();
    if (rider == -1) {
        messages.notice(Messages::appTitle(), QStringLiteral("You must first select the rider you want to delete."));
        return;
    }
    runReportingDbErrors(messages, [&] {
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
        RiderData::remove(m_state.db(), rider);
        CmdSearch_Click();
    });
}

void FrmRiderMgmt::CmdRiderReport_Click() {
    if (QWidget* report = RegistrationReports::showRiderList(m_state, this))
        m_reportWindow = report;
}
