#include "ui/window_geometry.h"

#include "ui/twips.h"

#include <QColor>
#include <QPushButton>
#include <QWidget>

namespace WindowGeometry {

void setClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->resize(Twips::toPixels(QSize(widthTwips, heightTwips)));
}

void centre(QWidget* window, int screenWidthTwips, int screenHeightTwips, int raiseTwips) {
    const int widthTwips = Twips::fromPixels(window->width());
    const int heightTwips = Twips::fromPixels(window->height());
    window->move(Twips::toPixels((screenWidthTwips - widthTwips) / 2),
                 Twips::toPixels((screenHeightTwips - heightTwips) / 2 - raiseTwips));
}

void place(QWidget* child, int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    child->setGeometry(Twips::toPixels(QRect(leftTwips, topTwips, widthTwips, heightTwips)));
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    const QFont font = widget->window()->font();
    const QString look = QStringLiteral("background-color: %1; color: %2; font-family: \"%3\"; font-size: %4pt;")
                             .arg(background.name(), text.name(), font.family())
                             .arg(font.pointSizeF());
    if (qobject_cast<QPushButton*>(widget))
        // A styled border hides the style's focus frame: the keyboard's button gets its own.
        widget->setStyleSheet(QStringLiteral("QPushButton { %1 border: 1px solid #404040; padding: 2px; } "
                                             "QPushButton:pressed { background-color: #a0a0a0; } "
                                             "QPushButton:focus { border: 2px solid #1c57b8; padding: 1px; }")
                                  .arg(look));
    else
        widget->setStyleSheet(look);
}

} // namespace WindowGeometry
