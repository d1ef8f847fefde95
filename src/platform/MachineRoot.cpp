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
  if (!lnsRoot.empty()) return ResolvedMachineRoot(lnsRoot);
  return ResolvedMachineRoot(std::filesystem::path(dataHome.empty() ? home + "/.local/share" : dataHome) /
                             "lns-machine");
}

std::filesystem::path ResolvedMachineRoot(const std::filesystem::path& root) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(root, error);
  if (error) absolute = root;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  resolved = (error ? absolute : resolved).lexically_normal();
  if (!resolved.has_filename() && resolved.has_relative_path()) resolved = resolved.parent_path();
  return resolved;
}

namespace {

// The length of the UTF-8 sequence that starts `text`, when it encodes a character that XML allows: none
// of the control characters but tab, line feed and carriage return, no surrogate, neither U+FFFE nor U+FFFF.
std::size_t XmlCharacterLength(std::string_view text) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || text.size() < length) return 0;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t at = 1; at < length; ++at) {
    if ((byte(at) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(at) & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool valid = code >= kShortest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) &&
                     code != 0xFFFE && code != 0xFFFF;
  return valid ? length : 0;
}

bool IsXmlText(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = XmlCharacterLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

}  // namespace

std::optional<std::string> UnusableMachineRoot(const std::filesystem::path& root) {
  const std::string path = ResolvedMachineRoot(root).string();
  if (path.find('\n') != std::string::npos) {
    return "the machine root's path holds a line break, which the files that name its folders cannot hold: " +
           path;
  }
  if (!IsXmlText(path)) {
    return "the machine root's path holds a control character or bytes that are not UTF-8, which the bus's "
           "configuration cannot hold: " +
           path;
  }
  if (path.size() > kMostMachineRootBytes) {
    return "the machine root's path is " + std::to_string(path.size()) + " bytes long, more than the " +
           std::to_string(kMostMachineRootBytes) + " that leave room for the bus's socket below it: " + path;
  }
  return std::nullopt;
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
