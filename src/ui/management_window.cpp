#include "ui/management_window.h"

#include "ui/activity_host.h"
#include "ui/entry_window.h"
#include "ui/run_state.h"
#include "ui/sub_windows.h"
#include "ui/window_geometry.h"

#include <QLabel>
#include <QPushButton>

ManagementWindow::ManagementWindow(RunState& state, const QString& objectName, const QString& title, QWidget* parent)
    : ActivityWindow(parent), m_state(state) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAutoFillBackground(true);
    auto* label = new QLabel(title, this);
    label->setObjectName(QStringLiteral("LblFormTitle"));
    label->setFont(QFont(QStringLiteral("Times New Roman"), 18, QFont::Bold));
    label->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(label, 120, 240, 8385, 600);
}

// Going without the question (the main window asks before it unloads an activity):
// the entry window closes without calling back into this half-destroyed window.
ManagementWindow::~ManagementWindow() {
    if (!m_entryWindow)
        return;
    disconnect(m_entryWindow, nullptr, this, nullptr);
    m_entryWindow->close();
    setBeneathEnabled(true);
}

QPushButton* ManagementWindow::addButton(const QString& objectName, const QString& caption,
                                         const std::function<void()>& handler) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    WindowGeometry::place(button, m_column.left, m_column.top, m_column.width, 495);
    connect(button, &QPushButton::clicked, this, handler);
    m_column.top += m_column.step;
    return button;
}

void ManagementWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Activate();
}

void ManagementWindow::openEntryWindow(EntryWindow* window, Beneath beneath, QWidget* focusAfter) {
    m_entryWindow = window;
    QPointer<QWidget> focus(focusAfter);
    connect(window, &EntryWindow::closed, this, [this, focus] {
        setBeneathEnabled(true);
        if (focus)
            focus->setFocus();
        Form_Activate();
    });
    SubWindows::showOwned(window, this);
    window->unsetCursor();
    if (beneath == Beneath::Disabled)
        setBeneathEnabled(false);
}

bool ManagementWindow::Query_Unload() {
    if (!m_entryWindow || !m_entryWindow->isVisible())
        return true;
    if (!m_entryWindow->Query_Close())
        return false;
    m_entryWindow->close();
    return true;
}

void ManagementWindow::setBeneathEnabled(bool enabled) {
    if (enabled && !m_beneathDisabled)
        return;
    m_beneathDisabled = !enabled;
    if (m_state.host)
        m_state.host->setHostEnabled(enabled);
    setEnabled(enabled);
}
