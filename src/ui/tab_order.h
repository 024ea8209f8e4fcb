#pragma once

class QWidget;

namespace TabOrder {

// Sets the order in which Tab walks the window's controls to their reading order on screen:
// row by row from the top, each row left to right. Controls whose tops are within half a
// control's height of each other stand in one row. A control inside another one (a combo
// box's line, a frame's boxes within their frame's place) is taken where it stands.
void followLayout(QWidget* window);

} // namespace TabOrder
