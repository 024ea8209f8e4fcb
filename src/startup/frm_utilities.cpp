#include "startup/frm_utilities.h"

#include "exchange/frm_data_export.h"
#include "exchange/frm_data_import.h"
#include "registration/frm_assign_numbers.h"
#include "ui/activity_host.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/sub_windows.h"
#include "ui/clickable_label.h"
#include "ui/messages.h"
#include "ui/window_geometry.h"

#include <QCloseEvent>

FrmUtilities::FrmUtilities(RunState& state, QWidget* owner) : QFrame(owner, Qt::Popup), m_state(state) {
    setObjectName(QStringLiteral("FrmUtilities"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Box);
    setFont(QFont(QStringLiteral("Times New Roman"), 10));
    WindowGeometry::setClientSize(this, 1900, 1140);
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblAssignNum"), QStringLiteral("Assign Rider #s"), 60), &ClickableLabel::clicked,
            this, &FrmUtilities::LblAssignNum_Click);
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblExport"), QStringLiteral("Export to State"), 420), &ClickableLabel::clicked,
            this, &FrmUtilities::LblExport_Click);
    connectGuarded(m_state.messages, addEntry(QStringLiteral("LblImport"), QStringLiteral("Import Teams"), 780), &ClickableLabel::clicked, this,
            &FrmUtilities::LblImport_Click);
}

ClickableLabel* FrmUtilities::addEntry(const QString& objectName, const QString& caption, int top) {
    auto* entry = new ClickableLabel(caption, this);
    entry->setObjectName(objectName);
    WindowGeometry::place(entry, 120, top, 1660, 300);
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

void FrmUtilities::LblAssignNum_Click() { openOverMain(new FrmAssignNumbers(m_state)); }

// The export closes the main window's activity when it opens and again when it closes. An
// entry window of the activity asks its cancel question first; "No" keeps it and the
// activity, and the export does not open.
void FrmUtilities::LblExport_Click() {
    RunState& state = m_state;
    if (state.host) {
        state.host->Close_Current_Activity();
        if (state.host->CurrentActivity() != 0) {
            close();
            return;
        }
    }
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

void FrmUtilities::closeEvent(QCloseEvent* event) {
    emit closed();
    QFrame::closeEvent(event);
}
