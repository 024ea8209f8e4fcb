#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QWidget>
#include <source_location>
#include <type_traits>

// Driving a window as the secretary would: its controls found by their object names.

// Records a failure of the current test, at the test's line: the window has no control of
// that class and name.
void failMissingControl(QWidget* window, const char* className, const QString& name, const std::source_location& at);

// Finds a control of a window by its name. A missing control fails the current test only:
// the test goes on to its end with a hidden stand-in (owned by the window) instead of
// crashing, so the other tests of the binary still run. (An exception would not do: Qt Test
// 6.4 reports an exception thrown out of a test function and then ends the whole binary.)
template <typename T>
T* control(QWidget* window, const QString& name, const std::source_location& at = std::source_location::current()) {
    static_assert(std::is_constructible_v<T, QWidget*>, "control<T> needs a widget class built from a parent");
    if (T* found = window->findChild<T*>(name))
        return found;
    failMissingControl(window, T::staticMetaObject.className(), name, at);
    T* standIn = new T(window);
    standIn->setObjectName(name);
    standIn->hide();
    return standIn;
}

inline void setText(QWidget* window, const QString& name, const QString& text,
                    const std::source_location& at = std::source_location::current()) {
    control<QLineEdit>(window, name, at)->setText(text);
}

inline void choose(QWidget* window, const QString& name, int index,
                   const std::source_location& at = std::source_location::current()) {
    control<QComboBox>(window, name, at)->setCurrentIndex(index);
}

// Chooses the entry that shows `text`; an empty text chooses none.
void choose(QWidget* window, const QString& name, const QString& text,
            const std::source_location& at = std::source_location::current());

// Whether the window shows its control of that name (a missing control fails the test).
inline bool shows(QWidget* window, const QString& name,
                  const std::source_location& at = std::source_location::current()) {
    return control<QWidget>(window, name, at)->isVisibleTo(window);
}

// The texts a list or a combo box shows, top to bottom.
QStringList entries(QListWidget* list);
QStringList entries(QComboBox* combo);

// Presses a button, or changes a check box, the way a screen reader or a switch device does:
// through its accessible action, refused as there when the control is disabled. A toggle
// emits no click; a press clicks a moment later, from the event loop.
void pressAccessibly(QWidget* control, const QString& action);

// Asks a shown window to close as its title bar's close button does (a request of the window
// system, which the window may refuse); true when it closed.
bool closeFromTitleBar(QWidget* window);

// Runs the deferred deletes of windows that closed themselves.
void flushClosedWindows();
