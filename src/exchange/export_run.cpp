#include "exchange/export_run.h"

#include "database/cls_db_manager.h"
#include "exchange/export_data.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QDir>
#include <QFileInfo>

namespace ExportRun {

QString fileName(const QString& folder, const QString& region) {
    return QDir(folder).filePath(QStringLiteral("Region") + region + QStringLiteral("-2006.mdb"));
}

bool exportTeams(RunState& state, const QString& folder, const QList<qint32>& teamCodes) {
    Messages& messages = state.messages;
    auto refuse = [&](const QString& why, Messages::Icon icon) {
        messages.notice(Messages::appTitle(), QStringLiteral("Nothing was exported: ") + why, icon);
        return false;
    };
    // The file is named after the region, for the state to tell the regions' files apart.
    if (state.CurrentRegion.isEmpty())
        return refuse(QStringLiteral("no region letter is set, and the export file is named after it. Set the "
                                     "region letter in the region settings, then export again."),
                      Messages::Icon::Exclamation);
    const QString path = fileName(folder, state.CurrentRegion);
    if (QFileInfo::exists(path) &&
        !messages.ask(QStringLiteral("File Overwrite Warning"),
                      QStringLiteral("A export file already exists at that location. Would you like to overwrite it?"),
                      Messages::Icon::None))
        return false;
    bool exported = false;
    runReportingErrors(messages, [&] {
        const Cls_Db_Manager::ExportRows rows = ExportData::rowsOf(state.db(), teamCodes);
        const QStringList problems = ExportData::unexportable(rows);
        if (!problems.isEmpty()) {
            refuse(QStringLiteral("these rows cannot go into the export file.\n\n") + problems.join(u'\n'),
                   Messages::Icon::Exclamation);
            return;
        }
        if (const QString why = Cls_Db_Manager::Build_Export_Database(path, rows); !why.isEmpty()) {
            refuse(
                QStringLiteral("the export file %1 could not be written: %2.").arg(QDir::toNativeSeparators(path), why),
                Messages::Icon::Critical);
            return;
        }
        exported = true;
    });
    return exported;
}

} // namespace ExportRun
