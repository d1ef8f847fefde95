#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvr {

// One resource set of the maker that the LonWorks resource catalogue has to list.
struct TypeFileEntry {
  std::string Subfolder;      // the set's folder below the LonWorks folder, with a leading "\"
  std::string ProgramIdMask;  // 16 hex digits
  std::int16_t ResourceScope = 0;
};

// Row 0 names the maker's resource set; row 1 stays empty and is never read.
using TypeFileRows = std::array<TypeFileEntry, 2>;

}  // namespace qvr
