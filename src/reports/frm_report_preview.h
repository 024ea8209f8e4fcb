#pragma once

#include "database/refusal.h"
#include "report_engine/paged_report.h"
#include "report_engine/report.h"
#include "reports/prepared_report.h"
#include "ui/key_buttons.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class ReportPageView;
class RunState;

// The preview of one report: its pages on screen with zoom, Print, Save as PDF, for reports
// that read as a table Save as CSV, and Close (or Escape). Several reports printed at once show
// their pages one after another and are saved as one PDF (not as CSV).
// Closing it runs the report's terminate step: the main window's current activity is
// closed where the catalogue says so, else the opening window becomes active again. The
// report and its rows go with the window.
class FrmReportPreview : public QWidget {
    Q_OBJECT
public:
    // Shows the report, not modal, and answers its window (which deletes itself on close).
    static FrmReportPreview* Show(RunState& state, std::unique_ptr<Report> report, QWidget* owner = nullptr);
    static FrmReportPreview* Show(RunState& state, PreparedReport prepared, QWidget* owner = nullptr);

    FrmReportPreview(RunState& state, std::unique_ptr<Report> report, QWidget* owner = nullptr);
    FrmReportPreview(RunState& state, PreparedReport prepared, QWidget* owner = nullptr);
    ~FrmReportPreview() override;

    // The report shown, the first when several are.
    const Report& report() const { return *m_report; }
    // Every page, laid out now where it was not yet.
    const LaidOutReport& pages() const { return m_pages.all(); }
    // The pages laid out so far: those shown, printed or saved.
    int pagesLaidOut() const { return m_pages.pagesLaidOut(); }
    QWidget* owner() const { return m_owner; }

public slots:
    void CmdPrint_Click();
    void CmdSavePdf_Click();
    void CmdSaveCsv_Click();
    void CbZoom_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Report_Initialize();
    void Report_Terminate();
    // Asks where to save the report in `format` ("PDF", "CSV"), refuses the program's own
    // files, and writes it with `write`, which answers what went wrong or nothing.
    void saveAs(const QString& format, const std::function<Refusal(const QString&)>& write);

    RunState& m_state;
    PreparedReport m_prepared;
    const Report* m_report; // the first part of m_prepared
    PagedReport m_pages;    // laid out as they are shown; all of them to print or save
    QPointer<QWidget> m_owner;
    bool m_terminated = false;

    QPushButton* m_CmdPrint = nullptr;
    QPushButton* m_CmdSavePdf = nullptr;
    QPushButton* m_CmdSaveCsv = nullptr;
    QPushButton* m_CmdClose = nullptr;
    KeyButtons m_keys{this};
    QComboBox* m_CbZoom = nullptr;
    QLabel* m_LblPages = nullptr;
    QScrollArea* m_scroll = nullptr;
    ReportPageView* m_view = nullptr;
};
