#pragma once

#include <cstddef>

namespace qvr {

// The entries of MsgPlugInAPI: the plug-in object's status lines and the descriptions of its errors.
enum PlugInMessage : std::size_t {
  kMsgRegistering = 0,             // "Registering plug-in . . ."
  kMsgRegistrationFailed = 1,      // "Unable to register Supported Commands"
  kMsgUnregistering = 2,           // "Unregistering plug-in . . ."
  kMsgInitializing = 3,            // "Initializing plug-in . . ."
  kMsgObjectTypeNotSupported = 4,  // "Object type not supported for this command"
  kMsgCommandNotSupported = 5,     // "Command not supported"
  kMsgCannotOpenNetwork = 6,       // "Cannot open the network " (the network's name follows)
  kMsgReadOnlyProperty = 7,        // "Attempt to write to read-only property"
  kMsgNotWhileMinOrMax = 9,        // "Plug-in can't be moved or sized while minimized or maximized"
  kMsgMinimizedWhileHidden = 10,   // "Can not modify the minimzed property when invisble. ..."
};

}  // namespace qvr
