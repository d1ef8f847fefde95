#include "platform/ProcessRuns.h"

#include <string>

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

}  // namespace platform
