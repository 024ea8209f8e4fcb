#pragma once

#include "database/meet_backup.h"
#include "ui/entry_window.h"

class QListWidget;

// "Restore a Backup": the backups of the meet, newest first with the time they were made,
// why, and their size; Restore puts the chosen one in place of the meet database as the
// restore command does. The program holds the meet all along: the window closes the
// program's connections to the meet database, has the file replaced, and opens it again.
class FrmRestoreBackup : public EntryWindow {
    Q_OBJECT
public:
    explicit FrmRestoreBackup(RunState& state, QWidget* parent = nullptr);

    // How a backup is listed: "2026-12-07 15:11:28   start   84 KB".
    static QString listText(const MeetBackup::BackupFile& backup);

public slots:
    void CmdRestore_Click();

protected:
    bool Query_Close() override { return true; } // nothing typed that could be lost

private:
    void Load_Backups();

    QList<MeetBackup::BackupFile> m_backups;
    QListWidget* m_LstBackups = nullptr;
};
