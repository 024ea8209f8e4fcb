#include "results/frm_placings.h"

#include "database/class_data.h"
#include "results/frm_place_assign.h"
#include "ui/error_reporter.h"
#include "ui/guarded_connect.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmPlacings::FrmPlacings(RunState& state, QWidget* parent)
    : ActivityWindow(state, QStringLiteral("FrmPlacings"), QStringLiteral("Placings"), parent) {
    addTitle(QStringLiteral("Placings"));
    auto* heading = new QLabel(QStringLiteral("Enter Placings For"), this);
    heading->setObjectName(QStringLiteral("LblPlacings"));
    heading->setFont(QFont(QStringLiteral("Times New Roman"), 12, QFont::Bold));
    WindowGeometry::place(heading, 1200, 1560, 4000, 360);
    auto* label = new QLabel(QStringLiteral("Class"), this);
    label->setObjectName(QStringLiteral("LblClass"));
    WindowGeometry::place(label, 1200, 2235, 900, 330);
    m_CbClass = new QComboBox(this);
    m_CbClass->setObjectName(QStringLiteral("CbClass"));
    m_CbClass->setAccessibleName(QStringLiteral("Class"));
    label->setBuddy(m_CbClass);
    WindowGeometry::place(m_CbClass, 2160, 2200, 4800, 360);
    auto* add = new QPushButton(QStringLiteral("Add Placings"), this);
    add->setObjectName(QStringLiteral("CmdAddPlacings"));
    WindowGeometry::place(add, 3600, 3240, 2100, 495);
    connectGuarded(m_state.messages, add, &QPushButton::clicked, this, &FrmPlacings::CmdAddPlacings_Click);
    addKeyButtons(add, nullptr);

    runReportingErrors(m_state.messages, [this] {
        for (const ClassRow& row : ClassData::all(m_state.db()))
            KeyedEntries::append(m_CbClass, QStringLiteral("%1 - %2").arg(row.ClassNumber).arg(row.ClassName),
                                 row.ClassNumber);
    });
    m_CbClass->setCurrentIndex(-1);
}

void FrmPlacings::CmdAddPlacings_Click() {
    const qint64 classNumber = KeyedEntries::keyAt(m_CbClass, m_CbClass->currentIndex());
    if (classNumber < 0) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("You must provide the class you are trying to place."));
        return;
    }
    auto* window = new FrmPlaceAssign(m_state);
    if (!window->InitializeForm(m_division, static_cast<int>(classNumber))) {
        window->deleteLater();
        m_CbClass->setFocus();
        return;
    }
    openSubWindow(window, Beneath::Disabled, [this] { m_CbClass->setFocus(); });
}
