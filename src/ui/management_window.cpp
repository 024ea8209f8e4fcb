#include "ui/management_window.h"

#include "ui/run_state.h"
#include "ui/window_geometry.h"

#include <QLabel>
#include <QPointer>
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
    QPointer<QWidget> focus(focusAfter);
    openSubWindow(m_state, window, beneath, [this, focus] {
        if (focus)
            focus->setFocus();
        Form_Activate();
    });
}
