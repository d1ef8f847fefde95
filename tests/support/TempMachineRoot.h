#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

// A fresh, empty machine root for one test; $LNS_ROOT points at it while the object lives, and the
// folder is removed afterwards. Tests never touch the user's own root.
class TempMachineRoot {
 public:
  TempMachineRoot();
  // The root in `parent` (a file system of a test's own) rather than in the temporary folder.
  explicit TempMachineRoot(const std::filesystem::path& parent);
  ~TempMachineRoot();
  TempMachineRoot(const TempMachineRoot&) = delete;
  TempMachineRoot& operator=(const TempMachineRoot&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<std::string> previousRoot_;
};

}  // namespace testsupport
