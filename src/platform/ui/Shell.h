#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

// How the opened program's window should appear (a wish the desktop may ignore).
inline constexpr int vbNormalFocus = 1;
inline constexpr int vbMaximizedFocus = 3;

// The desktop shell: opening documents and addresses, starting programs.
class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the desktop to open a file or an address ("mailto:...", "https://...") with its usual program.
  // A desktop's shell raises OpenFailure when nothing opens it; the shell of Services::Shell() tells the
  // user instead and returns. Failing to ask at all raises an error.
  virtual void Open(const std::string& target, int showCommand) = 0;
  // Starts argv[0] with the remaining arguments, never through a command interpreter, and does not wait
  // for it. Raises an error when the program cannot be started.
  virtual void StartProgram(const std::vector<std::string>& argv) = 0;
};

// The desktop was asked to open `target`, and nothing opened it, for `reason`.
class OpenFailure : public std::runtime_error {
 public:
  OpenFailure(const std::string& target, const std::string& reason)
      : std::runtime_error("Cannot open \"" + target + "\": " + reason + ".") {}
};

}  // namespace ui
