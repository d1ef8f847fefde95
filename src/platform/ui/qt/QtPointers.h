#pragma once

#include <Qt>

namespace ui {

// The cursor shape of a mouse-pointer number (0 default, 11 hourglass, ...); 99, the program's own
// picture, shows the pointing hand that the system's link labels use.
Qt::CursorShape CursorShapeOf(int pointer);

}  // namespace ui
