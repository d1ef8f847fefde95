#pragma once

#include <string>

namespace qvr {

// The numbers of the errors that the plug-in object raises to its host.
inline constexpr long kErrRegistrationFailed = 20000;   // the commands could not be registered in the network
inline constexpr long kErrReadOnlyProperty = 20002;     // a fixed value, or the size of a fixed-border window
inline constexpr long kErrCommandNotSupported = 20003;  // no row of the command table has the command
inline constexpr long kErrObjectTypeNotSupported =
    20004;                                         // the command exists, but not for that object class
inline constexpr long kErrObjectNotFound = 20005;  // the object path leads to no object
// The main window cannot take the change in its present state, or the network cannot be opened.
inline constexpr long kErrNotPossibleNow = 20006;

// The one description that is the same in every language.
inline constexpr const char* kObjectNotFoundText = "Object not found";

// Raises an error to the host: `number`, the project name as source, and `description`.
[[noreturn]] void RaiseToHost(long number, const std::string& description);

}  // namespace qvr
