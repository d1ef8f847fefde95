#pragma once

#include <cstdint>
#include <string>

namespace qvr {

// English names of LNS object classes and commands, for progress texts and questions (in every language).
std::string ObjectClassName(std::int16_t objectClass);
std::string CommandName(std::int32_t command);

}  // namespace qvr
