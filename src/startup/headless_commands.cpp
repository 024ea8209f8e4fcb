#include "startup/headless_commands.h"

#include "startup/option_parser.h"
#include "startup/region_settings.h"
#include "startup/sub_main.h"
#include "ui/console_messages.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int runCommand(RunState& state, StartOptions options, const HeadlessCommand& command,
               const CommandArguments& arguments) {
    // A command that only reads may use a meet database on a read-only disk.
    if (command.readsOnly)
        options.use = MeetFileCheck::Use::ReadOnly;
    SubMain subMain(state);
    if (!command.ownStartUp) {
        if (const auto status = subMain.Prepare(options))
            return *status;
        // The commands name the region in what they write, as the windows do.
        if (const QString region = RegionSettings::read(); region != RegionSettings::notSet())
            state.CurrentRegion = region;
    }
    return command.run(state, options, arguments);
}

// What a command prints (the path of a backup, the numbers that clash) is part of its result:
// output that never arrived makes the command fail, even when the rest of it was done.
int withOutputChecked(Messages& messages, int status) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    const int cause = errno;
    messages.notice(
        Messages::appTitle(),
        QStringLiteral("What the command printed could not be written to the standard output: %1.")
            .arg(cause ? QString::fromLocal8Bit(std::strerror(cause)) : QStringLiteral("the output failed")),
        Messages::Icon::Critical);
    return status == 0 ? 1 : status;
}

} // namespace

int answerCommandLine(const CommandLine& commandLine) {
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "corravin: %s\n%s\n", qPrintable(commandLine.error), qPrintable(CommandTable::usage()));
        return 2;
    }
    const QString text = commandLine.help ? CommandTable::usage() : CommandTable::version();
    std::printf("%s\n", qPrintable(text));
    ConsoleMessages messages;
    return withOutputChecked(messages, 0);
}

int runHeadlessCommand(RunState& state, const StartOptions& options, const CommandLine& commandLine) {
    int status = 1; // a fault that escapes the command is reported where it happens and fails it
    runReportingErrors(state.messages,
                       [&] { status = runCommand(state, options, *commandLine.command, commandLine.arguments); });
    return withOutputChecked(state.messages, status);
}
