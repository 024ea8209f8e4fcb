#pragma once

#include <QMenu>
#include <functional>

class EntryWindow;
class RunState;

// The drop-down menu under the main window's "Utilities" label: a menu as any other, so
// the arrow keys, Enter and Escape work in it and assistive technology sees its entries.
// It closes when an entry is chosen or the focus goes elsewhere; the main window keeps it for
// the next time (an entry's window may still be running from it).
class FrmUtilities : public QMenu {
    Q_OBJECT
public:
    FrmUtilities(RunState& state, QWidget* owner);

signals:
    // The menu has closed.
    void closed();

public slots:
    void LblAssignNum_Click();
    void LblExport_Click();
    void LblImport_Click();
    void LblBackUpNow_Click();
    void LblRestore_Click();
    void LblPublish_Click();

private:
    // An entry named `objectName` (as the menu's labels were) with an underlined mnemonic.
    QAction* addEntry(const QString& objectName, const QString& caption);
    void openOverMain(EntryWindow* window, const std::function<void()>& afterClose = {});
    // Closes the main window's activity (its entry window asking its cancel question first);
    // false, with the menu closed, when the secretary kept it.
    bool closeActivity();

    RunState& m_state;
};
