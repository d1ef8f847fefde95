#pragma once

// The parts of the main window's design, each in a file of its own. Internal to fMain's design.

namespace qvr {
class fMain;
}

namespace qvr::main_design {

// tabData with its eight tabs, each tab's frame and every value row (fMainDesignLayout.h).
void DesignValueTabs(fMain& window);
// The menu bar: the file menu and the help menu with their entries.
void DesignMenus(fMain& window);

}  // namespace qvr::main_design
