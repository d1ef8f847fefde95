#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

// $PATH set to `path` for the life of the object (what this process and the programs it starts search),
// the old one back afterwards.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& path);
  ~ScopedPath();
  ScopedPath(const ScopedPath&) = delete;
  ScopedPath& operator=(const ScopedPath&) = delete;

  // This process's $PATH with `folder` searched first.
  static std::string WithFirst(const std::filesystem::path& folder);

 private:
  std::optional<std::string> saved_;
};

// Writes an executable shell script `file` that runs `body`.
void WriteScript(const std::filesystem::path& file, const std::string& body);

}  // namespace testsupport
