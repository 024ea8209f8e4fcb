#include "ui/key_buttons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

void KeyButtons::add(QPushButton* enter, QPushButton* escape) {
    if (enter)
        enter->setDefault(true);
    m_pairs.append(Pair{enter, escape});
}

bool KeyButtons::pressFirstShown(QPointer<QPushButton> Pair::*which) {
    for (const Pair& pair : std::as_const(m_pairs)) {
        QPushButton* button = pair.*which;
        if (button && button->isVisibleTo(m_window)) {
            button->click(); // does nothing when disabled, as a mouse click
            return true;
        }
    }
    return false;
}

bool KeyButtons::handle(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    // Only the keys of the window that has the keyboard, coming from where its focus is.
    QWidget* focus = QApplication::focusWidget();
    if (!focus || (focus != m_window && !m_window->isAncestorOf(focus)))
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (auto* button = qobject_cast<QPushButton*>(focus)) {
            button->click();
            return true;
        }
        // In a list or tree Enter takes the highlighted item; it is not a Submit.
        if (qobject_cast<QAbstractItemView*>(focus))
            return false;
        return pressFirstShown(&Pair::enter);
    }
    case Qt::Key_Escape:
        return pressFirstShown(&Pair::escape);
    default:
        return false;
    }
}
