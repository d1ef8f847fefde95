#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lns {

// Collection names match without regard to ASCII letter case; blanks count.
bool SameName(std::string_view a, std::string_view b);

// Throws LnsError (kLnsNotFound): `owner` has no `what` named `name`, e.g. "Floor 1" has no device "Room 9".
[[noreturn]] void ThrowNoItemNamed(std::string_view owner, std::string_view what, std::string_view name);

// Throws LnsError (kLnsNotFound): the 1-based position is not in a collection of `count` items.
[[noreturn]] void ThrowBadPosition(long position, std::size_t count, std::string_view collection);

// Checks a 1-based position against a collection of `count` items; throws as above outside it.
void CheckPosition(long position, std::size_t count, std::string_view collection);

}  // namespace lns
