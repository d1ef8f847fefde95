#pragma once

#include <functional>
#include <string>

namespace qvr {

class Program;

// Runs the work of a main-window menu entry. An error it raises ends the work and shows an OK box,
// "Error: " with the routine's and the window's name (`routine`(fMain)) and the error's description on a
// line below, as the window's handlers report their errors.
void RunMenuCommand(Program& program, const std::string& routine, const std::function<void()>& work);

}  // namespace qvr
