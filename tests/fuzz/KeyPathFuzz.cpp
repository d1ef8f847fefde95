// libFuzzer target for registry key paths: a path is refused exactly when it is empty or one of its names is
// empty, holds a NUL or is longer than 255 characters; the names of an accepted path, joined with
// backslashes, give the path again. Case folding keeps the length, is done once for all (folding twice
// changes nothing) and folds a path as it folds each of its names.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "platform/registry/KeyPath.h"

namespace {

bool IsAcceptableName(std::string_view name) {
  std::size_t characters = 0;
  for (unsigned char byte : name) characters += (byte & 0xC0) != 0x80 ? 1 : 0;
  return !name.empty() && name.find('\0') == std::string_view::npos && characters <= 255;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);

  bool acceptable = true;
  for (std::size_t start = 0;;) {
    const std::size_t end = path.find('\\', start);
    acceptable =
        acceptable && IsAcceptableName(path.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  const auto names = reg::SplitKeyPath(path);
  fuzz::Require(names.has_value() == acceptable);

  const std::string folded = reg::FoldCase(path);
  fuzz::Require(folded.size() == path.size() && reg::FoldCase(folded) == folded);
  if (!names) return 0;
  std::string joined;
  std::string foldedNames;
  for (std::string_view name : *names) {
    fuzz::Require(name.find('\\') == std::string_view::npos);
    joined += (joined.empty() ? "" : "\\") + std::string(name);
    foldedNames += (foldedNames.empty() ? "" : "\\") + reg::FoldCase(name);
  }
  fuzz::Require(joined == path && foldedNames == folded);
  return 0;
}
