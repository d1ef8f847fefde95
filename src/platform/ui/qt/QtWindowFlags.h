#pragma once

#include <Qt>

namespace ui {

// A title bar whose only button closes the window: what Windows offers on a fixed border and on a
// message box, so that the window manager offers neither minimise nor maximise.
inline constexpr Qt::WindowFlags kTitleAndCloseOnly =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace ui
