#include "results/publish_settings.h"

#include "results/results_publishing.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/user_settings.h"

#include <QDir>

namespace PublishSettings {

namespace {
const QString PublishFolderKey = QStringLiteral("ProgramConst/PublishFolder");
const QString PublishAfterSaveKey = QStringLiteral("ProgramConst/PublishAfterPlacingsSave");
} // namespace

QString folder() {
    return UserSettings().value(PublishFolderKey).toString();
}

bool afterPlacingsSave() {
    return UserSettings().value(PublishAfterSaveKey, false).toBool();
}

void write(const QString& folder, bool afterPlacingsSave) {
    UserSettings settings;
    settings.setValue(PublishFolderKey, folder);
    settings.setValue(PublishAfterSaveKey, afterPlacingsSave);
    settings.sync();
}

void publishAfterPlacingsSave(RunState& state) {
    const QString target = folder();
    if (!afterPlacingsSave() || target.isEmpty())
        return;
    ResultsPublishing::Outcome outcome;
    if (runReportingErrors(state.messages, [&] { outcome = ResultsPublishing::publish(state, target); }) &&
        outcome.refusal)
        state.messages.notice(Messages::appTitle(),
                              QStringLiteral("The placings were saved, but the results pages in %1 were not brought "
                                             "up to date:\n\n%2")
                                  .arg(QDir::toNativeSeparators(target), outcome.refusal.why()),
                              Messages::Icon::Critical);
}

} // namespace PublishSettings
