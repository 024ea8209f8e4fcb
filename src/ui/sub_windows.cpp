#include "ui/sub_windows.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
// Gives the keyboard back to the owner when its window goes. Window managers do this for
// windows kept above an owner; without one (a bare X server, the offscreen platform) the
// keyboard would go nowhere.
class ReturnKeyboard : public QObject {
public:
    ReturnKeyboard(QWidget* window, QWidget* owner) : QObject(window), m_owner(owner) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched == parent() && m_owner)
            QTimer::singleShot(0, m_owner, [owner = m_owner] {
                const QWidget* active = QApplication::activeWindow();
                if (owner && owner->isVisible() && (!active || !active->isVisible()))
                    owner->activateWindow();
            });
        return false;
    }

private:
    QPointer<QWidget> m_owner;
};
} // namespace

namespace SubWindows {

void showOwned(QWidget* window, QWidget* owner) {
    if (owner) {
        QWidget* ownerWindow = owner->window();
        if (!window->property("returnsKeyboard").toBool()) {
            window->setProperty("returnsKeyboard", true);
            new ReturnKeyboard(window, ownerWindow);
        }
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

