#include "formats/ObjectPathParts.h"

#include "platform/runtime/SplitAt.h"

namespace qvr {

std::vector<std::string> SplitObjectPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string rest;
  for (std::string part = runtime::SplitAt(path, "/", rest); !part.empty();
       part = runtime::SplitAt(rest, "/", rest)) {
    parts.push_back(part);
  }
  return parts;
}

std::string StrippedPart(const std::string& part) {
  std::string rest;
  runtime::SplitAt(part, ":", rest);
  return rest.empty() ? part : rest;
}

}  // namespace qvr
