#include "startup/headless_commands.h"

#include "reports/print_command.h"
#include "startup/backup_commands.h"
#include "startup/printable_reports.h"
#include "startup/publish_command.h"
#include "startup/command_line.h"
#include "startup/exchange_commands.h"
#include "startup/region_settings.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "startup/sub_main.h"

#include <QDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int usageError(const QString& error, const QString& more = {}) {
    std::fprintf(stderr, "corravin: %s\n%s\n", qPrintable(error), qPrintable(CommandLine::usage()));
    if (!more.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(more));
    return 2;
}

int runCommand(RunState& state, const StartOptions& options, const CommandLine& commandLine) {
    const bool print = commandLine.command == QLatin1String("print");
    const PrintRegistry registry = printableReports();
    PrintCommand::Parsed parsed;
    // A bad argument is a usage error before anything is opened or created.
    if (print) {
        parsed = PrintCommand::parse(commandLine.commandArguments, registry);
        if (!parsed.error.isEmpty())
            return usageError(parsed.error, PrintCommand::usage(registry));
    }

    if (commandLine.command == QLatin1String("export")) {
        const QString error = ExchangeCommands::exportUsageError(commandLine.commandArguments);
        if (!error.isEmpty())
            return usageError(error);
    }

    if (commandLine.command == QLatin1String("publish")) {
        const QString error = PublishCommand::usageError(commandLine.commandArguments);
        if (!error.isEmpty())
            return usageError(error);
    }

    if (commandLine.command == QLatin1String("backup"))
        return runBackupCommand(state, options);
    if (commandLine.command == QLatin1String("restore"))
        return runRestoreCommand(state, options, commandLine.commandArguments.first());

    StartOptions checked = options;
    const bool publish = commandLine.command == QLatin1String("publish");
    // Printing and publishing only read, so a meet database on a read-only disk can still be printed.
    if (print || publish)
        checked.use = MeetFileCheck::Use::ReadOnly;
    SubMain subMain(state);
    if (const auto status = subMain.Prepare(checked))
        return *status;

    if (commandLine.command == QLatin1String("create-meet")) {
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(state.meetDatabasePath())));
        return 0;
    }
    // The other commands name the region in what they write, as the windows do.
    if (const QString region = RegionSettings::read(); region != RegionSettings::notSet())
        state.CurrentRegion = region;
    if (commandLine.command == QLatin1String("export"))
        return ExchangeCommands::runExport(state, commandLine.commandArguments);
    if (commandLine.command == QLatin1String("import"))
        return ExchangeCommands::runImport(state, commandLine.commandArguments.first());
    if (print)
        return PrintCommand::run(state, parsed.request, registry);
    if (publish)
        return PublishCommand::run(state, commandLine.commandArguments);
    return usageError(QStringLiteral("the command %1 is not available").arg(commandLine.command));
}

} // namespace

int runHeadlessCommand(RunState& state, const StartOptions& options, const CommandLine& commandLine) {
    const int status = runCommand(state, options, commandLine);
    // What a command prints (the path of a backup, the numbers that clash) is part of its result:
    // output that never arrived makes the command fail, even when the rest of it was done.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int cause = errno;
        state.messages.notice(
            Messages::appTitle(),
            QStringLiteral("What the command printed could not be written to the standard output: %1.")
                .arg(cause ? QString::fromLocal8Bit(std::strerror(cause)) : QStringLiteral("the output failed")),
            Messages::Icon::Critical);
        return status == 0 ? 1 : status;
    }
    return status;
}
