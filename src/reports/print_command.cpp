#include "reports/print_command.h"

#include "report_engine/report_painter.h"
#include "report_engine/report_table.h"
#include "reports/report_output.h"
#include "reports/report_preparation.h"
#include "ui/error_reporter.h"
#include "ui/run_state.h"
#include "ui/messages.h"

#include <QDir>

namespace {

// Writes the prepared report to the files asked for; each failure goes to the run's Messages.
PrintCommand::Status writeFiles(RunState& state, const PrintRequest& request, const PreparedReport& prepared) {
    const Report& report = *prepared.report;
    if (!request.csv.isEmpty() && (prepared.severalParts() || report.columns().isEmpty())) {
        state.messages.notice(Messages::appTitle(),
                              QStringLiteral("The report %1 cannot be written as CSV.").arg(request.report),
                              Messages::Icon::Critical);
        return PrintCommand::Refused;
    }
    PrintCommand::Status status = PrintCommand::Printed;
    auto written = [&](const QString& path, const Refusal& failed) {
        if (!failed)
            return;
        state.messages.notice(Messages::appTitle(),
                              QStringLiteral("The report could not be written to %1: %2")
                                  .arg(QDir::toNativeSeparators(path), failed.why()),
                              Messages::Icon::Critical);
        status = PrintCommand::Refused;
    };
    if (!request.pdf.isEmpty())
        written(request.pdf, ReportPainter::writePdfFile(prepared.layOut(), request.pdf));
    if (!request.csv.isEmpty())
        written(request.csv, ReportTable::writeCsvFile(report, request.csv));
    return status;
}

} // namespace

namespace PrintCommand {

Status run(RunState& state, const PrintRequest& request, const PrintRegistry& registry) {
    const PrintRegistry::Entry* entry = registry.find(request.report);
    if (!entry)
        return Usage;
    for (const QString& path : {request.pdf, request.csv})
        if (const Refusal refused = path.isEmpty() ? Refusal() : ReportOutput::refusal(state, path)) {
            state.messages.notice(Messages::appTitle(), refused.why(), Messages::Icon::Critical);
            return Refused;
        }
    PreparedReport prepared;
    if (!runReportingErrors(state.messages, [&] { prepared = entry->prepare(state, request); }))
        return Refused;
    if (!prepared.report) {
        state.messages.notice(Messages::appTitle(), prepared.message);
        return Refused;
    }
    return writeFiles(state, request, prepared);
}

} // namespace PrintCommand
