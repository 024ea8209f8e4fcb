#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace Twips {

double perPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int toPixels(int twips) { return static_cast<int>(std::lround(twips / perPixel())); }
int fromPixels(int pixels) { return static_cast<int>(std::lround(pixels * perPixel())); }
QPoint toPixels(QPoint twips) { return {toPixels(twips.x()), toPixels(twips.y())}; }
QSize toPixels(QSize twips) { return {toPixels(twips.width()), toPixels(twips.height())}; }
QRect toPixels(QRect twips) { return {toPixels(twips.topLeft()), toPixels(twips.size())}; }

} // namespace Twips
