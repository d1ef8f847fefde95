#include "platform/ProcessRuns.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>

#include "platform/ReadFileWhole.h"

namespace platform {

// The state is the first field of the process's stat after its command's name, which may hold blanks and
// parentheses, hence the last ')'.
bool ProcessRuns(pid_t pid) {
  const std::string stat = ReadFileWhole("/proc/" + std::to_string(pid) + "/stat");
  const auto nameEnd = stat.rfind(") ");
  if (nameEnd == std::string::npos || nameEnd + 2 >= stat.size()) return false;
  const char state = stat[nameEnd + 2];
  return state != 'Z' && state != 'X';
}

std::vector<pid_t> ListedProcesses() {
  std::vector<pid_t> pids;
  std::error_code error;
  for (std::filesystem::directory_iterator entry("/proc", error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos)
      continue;
    pids.push_back(static_cast<pid_t>(std::stol(name)));
  }
  return pids;
}

std::vector<std::string> ProcessStrings(pid_t pid, const char* file) {
  std::istringstream text(ReadFileWhole("/proc/" + std::to_string(pid) + "/" + file));
  std::vector<std::string> strings;
  for (std::string entry; std::getline(text, entry, '\0');) strings.push_back(entry);
  return strings;
}

}  // namespace platform
