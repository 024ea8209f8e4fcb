#include "reports/report_output.h"

#include "database/owned_files.h"
#include "labels/label_files.h"
#include "ui/run_state.h"

#include <QDir>

namespace ReportOutput {

Refusal refusal(const RunState& state, const QString& path) {
    const Refusal own = OwnedFiles::refusal(path, state.meetDatabasePath(), {LabelFiles::folder(state.ProgramFolder)});
    if (!own)
        return {};
    return Refusal::because(
        QStringLiteral("The report was not written to %1: %2.").arg(QDir::toNativeSeparators(path), own.why()));
}

} // namespace ReportOutput
