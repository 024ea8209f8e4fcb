#include "ui/activity_window.h"

#include "ui/activity_host.h"
#include "ui/entry_window.h"
#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/sub_windows.h"
#include "ui/window_geometry.h"

#include <QKeyEvent>
#include <QLabel>

ActivityWindow::ActivityWindow(RunState& state, const QString& objectName, const QString& caption, QWidget* parent)
    : QWidget(parent), m_state(state) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setAutoFillBackground(true);
}

QLabel* ActivityWindow::addTitle(const QString& text, const QString& objectName) {
    auto* title = new QLabel(text, this);
    title->setObjectName(objectName);
    title->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(title, 120, 240, 8385, 600);
    return title;
}

// Going without the question (the main window asks before it unloads an activity): the
// sub-window closes without calling back into this half-destroyed window.
ActivityWindow::~ActivityWindow() {
    if (!m_subWindow)
        return;
    disconnect(m_subWindow, nullptr, this, nullptr);
    m_subWindow->close();
    setBeneathEnabled(true);
}

EntryWindow* ActivityWindow::subWindow() const {
    return m_subWindow;
}

bool ActivityWindow::Query_Unload() {
    if (!m_subWindow || !m_subWindow->isVisible())
        return true;
    if (!m_subWindow->Query_Close())
        return false;
    m_subWindow->close();
    return true;
}

void ActivityWindow::openSubWindow(EntryWindow* window, Beneath beneath, const std::function<void()>& onClosed) {
    m_subWindow = window;
    connectGuarded(m_state.messages, window, &EntryWindow::closed, this, [this, onClosed] {
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
    if (m_state.host)
        m_state.host->setHostEnabled(enabled);
    setEnabled(enabled);
}

void ActivityWindow::keyPressEvent(QKeyEvent* event) {
    if (!m_keys.handle(event))
        QWidget::keyPressEvent(event);
}
