#pragma once

#include <string>

namespace reg {

// The decimal point of the user's numeric locale ($LC_ALL, $LC_NUMERIC, $LANG), as Windows takes the
// registry's sDecimal from the regional settings; "." when that locale cannot be loaded. The process's
// own locale is left alone.
std::string UserDecimalSeparator();

}  // namespace reg
