#pragma once

#include "platform/Error.h"

#include <string>

namespace ui {

// Error numbers that the controls and forms raise, with the texts users of such controls know.
inline constexpr long errNoSuchArrayElement = 340;    // "Control array element 'n' doesn't exist"
inline constexpr long errArrayElementExists = 360;    // "Object already loaded"
inline constexpr long errInvalidPropertyValue = 380;  // "Invalid property value"
inline constexpr long errReadOnlyText = 383;          // "'Text' property is read-only"
inline constexpr long errMoveWhileMinOrMax = 384;     // form moved or sized while minimised or maximised
inline constexpr long errAlreadyShown = 400;          // "Form already displayed; can't show modally"
inline constexpr long errIndexOutOfBounds = 35600;    // "Index out of bounds"
inline constexpr long errElementNotFound = 35601;     // "Element not found"
inline constexpr long errKeyNotUnique = 35602;        // "Key is not unique in collection"

// Raises a platform::RaisedError with `number`, the source "ui" and `description`.
[[noreturn]] void RaiseUiError(long number, const std::string& description);

}  // namespace ui
