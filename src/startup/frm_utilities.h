#pragma once

#include <QFrame>
#include <functional>

class ClickableLabel;
class EntryWindow;
class RunState;

// The small drop-down menu under the main window's "Utilities" label. It closes as soon
// as it loses the focus, which also happens when one of its entries opens a window.
class FrmUtilities : public QFrame {
    Q_OBJECT
public:
    FrmUtilities(RunState& state, QWidget* owner);

signals:
    // The menu has closed (it closes when it loses the focus).
    void closed();

public slots:
    void LblAssignNum_Click();
    void LblExport_Click();
    void LblImport_Click();
    void LblBackUpNow_Click();
    void LblRestore_Click();
    void LblPublish_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ClickableLabel* addEntry(const QString& objectName, const QString& caption, int top);
    void openOverMain(EntryWindow* window, const std::function<void()>& afterClose = {});
    // Closes the main window's activity (its entry window asking its cancel question first);
    // false, with the menu closed, when the secretary kept it.
    bool closeActivity();

    RunState& m_state;
};
