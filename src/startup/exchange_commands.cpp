#include "startup/exchange_commands.h"

#include "database/district_file.h"
#include "database/team_list.h"
#include "exchange/export_data.h"
#include "exchange/export_run.h"
#include "exchange/import_data.h"
#include "ui/error_reporter.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace ExchangeCommands {

namespace {
// Why no team matched the command's choice of teams.
QString noTeamText(const ExportChoice& options) {
    QString text = options.team.isEmpty() ? QStringLiteral("There are no teams")
                                          : QStringLiteral("There is no team named %1").arg(options.team);
    if (!options.division.isEmpty())
        text += QStringLiteral(" in the %1 Division").arg(options.division);
    return text + u'.';
}
} // namespace

int runExport(RunState& state, const ExportChoice& options) {
    if (!QFileInfo(options.folder).isDir()) {
        state.messages.notice(Messages::appTitle(),
                              QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(options.folder)));
        return 1;
    }
    QList<qint32> chosen;
    if (!runReportingErrors(state.messages, [&] {
            const QList<TeamRow> teams = options.division.isEmpty() ? TeamList::byDivisionAndName(state.db())
                                                                    : TeamList::ofDivision(state.db(), options.division);
            for (const TeamRow& team : teams)
                if (options.team.isEmpty() || team.TeamName.compare(options.team, Qt::CaseInsensitive) == 0)
                    chosen << team.TeamCode;
        }))
        return 1;
    // An export of no team would look like a success to whoever runs the command.
    if (chosen.isEmpty()) {
        state.messages.notice(Messages::appTitle(), noTeamText(options));
        return 1;
    }
    if (!ExportRun::exportTeams(state, options.folder, chosen))
        return 1;
    std::printf("%s: %lld teams\n",
                qPrintable(QDir::toNativeSeparators(ExportRun::fileName(options.folder, state.CurrentRegion))),
                static_cast<long long>(chosen.size()));
    return 0;
}

int runImport(RunState& state, const QString& file) {
    const DistrictFile::Read read = DistrictFile::read(file, state.meetDatabasePath());
    if (!read.problem.isEmpty()) {
        state.messages.notice(Messages::appTitle(), read.problem, Messages::Icon::Exclamation);
        return 1;
    }
    ImportData::Imported imported;
    if (!runReportingErrors(state.messages, [&] { imported = ImportData::importAll(state.db(), read.content); }))
        return 1;
    // The rows written, not the rows of the file.
    std::printf("Data Import Successful: %lld teams, %lld coaches, %lld riders\n",
                static_cast<long long>(imported.teams), static_cast<long long>(imported.coaches),
                static_cast<long long>(imported.riders));
    for (const QString& clash : imported.clashes)
        std::printf("back number already in the meet: %s\n", qPrintable(clash));
    return 0;
}

} // namespace ExchangeCommands
