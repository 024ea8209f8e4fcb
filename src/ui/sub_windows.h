#pragma once

#include <QList>

class QWidget;

// Windows opened over another window (entry windows, settings, previews...). They are
// owned by the window that opens them in the window system's sense: it keeps them above
// their owner. They are not Qt children of it, so disabling the owner while they are
// open leaves them usable.
namespace SubWindows {

// Shows `window` owned by the top-level window of `owner` (just shows it without an owner).
void showOwned(QWidget* window, QWidget* owner);

// The visible windows shown owned by the top-level window `owner`.
QList<QWidget*> ownedBy(const QWidget* owner);

} // namespace SubWindows
