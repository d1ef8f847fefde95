#pragma once

#include <stdexcept>
#include <string>

namespace ui {

// Raised by the headless back end when the program shows a box or dialog that the test did not script
// (or scripted differently). It is deliberately not a platform::RaisedError, so that the program's own
// error handling does not take it for a failure of its work and carry on; the test fails with the text.
class UnscriptedDialog : public std::logic_error {
 public:
  explicit UnscriptedDialog(const std::string& what) : std::logic_error(what) {}
};

}  // namespace ui
