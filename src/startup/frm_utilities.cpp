#include "startup/frm_utilities.h"

#include "database/db_exception.h"
#include "exchange/frm_data_export.h"
#include "exchange/frm_data_import.h"
#include "registration/frm_assign_numbers.h"
#include "results/frm_publish_results.h"
#include "startup/backup_actions.h"
#include "startup/frm_restore_backup.h"
#include "ui/activity_host.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/sub_windows.h"
#include "ui/messages.h"
#include "ui/twips.h"

#include <QDir>

FrmUtilities::FrmUtilities(RunState& state, QWidget* owner) : QMenu(owner), m_state(state) {
    setObjectName(QStringLiteral("FrmUtilities"));
    setTitle(QStringLiteral("Utilities"));
    setAccessibleName(QStringLiteral("Utilities"));
    setFont(QFont(QStringLiteral("Times New Roman"), 10));
    setMinimumWidth(Twips::toPixels(1900));
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblAssignNum"), QStringLiteral("&Assign Rider #s")),
                   &QAction::triggered, this, &FrmUtilities::LblAssignNum_Click);
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblExport"), QStringLiteral("&Export to State")),
                   &QAction::triggered, this, &FrmUtilities::LblExport_Click);
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblImport"), QStringLiteral("&Import Teams")),
                   &QAction::triggered, this, &FrmUtilities::LblImport_Click);
    // The meet's files, after the three tasks above.
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblBackUpNow"), QStringLiteral("&Back Up Now")),
                   &QAction::triggered, this, &FrmUtilities::LblBackUpNow_Click);
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblRestore"), QStringLiteral("&Restore a Backup...")),
                   &QAction::triggered, this, &FrmUtilities::LblRestore_Click);
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblPublish"), QStringLiteral("&Publish Results...")),
                   &QAction::triggered, this, &FrmUtilities::LblPublish_Click);
    connect(this, &QMenu::aboutToHide, this, &FrmUtilities::closed);
}

QAction* FrmUtilities::addEntry(const QString& objectName, const QString& caption) {
    QAction* entry = addAction(caption);
    entry->setObjectName(objectName);
    return entry;
}

// The menu's windows stand over the main window, which is disabled until they close.
void FrmUtilities::openOverMain(EntryWindow* window, const std::function<void()>& afterClose) {
    close();
    RunState& state = m_state;
    if (state.host)
        state.host->setHostEnabled(false);
    connectGuarded(state.messages, window, &EntryWindow::closed, window, [&state, afterClose] {
        if (state.host)
            state.host->setHostEnabled(true);
        if (afterClose)
            afterClose();
    });
    SubWindows::showOwned(window, parentWidget());
}

bool FrmUtilities::closeActivity() {
    if (!m_state.host)
        return true;
    m_state.host->Close_Current_Activity();
    if (m_state.host->CurrentActivity() == 0)
        return true;
    close();
    return false;
}

void FrmUtilities::LblAssignNum_Click() { openOverMain(new FrmAssignNumbers(m_state)); }

// The export closes the main window's activity when it opens and again when it closes. An
// entry window of the activity asks its cancel question first; "No" keeps it and the
// activity, and the export does not open.
void FrmUtilities::LblExport_Click() {
    RunState& state = m_state;
    if (!closeActivity())
        return;
    openOverMain(new FrmDataExport(state), [&state] {
        if (state.host)
            state.host->Close_Current_Activity();
    });
}

void FrmUtilities::LblImport_Click() {
    auto* window = new FrmDataImport(m_state);
    openOverMain(window);
    window->Import_Data();
}

// A backup of the meet as it is now, made from the open database while the work goes on.
void FrmUtilities::LblBackUpNow_Click() {
    RunState& state = m_state;
    close();
    try {
        const QString path = BackupActions::backUpNow(state);
        state.messages.notice(Messages::appTitle(), QStringLiteral("A backup of the meet database was made:\n\n%1")
                                                        .arg(QDir::toNativeSeparators(path)));
    } catch (const DbException& error) {
        state.messages.notice(Messages::appTitle(), error.engineText(), Messages::Icon::Critical);
    }
}

// The meet is replaced under every window: the activity closes first, and the main window
// stays disabled while the backups are listed.
void FrmUtilities::LblRestore_Click() {
    RunState& state = m_state;
    if (state.MeetDb.onServer()) {
        close();
        state.messages.notice(Messages::appTitle(),
                              BackupActions::restoreRefusedOnServer(QStringLiteral("A backup file"), state.MeetServer),
                              Messages::Icon::Critical);
        return;
    }
    if (closeActivity())
        openOverMain(new FrmRestoreBackup(state));
}

void FrmUtilities::LblPublish_Click() { openOverMain(new FrmPublishResults(m_state)); }
