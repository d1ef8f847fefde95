#include "platform/TemporaryPath.h"

#include <unistd.h>
#include <climits>

#include <atomic>
#include <string>
#include <string_view>

#include "platform/ProcessRuns.h"

namespace platform {

namespace {

constexpr std::string_view kMark = ".new-";

// The target's name followed by `suffix`; a target whose name is near the limit lends only its beginning,
// cut between characters.
std::string NameWith(std::string name, const std::string& suffix) {
  if (name.size() + suffix.size() > NAME_MAX) {
    std::size_t cut = NAME_MAX - suffix.size();
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return name + suffix;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.size() < 10 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process that a temporary name ".new-PID-N" at the end of `name` was made for; 0 when it has none.
pid_t WriterOf(std::string_view name) {
  const auto mark = name.rfind(kMark);
  if (mark == std::string_view::npos) return 0;
  const std::string_view numbers = name.substr(mark + kMark.size());
  const auto dash = numbers.find('-');
  if (dash == std::string_view::npos || !AllDigits(numbers.substr(0, dash)) ||
      !AllDigits(numbers.substr(dash + 1)))
    return 0;
  return static_cast<pid_t>(std::stol(std::string(numbers.substr(0, dash))));
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
  static std::atomic<unsigned long> counter{0};
  const std::string suffix = std::string(kMark) + std::to_string(getpid()) + "-" + std::to_string(++counter);
  return target.parent_path() / NameWith(target.filename().string(), suffix);
}

std::vector<std::filesystem::path> LeftTemporaries(const std::filesystem::path& target) {
  std::vector<std::filesystem::path> left;
  const std::string targetName = target.filename().string();
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    const pid_t writer = WriterOf(name);
    if (writer <= 0) continue;
    const std::string suffix = name.substr(name.rfind(kMark));
    if (name == NameWith(targetName, suffix) && !ProcessRuns(writer))
      left.push_back(target.parent_path() / name);
  }
  return left;
}

}  // namespace platform
