#include "startup/print_command_line.h"

#include "database/checked_file_writer.h"
#include "reports/print_command.h"
#include "startup/printable_reports.h"

#include <utility>

namespace {

const std::pair<PrintRegistry::Option, const char*> ReportOptions[] = {{PrintRegistry::Division, "--division"},
                                                                       {PrintRegistry::Class, "--class"},
                                                                       {PrintRegistry::Team, "--team"},
                                                                       {PrintRegistry::Order, "--order"}};

} // namespace

namespace PrintCommandLine {

const PrintRegistry& registry() {
    static const PrintRegistry reports = printableReports();
    return reports;
}

QString refusal(const CommandArguments& arguments) {
    const QString pdf = arguments.value(QStringLiteral("--pdf"));
    const QString csv = arguments.value(QStringLiteral("--csv"));
    if (pdf.isEmpty() && csv.isEmpty())
        return QStringLiteral("print needs --pdf FILE or --csv FILE");
    // Through a link the two names may reach one file, which the second write would replace.
    if (!pdf.isEmpty() && !csv.isEmpty() &&
        CheckedFileWriter::writtenFile(pdf).compare(CheckedFileWriter::writtenFile(csv), Qt::CaseInsensitive) == 0)
        return QStringLiteral("--pdf and --csv name the same file");
    const PrintRegistry::Entry* entry = registry().find(arguments.argument);
    if (!entry)
        return QStringLiteral("there is no report %1").arg(arguments.argument);
    for (const auto& [option, name] : ReportOptions) {
        const bool given = arguments.has(QLatin1String(name));
        if (given && !(entry->takes & option))
            return QStringLiteral("the report %1 takes no %2").arg(entry->name, QLatin1String(name));
        if (!given && (entry->needs & option))
            return QStringLiteral("the report %1 needs %2").arg(entry->name, QLatin1String(name));
        if (!given && (entry->allWithout & option) && !csv.isEmpty())
            return QStringLiteral("the report %1 without %2 is written to PDF only").arg(entry->name, QLatin1String(name));
    }
    return {};
}

PrintRequest request(const CommandArguments& arguments) {
    PrintRequest request;
    request.report = arguments.argument;
    request.division = arguments.value(QStringLiteral("--division"));
    request.classNumber = arguments.value(QStringLiteral("--class")).toInt();
    request.team = arguments.value(QStringLiteral("--team"));
    request.order = arguments.value(QStringLiteral("--order"));
    request.pdf = arguments.value(QStringLiteral("--pdf"));
    request.csv = arguments.value(QStringLiteral("--csv"));
    return request;
}

int run(RunState& state, const StartOptions&, const CommandArguments& arguments) {
    return PrintCommand::run(state, request(arguments), registry());
}

} // namespace PrintCommandLine
