#include "ui/management_window.h"

#include "ui/guarded_connect.h"
#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QPointer>
#include <QPushButton>

ManagementWindow::ManagementWindow(RunState& state, const QString& objectName, const QString& title, QWidget* parent,
                                   const QString& titleName)
    : ActivityWindow(state, objectName, title, parent) {
    addTitle(title, titleName);
}

QPushButton* ManagementWindow::addButton(const QString& objectName, const QString& caption,
                                         const std::function<void()>& handler) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    WindowGeometry::place(button, m_column.left, m_column.top, m_column.width, 495);
    connectGuarded(m_state.messages, button, &QPushButton::clicked, this, handler);
    m_column.top += m_column.step;
    return button;
}

void ManagementWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    runReportingErrors(m_state.messages, [this] { Form_Activate(); });
}

void ManagementWindow::openEntryWindow(EntryWindow* window, Beneath beneath, QWidget* focusAfter) {
    QPointer<QWidget> focus(focusAfter);
    openSubWindow(window, beneath, [this, focus] {
        if (focus)
            focus->setFocus();
        Form_Activate();
    });
}
