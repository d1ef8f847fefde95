#pragma once

#include <exception>
#include <functional>

namespace ui {

// Runs work that Qt delivered (user input, a timer, posted work). An error that escapes it must not
// unwind through Qt's event delivery, which cannot carry exceptions: it is shown in a message box that
// does not block (and written to the error output), and the program goes on.
void RunGuarded(const std::function<void()>& work);

}  // namespace ui
