#pragma once

#include <string>

#include "devicemodel/CompanionFollow.h"

namespace qvr {

class fMain;

// How the companions follow a box of `window` whose text is `text`, the device's value being `stored`:
// the device's value, or any text while the window shows devices' values (a parameter file), is shown.
FollowBy FollowFor(const fMain& window, const std::string& text, const std::string& stored);

}  // namespace qvr
