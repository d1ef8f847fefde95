#include "platform/TemporaryPath.h"

#include <unistd.h>
#include <climits>

#include <atomic>
#include <string>

namespace platform {

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
  static std::atomic<unsigned long> counter{0};
  const std::string suffix = ".new-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
  std::string name = target.filename().string();
  // A target whose name is near the limit lends only its beginning, cut between characters.
  if (name.size() + suffix.size() > NAME_MAX) {
    std::size_t cut = NAME_MAX - suffix.size();
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return target.parent_path() / (name + suffix);
}

}  // namespace platform
