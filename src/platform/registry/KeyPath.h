#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reg {

// The names of a backslash key path, or nothing when the path is empty, has an empty name (a leading,
// doubled or trailing backslash), a name with a NUL character or one longer than 255 characters, as
// Windows refuses them too.
std::optional<std::vector<std::string_view>> SplitKeyPath(std::string_view path);

// The spelling that names are compared in: ASCII and Latin-1 letters (UTF-8) in lower case, so that
// "Geräte" and "GERÄTE" name one key.
std::string FoldCase(std::string_view name);

}  // namespace reg
