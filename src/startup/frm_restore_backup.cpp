#include "startup/frm_restore_backup.h"

#include "database/db_exception.h"
#include "reports/report_data_source.h"
#include "startup/backup_actions.h"
#include "ui/guarded_connect.h"
#include "ui/messages.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <cmath>
#include <stdexcept>
#include <utility>

FrmRestoreBackup::FrmRestoreBackup(RunState& state, QWidget* parent)
    : EntryWindow(state, QStringLiteral("FrmRestoreBackup"), QStringLiteral("Restore a Backup"), 7200, 5400, parent) {
    addTitleLabel(QStringLiteral("Restore a Backup"), 240, 600)->setObjectName(QStringLiteral("LblTitle"));
    QLabel* caption = addCaption(QStringLiteral("Backups, newest first"), {480, 960, 6240, 300});
    m_LstBackups = new QListWidget(this);
    m_LstBackups->setObjectName(QStringLiteral("LstBackups"));
    m_LstBackups->setAccessibleName(QStringLiteral("Backups, newest first"));
    caption->setBuddy(m_LstBackups);
    // Enter (or a double click) on a backup asks to restore it, as Restore does.
    connectGuarded(m_state.messages, m_LstBackups, &QListWidget::itemActivated, this,
                   &FrmRestoreBackup::CmdRestore_Click);
    WindowGeometry::place(m_LstBackups, 480, 1320, 6240, 3000);
    auto* restore = new QPushButton(QStringLiteral("Restore"), this);
    restore->setObjectName(QStringLiteral("CmdRestore"));
    WindowGeometry::place(restore, 1680, 4560, 1560, 480);
    connectGuarded(m_state.messages, restore, &QPushButton::clicked, this, &FrmRestoreBackup::CmdRestore_Click);
    addKeyButtons(restore, nullptr);
    addCancelButton({3960, 4560, 1560, 480});
    centreOn(m_state.ScreenWidth, m_state.ScreenHeight);
    Load_Backups();
}

QString FrmRestoreBackup::listText(const MeetBackup::BackupFile& backup) {
    const QString size = backup.bytes < 1024 * 1024
                             ? QStringLiteral("%1 KB").arg(std::ceil(backup.bytes / 1024.0))
                             : QStringLiteral("%1 MB").arg(backup.bytes / (1024.0 * 1024.0), 0, 'f', 1);
    return QStringLiteral("%1   %2   %3")
        .arg(backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), backup.reason, size);
}

void FrmRestoreBackup::Load_Backups() {
    m_backups = MeetBackup::newestFirst(m_state.meetDatabasePath());
    m_LstBackups->clear();
    for (const MeetBackup::BackupFile& backup : std::as_const(m_backups))
        m_LstBackups->addItem(listText(backup));
}

// The program's own connections go first: the file is replaced under them. The meet is
// opened again whatever the restore answered.
void FrmRestoreBackup::CmdRestore_Click() {
    const int row = m_LstBackups->currentRow();
    if (row < 0 || row >= m_backups.size()) {
        m_state.messages.notice(Messages::appTitle(), QStringLiteral("Choose the backup to restore."));
        return;
    }
    const MeetBackup::BackupFile backup = m_backups[row];
    if (!m_state.messages.ask(Messages::confirmTitle(),
                              QStringLiteral("Put the backup made %1 (%2) in place of the meet database? The meet "
                                             "database as it is now is kept in the backups first.")
                                  .arg(backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), backup.reason)))
        return;
    const QString meet = m_state.meetDatabasePath();
    m_state.MeetDb.close();
    if (m_state.QARNConnection)
        m_state.QARNConnection->close();
    QStringList done;
    QString refusal;
    try {
        done = BackupActions::restore(m_state, backup.path, MeetBackup::Hold::ByCaller);
    } catch (const std::exception& error) {
        refusal = QString::fromStdString(error.what());
    }
    try {
        m_state.MeetDb.open(meet);
    } catch (const DbException& error) {
        m_state.messages.notice(Messages::appTitle(),
                                QStringLiteral("The meet database %1 could not be opened again:\n\n%2\n\nClose "
                                               "Corravin and start it again.")
                                    .arg(QDir::toNativeSeparators(meet), error.engineText()),
                                Messages::Icon::Critical);
        close();
        return;
    }
    if (!refusal.isEmpty()) {
        m_state.messages.notice(Messages::appTitle(), refusal, Messages::Icon::Critical);
        Load_Backups();
        return;
    }
    m_state.messages.notice(Messages::appTitle(), done.join(QStringLiteral("\n\n")));
    close();
}
