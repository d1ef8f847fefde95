#pragma once

// Every error number the system and its platform raise, in one place: the runtime's own numbers, the
// controls' and forms', and those the plug-in object raises to its host. A caller reading a raised
// error's number compares it with these. (The LNS substitute's own numbers stand in lns::LnsErrorNumber.)

namespace platform {

// The runtime's numbers, with the meanings users of such a runtime know.
inline constexpr long kErrInvalidCall = 5;    // "Invalid procedure call or argument"
inline constexpr long kErrOverflow = 6;       // "Overflow"
inline constexpr long kErrTypeMismatch = 13;  // "Type mismatch"
inline constexpr long kErrFileNotFound = 53;  // "File not found"
inline constexpr long kErrPathFileAccess =
    75;                                       // "Path/File access error": a file or folder cannot be written
inline constexpr long kErrObjectNotSet = 91;  // "Object variable or With block variable not set"
inline constexpr long kErrPrinter = 482;      // "Printer error"

// The controls' and forms' numbers.
inline constexpr long kErrNoSuchArrayElement = 340;    // "Control array element 'n' doesn't exist"
inline constexpr long kErrArrayElementExists = 360;    // "Object already loaded"
inline constexpr long kErrInvalidPropertyValue = 380;  // "Invalid property value"
inline constexpr long kErrReadOnlyText = 383;          // "'Text' property is read-only"
inline constexpr long kErrMoveWhileMinOrMax = 384;     // form moved or sized while minimised or maximised
inline constexpr long kErrAlreadyShown = 400;          // "Form already displayed; can't show modally"
inline constexpr long kErrIndexOutOfBounds = 35600;    // "Index out of bounds"
inline constexpr long kErrElementNotFound = 35601;     // "Element not found"
inline constexpr long kErrKeyNotUnique = 35602;        // "Key is not unique in collection"

// COM's numbers: a failure with no more to say (E_FAIL), and the registry wrapper's refused write (the
// object-error base plus 513).
inline constexpr long kErrFail = -2147467259;
inline constexpr long kErrRegistryWriteRefused = -2147220991;

// The numbers the plug-in object raises to its host.
inline constexpr long kErrRegistrationFailed = 20000;   // the commands could not be registered in the network
inline constexpr long kErrReadOnlyProperty = 20002;     // a fixed value, or the size of a fixed-border window
inline constexpr long kErrCommandNotSupported = 20003;  // no row of the command table has the command
inline constexpr long kErrObjectTypeNotSupported =
    20004;                                         // the command exists, but not for that object class
inline constexpr long kErrObjectNotFound = 20005;  // the object path leads to no object
// The main window cannot take the change in its present state, or the network cannot be opened.
inline constexpr long kErrNotPossibleNow = 20006;

}  // namespace platform
