#include "ui/window_geometry.h"

#include "ui/twips.h"

#include <QColor>
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

void setBackground(QWidget* widget, const QColor& background, const QColor& text) {
    widget->setStyleSheet(QStringLiteral("background-color: %1; color: %2;").arg(background.name(), text.name()));
}

} // namespace WindowGeometry
