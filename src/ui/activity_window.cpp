#include "ui/activity_window.h"

#include "ui/activity_host.h"
#include "ui/entry_window.h"
#include "ui/run_state.h"
#include "ui/sub_windows.h"

// Going without the question (the main window asks before it unloads an activity): the
// sub-window closes without calling back into this half-destroyed window.
ActivityWindow::~ActivityWindow() {
    if (!m_subWindow)
        return;
    disconnect(m_subWindow, nullptr, this, nullptr);
    m_subWindow->close();
    setBeneathEnabled(true);
}

EntryWindow* ActivityWindow::subWindow() const { return m_subWindow; }

bool ActivityWindow::Query_Unload() {
    if (!m_subWindow || !m_subWindow->isVisible())
        return true;
    if (!m_subWindow->Query_Close())
        return false;
    m_subWindow->close();
    return true;
}

void ActivityWindow::openSubWindow(RunState& state, EntryWindow* window, Beneath beneath,
                                   const std::function<void()>& onClosed) {
    m_state = &state;
    m_subWindow = window;
    connect(window, &EntryWindow::closed, this, [this, onClosed] {
        setBeneathEnabled(true);
        if (onClosed)
            onClosed();
    });
    SubWindows::showOwned(window, this);
    window->unsetCursor();
    if (beneath == Beneath::Disabled)
        setBeneathEnabled(false);
}

void ActivityWindow::setBeneathEnabled(bool enabled) {
    if (enabled == !m_beneathDisabled)
        return;
    m_beneathDisabled = !enabled;
    if (m_state && m_state->host)
        m_state->host->setHostEnabled(enabled);
    setEnabled(enabled);
}
