#include "platform/TemporaryPath.h"

#include <unistd.h>

#include <atomic>
#include <string>

namespace platform {

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
  static std::atomic<unsigned long> counter{0};
  return target.string() + ".new-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
}

}  // namespace platform
