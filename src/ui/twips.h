#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is stated in twips (1/1440 inch); this is the one conversion to pixels.
namespace Twips {

// Twips per pixel of the primary screen (1440 / logical DPI); 15 at 96 DPI.
double perPixel();

int toPixels(int twips);
int fromPixels(int pixels);
QPoint toPixels(QPoint twips);
QSize toPixels(QSize twips);
QRect toPixels(QRect twips);

} // namespace Twips
