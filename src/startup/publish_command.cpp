#include "startup/publish_command.h"

#include "results/results_publishing.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QDir>
#include <cstdio>

namespace PublishCommand {

int run(RunState& state, const QString& folder) {
    ResultsPublishing::Outcome outcome;
    if (!runReportingErrors(state.messages, [&] { outcome = ResultsPublishing::publish(state, folder); }))
        return 1;
    for (const QString& path : outcome.written)
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    if (outcome.refusal) {
        state.messages.notice(Messages::appTitle(), outcome.refusal.why(), Messages::Icon::Critical);
        return 1;
    }
    return 0;
}

} // namespace PublishCommand
