#include "reports/report_preparation.h"

#include "database/class_data.h"
#include "labels/label_files.h"
#include "reports/frm_report_preview.h"
#include "reports/report_catalogue.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <stdexcept>

namespace ReportPreparation {

PreparedReport fromRows(RunState& state, const QString& reportName, const ReportDataSource::Source& source,
                        const QString& noRowsMessage) {
    std::unique_ptr<Report> report = ReportCatalogue::create(reportName);
    if (!report)
        throw std::invalid_argument(QStringLiteral("%1 is no report of the catalogue").arg(reportName).toStdString());
    RowSet rows = ReportDataSource::of(state).read(source);
    if (rows.isEmpty())
        return PreparedReport::refused(noRowsMessage);
    report->setDataSource(std::move(rows));
    return PreparedReport::of(std::move(report));
}

QWidget* show(RunState& state, const std::function<PreparedReport()>& prepare, QWidget* owner) {
    PreparedReport prepared;
    if (!runReportingErrors(state.messages, [&] { prepared = prepare(); }))
        return nullptr;
    if (!prepared.report) {
        state.messages.notice(Messages::appTitle(), prepared.message);
        return nullptr;
    }
    return FrmReportPreview::Show(state, std::move(prepared), owner);
}

void setClassPictures(const RunState& state, Report& report, const QString& section) {
    for (const ClassRow& row : ClassData::all(state.db()))
        report.setPicture(section, QStringLiteral("Class%1").arg(row.ClassNumber),
                          LabelFiles::path(state.ProgramFolder, LabelFiles::reportPrefix(), row.ImagePath));
}

} // namespace ReportPreparation
