#include "startup/backup_commands.h"

#include "database/db_exception.h"
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

// The server the meet lives on, empty for the file. Backups and restores work on meet files; a
// meet on a server is kept by the server's own means.
QString meetServer(const RunState& state, const StartOptions& options) {
    return state.MeetServer.isEmpty() ? SubMain::serverOf(options) : state.MeetServer;
}
} // namespace

int runBackupCommand(RunState& state, StartOptions options) {
    if (const QString server = meetServer(state, options); !server.isEmpty()) {
        state.messages.notice(Messages::appTitle(), BackupActions::backupRefusedOnServer(server),
                              Messages::Icon::Critical);
        return 1;
    }
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
    if (const QString server = meetServer(state, options); !server.isEmpty()) {
        state.messages.notice(Messages::appTitle(), BackupActions::restoreRefusedOnServer(shown(backupFile), server),
                              Messages::Icon::Critical);
        return 1;
    }
    state.ProgramFolder = SubMain::programFolderOf(options);
    try {
        if (!QDir(state.ProgramFolder).exists())
            throw std::runtime_error(
                QStringLiteral("The program folder %1 does not exist.").arg(shown(state.ProgramFolder)).toStdString());
        for (const QString& line : BackupActions::restore(state, backupFile, MeetBackup::Hold::ByRestore))
            std::printf("%s\n", qPrintable(line));
    } catch (const std::exception& error) {
        state.messages.notice(Messages::appTitle(), QString::fromStdString(error.what()), Messages::Icon::Critical);
        return 1;
    }
    return 0;
}
