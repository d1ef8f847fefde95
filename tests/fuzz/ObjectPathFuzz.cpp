// libFuzzer target for object paths: the first byte picks an object class, the rest is the path. The path
// splits into non-empty parts without "/" that appear in the path in order, a part asked for by number
// gives that part (stripped: what follows its ":") or "" outside the count, and with no Object Server
// bound the walk to any class finds no object. One state serves every input, as one process's does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "framework/ObjectPath.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qvr::FrameworkState state;
  if (size < 1) return 0;
  const auto objectClass = static_cast<std::int16_t>(data[0]);
  const std::string path(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::int16_t count = qvr::ParseObjectName(state, path);
  fuzz::Require(count == state.ObjectNamePartCount && count >= 0);
  std::size_t position = 0;
  for (std::int16_t index = 1; index <= count; ++index) {
    const std::string part = qvr::ObjectNamePart(state, index, false);
    fuzz::Require(!part.empty() && part.find('/') == std::string::npos);
    position = path.find(part, position);
    fuzz::Require(position != std::string::npos);
    position += part.size();
    const std::string stripped = qvr::ObjectNamePart(state, index, true);
    const std::size_t colon = part.find(':');
    fuzz::Require(stripped == part || (colon != std::string::npos && stripped.size() < part.size() &&
                                       part.find(stripped, colon) != std::string::npos));
  }
  fuzz::Require(qvr::ObjectNamePart(state, 0, false).empty() &&
                qvr::ObjectNamePart(state, static_cast<std::int16_t>(count + 1), true).empty());
  fuzz::Require(!qvr::FindObjectByClass(state, objectClass).has_value());
  return 0;
}
