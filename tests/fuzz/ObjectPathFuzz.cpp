// libFuzzer target for object paths: the path splits into non-empty parts without "/" that appear in the
// path in order, and a stripped part is the part itself or what follows its ":".
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "formats/ObjectPathParts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path(reinterpret_cast<const char*>(data), size);
  std::size_t position = 0;
  for (const std::string& part : qvr::SplitObjectPath(path)) {
    fuzz::Require(!part.empty() && part.find('/') == std::string::npos);
    position = path.find(part, position);
    fuzz::Require(position != std::string::npos);
    position += part.size();
    const std::string stripped = qvr::StrippedPart(part);
    const std::size_t colon = part.find(':');
    fuzz::Require(stripped == part || (colon != std::string::npos && stripped.size() < part.size() &&
                                       part.find(stripped, colon) != std::string::npos));
  }
  return 0;
}
