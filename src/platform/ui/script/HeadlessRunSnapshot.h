#pragma once

#include <string>
#include <vector>

#include "platform/ui/headless/HeadlessServicesBoxes.h"

namespace ui {

class Application;

// The snapshot of a scripted run at one moment: the main form first, then every other loaded form in
// load order (docs/ui-snapshot.md), then one line per message box shown so far:
// box text="…" title="…" style=N answer=NAME (the button name, "-" for a box nobody answered).
std::string RunSnapshot(const Application& app, const std::vector<HeadlessMessageBoxes::Record>& boxes);

}  // namespace ui
