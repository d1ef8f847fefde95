#pragma once

#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {

// The key code that key handlers expect (vbKeyA = 65, vbKeyLeft = 37, vbKeyDelete = 46, ...), 0 for a
// key without one.
int VbKeyCodeOf(const QKeyEvent& event);
// The shift bits of handlers: 1 Shift, 2 Ctrl, 4 Alt.
int VbShiftOf(Qt::KeyboardModifiers modifiers);
// The mouse button bits of handlers: 1 left, 2 right, 4 middle.
int VbButtonOf(Qt::MouseButtons buttons);

}  // namespace ui
