#include "results/publish_settings.h"

#include "results/results_publishing.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QDir>
#include <QSettings>

namespace PublishSettings {

namespace {
const QString PublishFolderKey = QStringLiteral("ProgramConst/PublishFolder");
const QString PublishAfterSaveKey = QStringLiteral("ProgramConst/PublishAfterPlacingsSave");
} // namespace

QString folder() {
    return QSettings(QStringLiteral("Corravin"), QStringLiteral("Corravin")).value(PublishFolderKey).toString();
}

bool afterPlacingsSave() {
    return QSettings(QStringLiteral("Corravin"), QStringLiteral("Corravin")).value(PublishAfterSaveKey, false).toBool();
}

void write(const QString& folder, bool afterPlacingsSave) {
    QSettings settings(QStringLiteral("Corravin"), QStringLiteral("Corravin"));
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
