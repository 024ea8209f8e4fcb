#pragma once

class QWidget;
class QString;
class QColor;

// Placement and look shared by the windows, in twips as the windows state them.
namespace WindowGeometry {

// Sets the inner (client) size of a window.
void setClientSize(QWidget* window, int widthTwips, int heightTwips);

// Centres a top-level window on a screen of the given size in twips, raised by `raiseTwips`.
void centre(QWidget* window, int screenWidthTwips, int screenHeightTwips, int raiseTwips = 0);

// Places a child at (left, top) with size (width, height), all in twips.
void place(QWidget* child, int leftTwips, int topTwips, int widthTwips, int heightTwips);

// The one way a widget (a menu button, a label used as a link) is coloured: a flat
// background and a text colour, in the font of its window (a style sheet without a font
// would drop it). Buttons keep a thin border and darken while pressed.
void setColours(QWidget* widget, const QColor& background, const QColor& text);

} // namespace WindowGeometry
