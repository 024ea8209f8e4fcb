#include "reports/frm_class_sheets.h"

#include "database/class_data.h"
#include "reports/report_preparation.h"
#include "ui/guarded_connect.h"
#include "ui/error_reporter.h"
#include "ui/keyed_entries.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmClassSheets::FrmClassSheets(RunState& state, QWidget* parent)
    : ActivityWindow(state, QStringLiteral("FrmClassSheets"), QStringLiteral("Class Sheets"), parent) {
    addTitle(QStringLiteral("Class Sheets"));

    auto* caption = new QLabel(QStringLiteral("Class"), this);
    caption->setObjectName(QStringLiteral("LblClass"));
    WindowGeometry::place(caption, 1680, 2235, 900, 330);
    m_CbClass = new QComboBox(this);
    m_CbClass->setObjectName(QStringLiteral("CbClass"));
    m_CbClass->setAccessibleName(QStringLiteral("Class"));
    caption->setBuddy(m_CbClass);
    WindowGeometry::place(m_CbClass, 2640, 2200, 4200, 360);

    // Every class at once: the class chooser has nothing to say then.
    m_ChkPrintAll = new QCheckBox(QStringLiteral("Print All"), this);
    m_ChkPrintAll->setObjectName(QStringLiteral("ChkPrintAll"));
    m_ChkPrintAll->setAccessibleName(QStringLiteral("Print All"));
    m_ChkPrintAll->setAccessibleDescription(QStringLiteral("Print the sheet of every class that has riders"));
    WindowGeometry::place(m_ChkPrintAll, 2640, 2700, 4200, 360);
    connect(m_ChkPrintAll, &QCheckBox::toggled, m_CbClass, &QWidget::setDisabled);

    auto* random = new QPushButton(QStringLiteral("Random Order"), this);
    random->setObjectName(QStringLiteral("CmdRandom"));
    WindowGeometry::place(random, 1680, 3240, 2400, 495);
    connectGuarded(m_state.messages, random, &QPushButton::clicked, this, &FrmClassSheets::CmdRandom_Click);
    auto* sequential = new QPushButton(QStringLiteral("Sequential Order"), this);
    sequential->setObjectName(QStringLiteral("cmdSequential"));
    WindowGeometry::place(sequential, 4440, 3240, 2400, 495);
    connectGuarded(m_state.messages, sequential, &QPushButton::clicked, this, &FrmClassSheets::cmdSequential_Click);

    runReportingErrors(m_state.messages, [this] {
        for (const ClassRow& row : ClassData::all(m_state.db()))
            KeyedEntries::append(m_CbClass, SheetReports::classChoiceText(row.ClassNumber, row.ClassName),
                                 row.ClassNumber);
    });
    m_CbClass->setCurrentIndex(-1);
}

void FrmClassSheets::Set_Division(const QString& RcvdDivision) {
    m_division = RcvdDivision;
}

void FrmClassSheets::CmdRandom_Click() {
    Print_Sheet(SheetReports::Order::Random);
}

void FrmClassSheets::cmdSequential_Click() {
    Print_Sheet(SheetReports::Order::Sequential);
}

void FrmClassSheets::Print_Sheet(SheetReports::Order order) {
    if (m_ChkPrintAll->isChecked()) {
        m_reportWindow = ReportPreparation::show(
            m_state, [&] { return SheetReports::prepareClassSheets(m_state, m_division, order); }, this);
        return;
    }
    const qint64 classNumber = KeyedEntries::keyAt(m_CbClass, m_CbClass->currentIndex());
    if (classNumber < 0) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("Please Enter Which Class the Class Sheet is for"));
        return;
    }
    m_reportWindow = ReportPreparation::show(
        m_state,
        [&] { return SheetReports::prepareClassSheet(m_state, m_division, static_cast<int>(classNumber), order); },
        this);
}
