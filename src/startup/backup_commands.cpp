#include "startup/backup_commands.h"

#include "database/db_exception.h"
#include "database/meet_backup.h"
#include "database/meet_location.h"
#include "database/meet_server_check.h"
#include "startup/backup_actions.h"
#include "startup/sub_main.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <stdexcept>

namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The server the meet lives on, empty for the file.
QString meetServer(const RunState& state, const StartOptions& options) {
    return state.MeetServer.isEmpty() ? SubMain::serverOf(options) : state.MeetServer;
}


// A backup of a meet on a server, read only: a database without a meet gets none (start-up would
// build one, and an empty meet is nothing to keep).
int backupServerMeet(RunState& state, const StartOptions& options, const QString& server) {
    state.ProgramFolder = SubMain::programFolderOf(options);
    auto refuse = [&](const QString& why) {
        state.messages.notice(Messages::appTitle(), why, Messages::Icon::Critical);
        return 1;
    };
    try {
        SubMain::requireProgramFolder(state.ProgramFolder); // backups are kept there, of a server meet too
        const MeetLocation location = MeetLocation::server(server);
        const MeetFileVerdict verdict = MeetServerCheck::examine(location);
        if (verdict.kind == MeetFileVerdict::Kind::Unreachable)
            return refuse(verdict.message);
        DbConnection meet;
        meet.open(location, DbConnection::Mode::ReadOnly);
        if (!MeetServerCheck::holdsTables(meet.db()))
            return refuse(
                QStringLiteral("No backup was made: there is no meet in the %1.").arg(location.description()));
        if (!verdict.usable())
            return refuse(verdict.message);
        std::printf("%s\n",
                    qPrintable(shown(MeetBackup::make(meet, QStringLiteral("on-demand"), state.meetDatabasePath()))));
    } catch (const DbException& error) {
        return refuse(error.engineText());
    } catch (const std::exception& error) {
        return refuse(QString::fromStdString(error.what()));
    }
    return 0;
}
} // namespace

int runBackupCommand(RunState& state, StartOptions options) {
    if (const QString server = meetServer(state, options); !server.isEmpty())
        return backupServerMeet(state, options, server);
    options.use = MeetFileCheck::Use::ReadOnly; // a backup only reads the meet database
    // Start-up would create a missing meet database, and an empty meet is nothing to keep.
    state.ProgramFolder = SubMain::programFolderOf(options);
    const QFileInfo meet(state.meetDatabasePath());
    if (!meet.exists() && !meet.isSymLink()) {
        state.messages.notice(
            Messages::appTitle(),
            QStringLiteral("No backup was made: there is no meet database %1.").arg(shown(meet.filePath())),
            Messages::Icon::Critical);
        return 1;
    }
    SubMain subMain(state);
    if (const auto status = subMain.Prepare(options))
        return *status;
    try {
        std::printf("%s\n", qPrintable(shown(BackupActions::backUpNow(state))));
    } catch (const DbException& error) {
        state.messages.notice(Messages::appTitle(), error.engineText(), Messages::Icon::Critical);
        return 1;
    }
    return 0;
}

int runRestoreCommand(RunState& state, const StartOptions& options, const QString& backupFile) {
    state.ProgramFolder = SubMain::programFolderOf(options);
    const QString server = meetServer(state, options);
    try {
        SubMain::requireProgramFolder(state.ProgramFolder); // backups are kept there, of a server meet too
        state.MeetServer = server; // the restore goes where the meet lives
        for (const QString& line : BackupActions::restore(state, backupFile, MeetBackup::Hold::ByRestore))
            std::printf("%s\n", qPrintable(line));
    } catch (const std::exception& error) {
        state.messages.notice(Messages::appTitle(), QString::fromStdString(error.what()), Messages::Icon::Critical);
        return 1;
    }
    return 0;
}
