#pragma once

#include <string>
#include <string_view>

namespace platform {

// A text for a one-line message: control characters written as escapes ("\n", "\x1b"), so that what a
// user typed can never break a message into lines or drive the terminal.
std::string EscapeControls(std::string_view text);

// What a user gave, quoted for an error message: its controls escaped and cut after 200 characters
// ("..." marks the cut), so that a pasted page never floods the message.
std::string Echoed(std::string_view text);

}  // namespace platform
