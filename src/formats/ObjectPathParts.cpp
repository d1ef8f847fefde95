#include "formats/ObjectPathParts.h"

#include <algorithm>

#include "platform/runtime/SplitAt.h"

namespace qvr {

std::vector<std::string> SplitObjectPath(const std::string& path, std::size_t most) {
  // One pass over the path: each part is copied once, whatever the number of parts.
  std::vector<std::string> parts;
  const std::size_t end = path.find('/') == std::string::npos ? path.size() : path.find_last_not_of(' ') + 1;
  for (std::size_t start = 0; parts.size() <= most;) {
    const std::size_t slash = std::min(path.find('/', start), end);
    if (slash == start) break;
    parts.push_back(path.substr(start, slash - start));
    if (slash == end) break;
    start = std::min(path.find_first_not_of(' ', slash + 1), end);
  }
  return parts;
}

std::string StrippedPart(const std::string& part) {
  std::string rest;
  runtime::SplitAt(part, ":", rest);
  return rest.empty() ? part : rest;
}

}  // namespace qvr
