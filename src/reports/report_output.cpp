#include "reports/report_output.h"

#include "database/owned_files.h"
#include "labels/label_files.h"
#include "ui/run_state.h"

#include <QDir>

namespace ReportOutput {

QString refusal(const RunState& state, const QString& path) {
    const QString why = OwnedFiles::refusal(path, state.meetDatabasePath(), {LabelFiles::folder(state.ProgramFolder)});
    if (why.isEmpty())
        return {};
    return QStringLiteral("The report was not written to %1: %2.").arg(QDir::toNativeSeparators(path), why);
}

} // namespace ReportOutput
