#pragma once

#include <cstddef>

namespace qvr {

// The entries of MsgDirector: what the plug-in program tells a director on the bus besides the plug-in
// object's own errors.
enum DirectorMessage : std::size_t {
  kMsgBusy = 0,                // "the plug-in is busy: " (the reason follows)
  kMsgBusyUserWindow = 1,      // "a window of the user's is open"
  kMsgBusyApply = 2,           // "Apply is running"
  kMsgBusyCommand = 3,         // "a command is under way"
  kMsgTooManyObjects = 4,      // the most objects a program keeps is reached
  kMsgRegistrationUnseen = 5,  // command 50 refused where nobody sees the windows
};

}  // namespace qvr
