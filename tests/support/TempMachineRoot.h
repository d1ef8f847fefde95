#pragma once

#include <filesystem>

namespace testsupport {

// A fresh, empty machine root for one test, removed afterwards; the test hands its path to what it runs.
// Tests never touch the user's own root.
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
};

}  // namespace testsupport
