#pragma once

#include <QColor>
#include <optional>

#include "platform/ui/Color.h"

namespace ui {

// The Qt colour of a colour number: 0x00BBGGRR as it stands, a system colour (0x800000nn) as the
// application palette's colour of that role. Nothing for the default text colours (button text and
// window text), so that the widget keeps its style's own.
std::optional<QColor> QtColorOf(Color color);

}  // namespace ui
