#pragma once

#include <QString>
#include <string>

namespace ui {

// A model text for a widget: UTF-8 to QString, line breaks written CR LF shown as one break.
QString QtTextOf(const std::string& text);
// A caption with "&" access keys for a widget that shows text as it stands: "&&" shows "&", a single
// "&" disappears.
QString QtPlainCaptionOf(const std::string& caption);

}  // namespace ui
