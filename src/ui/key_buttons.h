#pragma once

#include <QList>
#include <QPointer>

class QKeyEvent;
class QPushButton;
class QWidget;

// The keys of a window's buttons: Enter presses the focused button, or else the window's
// default button (Submit); Escape presses its Cancel. A window may hold several pairs (one
// per panel it shows in turn); the first pair whose button is on screen answers. A key
// presses a button as a click does, so a disabled button stays unpressed and Cancel asks
// its question.
class KeyButtons {
public:
    explicit KeyButtons(QWidget* window) : m_window(window) {}

    // `enter` (drawn as the default) and `escape`; either may be null.
    void add(QPushButton* enter, QPushButton* escape);

    // Presses the button the key stands for; true when the key was taken.
    bool handle(QKeyEvent* event);

private:
    struct Pair {
        QPointer<QPushButton> enter;
        QPointer<QPushButton> escape;
    };
    bool pressFirstShown(QPointer<QPushButton> Pair::*which);

    QWidget* m_window;
    QList<Pair> m_pairs;
};
