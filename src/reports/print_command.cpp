#include "reports/print_command.h"

#include "database/checked_file_writer.h"
#include "database/divisions.h"
#include "report_engine/report_layout.h"
#include "report_engine/report_painter.h"
#include "report_engine/report_table.h"
#include "reports/report_output.h"
#include "ui/error_reporter.h"
#include "ui/run_state.h"
#include "ui/messages.h"

#include <QDir>

namespace {

QString optionName(int option) {
    switch (option) {
    case PrintRegistry::Division:
        return QStringLiteral("--division");
    case PrintRegistry::Class:
        return QStringLiteral("--class");
    case PrintRegistry::Team:
        return QStringLiteral("--team");
    default:
        return QStringLiteral("--order");
    }
}

// Writes the prepared report to the files asked for; each failure goes to the run's Messages.
PrintCommand::Status writeFiles(RunState& state, const PrintRequest& request, const Report& report) {
    if (!request.csv.isEmpty() && report.columns().isEmpty()) {
        state.messages.notice(Messages::appTitle(),
                              QStringLiteral("The report %1 cannot be written as CSV.").arg(request.report),
                              Messages::Icon::Critical);
        return PrintCommand::Refused;
    }
    PrintCommand::Status status = PrintCommand::Printed;
    auto written = [&](const QString& path, const QString& error) {
        if (error.isEmpty())
            return;
        state.messages.notice(Messages::appTitle(),
                              QStringLiteral("The report could not be written to %1: %2")
                                  .arg(QDir::toNativeSeparators(path), error),
                              Messages::Icon::Critical);
        status = PrintCommand::Refused;
    };
    if (!request.pdf.isEmpty())
        written(request.pdf, ReportPainter::writePdfFile(ReportLayout::layout(report), request.pdf));
    if (!request.csv.isEmpty())
        written(request.csv, ReportTable::writeCsvFile(report, request.csv));
    return status;
}

} // namespace

namespace PrintCommand {

Parsed parse(const QStringList& arguments, const PrintRegistry& registry) {
    Parsed parsed;
    PrintRequest& request = parsed.request;
    int given = 0;
    auto fail = [&](const QString& error) {
        parsed.error = error;
        return parsed;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--"))) {
            if (!request.report.isEmpty())
                return fail(QStringLiteral("print takes one report, not %1 and %2").arg(request.report, argument));
            request.report = argument;
            continue;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
            return fail(QStringLiteral("%1 needs a value").arg(argument));
        const QString value = arguments[++i];
        int option = 0;
        if (argument == QLatin1String("--division")) {
            option = PrintRegistry::Division;
            request.division = value.toUpper();
            if (!Divisions::isDivision(request.division))
                return fail(QStringLiteral("the division must be A, B, C or D, not %1").arg(value));
        } else if (argument == QLatin1String("--class")) {
            option = PrintRegistry::Class;
            bool number = false;
            request.classNumber = value.toInt(&number);
            if (!number || request.classNumber < 1 || request.classNumber > 17)
                return fail(QStringLiteral("the class must be a number from 1 to 17, not %1").arg(value));
        } else if (argument == QLatin1String("--team")) {
            option = PrintRegistry::Team;
            request.team = value;
        } else if (argument == QLatin1String("--order")) {
            option = PrintRegistry::Order;
            request.order = value;
            if (value != QLatin1String("random") && value != QLatin1String("sequential"))
                return fail(QStringLiteral("the order must be random or sequential, not %1").arg(value));
        } else if (argument == QLatin1String("--pdf") || argument == QLatin1String("--csv")) {
            QString& file = argument == QLatin1String("--pdf") ? request.pdf : request.csv;
            if (!file.isEmpty())
                return fail(QStringLiteral("%1 is given twice").arg(argument));
            file = value;
            continue;
        } else {
            return fail(QStringLiteral("unknown option %1").arg(argument));
        }
        if (given & option)
            return fail(QStringLiteral("%1 is given twice").arg(argument));
        given |= option;
    }

    if (request.report.isEmpty())
        return fail(QStringLiteral("print needs a report"));
    const PrintRegistry::Entry* entry = registry.find(request.report);
    if (!entry)
        return fail(QStringLiteral("there is no report %1").arg(request.report));
    if (request.pdf.isEmpty() && request.csv.isEmpty())
        return fail(QStringLiteral("print needs --pdf FILE or --csv FILE"));
    // Through a link the two names may reach one file, which the second write would replace.
    if (!request.pdf.isEmpty() && !request.csv.isEmpty() &&
        CheckedFileWriter::writtenFile(request.pdf)
                .compare(CheckedFileWriter::writtenFile(request.csv), Qt::CaseInsensitive) == 0)
        return fail(QStringLiteral("--pdf and --csv name the same file"));
    for (const int option : {PrintRegistry::Division, PrintRegistry::Class, PrintRegistry::Team, PrintRegistry::Order}) {
        if ((given & option) && !(entry->takes & option))
            return fail(QStringLiteral("the report %1 takes no %2").arg(request.report, optionName(option)));
        if ((entry->needs & option) && !(given & option))
            return fail(QStringLiteral("the report %1 needs %2").arg(request.report, optionName(option)));
    }
    return parsed;
}

QString usage(const PrintRegistry& registry) {
    const QStringList names = registry.names();
    return QStringLiteral("reports: %1")
        .arg(names.isEmpty() ? QStringLiteral("none can be printed from the command line yet")
                             : names.join(QStringLiteral(", ")));
}

Status run(RunState& state, const PrintRequest& request, const PrintRegistry& registry) {
    const PrintRegistry::Entry* entry = registry.find(request.report);
    if (!entry)
        return Usage;
    for (const QString& path : {request.pdf, request.csv})
        if (const QString refused = path.isEmpty() ? QString() : ReportOutput::refusal(state, path); !refused.isEmpty()) {
            state.messages.notice(Messages::appTitle(), refused, Messages::Icon::Critical);
            return Refused;
        }
    PreparedReport prepared;
    if (!runReportingErrors(state.messages, [&] { prepared = entry->prepare(state, request); }))
        return Refused;
    if (!prepared.report) {
        state.messages.notice(Messages::appTitle(), prepared.message);
        return Refused;
    }
    return writeFiles(state, request, *prepared.report);
}

} // namespace PrintCommand
