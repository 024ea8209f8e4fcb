#include "startup/headless_commands.h"

#include "startup/command_line.h"
#include "startup/run_state.h"
#include "startup/sub_main.h"

#include <QDir>
#include <cstdio>

int runHeadlessCommand(RunState& state, const StartOptions& options, const CommandLine& commandLine) {
    SubMain subMain(state);
    if (const auto status = subMain.Prepare(options))
        return *status;

    if (commandLine.command == QLatin1String("create-meet")) {
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(state.meetDatabasePath())));
        return 0;
    }
    std::fprintf(stderr, "corravin: the command %s is not available yet\n", qPrintable(commandLine.command));
    return 2;
}
