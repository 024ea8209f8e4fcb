#include "reports/report_activity.h"

#include "reports/print_registry.h"
#include "reports/report_preparation.h"
#include "ui/activity_host.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QPushButton>

ReportActivity::ReportActivity(RunState& state, const QString& objectName, const QString& caption, Prepare prepare,
                               QWidget* parent, WithoutReport withoutReport, Prepare prepareAll)
    : ActivityWindow(state, objectName, caption, parent), m_prepare(std::move(prepare)),
      m_prepareAll(std::move(prepareAll)), m_withoutReport(withoutReport) {
    if (!m_prepareAll)
        return;
    auto* printAll = new QPushButton(QStringLiteral("Print All"), this);
    printAll->setObjectName(QStringLiteral("CmdPrintAll"));
    printAll->setAccessibleName(QStringLiteral("Print All"));
    printAll->setAccessibleDescription(QStringLiteral("Print every division at once"));
    WindowGeometry::place(printAll, 1680, 3240, 2400, 495);
    connectGuarded(m_state.messages, printAll, &QPushButton::clicked, this, &ReportActivity::CmdPrintAll_Click);
}

// Every division's report in one preview; without any, the message and the activity stays.
void ReportActivity::CmdPrintAll_Click() {
    if (!m_prepareAll)
        return;
    if (QWidget* shown = ReportPreparation::show(
            m_state, [&] { return m_prepareAll(m_state, PrintRequest()); }, this))
        m_report = shown;
}

void ReportActivity::Load_Report() {
    PrintRequest request;
    request.division = m_division;
    m_report = ReportPreparation::show(
        m_state, [&] { return m_prepare(m_state, request); }, this);
    if (!m_report && m_withoutReport == WithoutReport::CloseActivity && m_state.host)
        m_state.host->Close_Current_Activity();
}
