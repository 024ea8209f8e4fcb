#pragma once

#include "reports/prepared_report.h"
#include "ui/activity_window.h"

#include <functional>

class RunState;
struct PrintRequest;

// An activity that does nothing but show one report: it prepares the report for the
// division chosen on the main window and shows it; without the report it shows the message
// given instead and closes, unless made to stay open. Closing the report closes the activity
// where the catalogue says so. Given a way to prepare every division's report, it offers
// "Print All", which shows them in one preview.
class ReportActivity : public ActivityWindow {
    Q_OBJECT
public:
    using Prepare = std::function<PreparedReport(RunState&, const PrintRequest&)>;
    enum class WithoutReport { CloseActivity, StayOpen };

    ReportActivity(RunState& state, const QString& objectName, const QString& caption, Prepare prepare,
                   QWidget* parent = nullptr, WithoutReport withoutReport = WithoutReport::CloseActivity,
                   Prepare prepareAll = {});

    void Set_Division(const QString& RcvdDivision) override { m_division = RcvdDivision; }
    void Load_Report() override;

    // The preview shown last, while it is open.
    QWidget* reportWindow() const { return m_report; }

public slots:
    void CmdPrintAll_Click();

private:
    Prepare m_prepare;
    Prepare m_prepareAll;
    WithoutReport m_withoutReport;
    QString m_division;
    QPointer<QWidget> m_report;
};
