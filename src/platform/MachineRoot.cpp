#include "platform/MachineRoot.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace platform {

std::filesystem::path MachineRoot(const std::string& lnsRoot, const std::string& dataHome,
                                  const std::string& home) {
  if (!lnsRoot.empty()) return lnsRoot;
  return std::filesystem::path(dataHome.empty() ? home + "/.local/share" : dataHome) / "lns-machine";
}

std::optional<std::string> UnusableMachineRoot(const std::filesystem::path& root) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(root, error);
  const std::string path = (error ? root : absolute).string();
  if (path.find('\n') == std::string::npos) return std::nullopt;
  return "the machine root's path holds a line break, which the files that name its folders cannot hold: " +
         path;
}

std::filesystem::path MapWindowsPath(const std::filesystem::path& base, std::string_view windowsPath) {
  std::string_view rest = windowsPath;
  if (rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':')
    rest.remove_prefix(2);

  std::vector<std::string> parts;
  std::string current;
  auto flush = [&] {
    if (current == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!current.empty() && current != ".") {
      parts.push_back(current);
    }
    current.clear();
  };
  for (char c : rest) {
    if (c == '\\' || c == '/') {
      flush();
    } else {
      current += c;
    }
  }
  flush();

  std::filesystem::path mapped = base;
  for (const std::string& part : parts) mapped /= part;
  return mapped;
}

std::filesystem::path MapFilePath(const std::filesystem::path& machineRoot, std::string_view path) {
  if (path.empty() || path.front() != '/') return MapWindowsPath(machineRoot, path);
  std::string posixPath(path);
  std::replace(posixPath.begin(), posixPath.end(), '\\', '/');
  return std::filesystem::path(posixPath).lexically_normal();
}

std::optional<std::filesystem::path> PathInside(const std::filesystem::path& base,
                                                const std::filesystem::path& relative) {
  if (relative.empty() || relative.has_root_path()) return std::nullopt;
  const std::filesystem::path normal = relative.lexically_normal();
  if (*normal.begin() == "..") return std::nullopt;
  std::filesystem::path inside = (base / normal).lexically_normal();
  if (!inside.has_filename() && inside.has_relative_path()) inside = inside.parent_path();
  return inside;
}

std::filesystem::path RunningProgramFile() {
  std::error_code error;
  std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : file;
}

std::filesystem::path DataDir() {
  return RunningProgramFile().parent_path().parent_path() / QVR_DATA_FOLDER;
}

}  // namespace platform
