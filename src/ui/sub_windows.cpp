#include "ui/sub_windows.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace SubWindows {

void showOwned(QWidget* window, QWidget* owner) {
    if (owner) {
        QWidget* ownerWindow = owner->window();
        // The window system keeps a window above its owner only for dialog-type windows.
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog |
                               Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        // Both need their platform windows before one can be made transient for the other.
        ownerWindow->winId();
        window->winId();
        window->windowHandle()->setTransientParent(ownerWindow->windowHandle());
    }
    window->show();
    window->activateWindow();
}

QList<QWidget*> ownedBy(const QWidget* owner) {
    QList<QWidget*> owned;
    const QWindow* ownerHandle = owner->windowHandle();
    if (!ownerHandle)
        return owned;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != owner && window->isVisible() && window->windowHandle() &&
            window->windowHandle()->transientParent() == ownerHandle)
            owned << window;
    return owned;
}

} // namespace SubWindows
