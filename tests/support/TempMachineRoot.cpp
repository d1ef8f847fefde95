#include "TempMachineRoot.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace testsupport {

TempMachineRoot::TempMachineRoot() : TempMachineRoot(std::filesystem::temp_directory_path()) {}

TempMachineRoot::TempMachineRoot(const std::filesystem::path& parent) {
  std::string pattern = (parent / "lns-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary machine root");
  path_ = pattern;
  if (const char* previous = std::getenv("LNS_ROOT")) previousRoot_ = previous;
  setenv("LNS_ROOT", path_.c_str(), 1);
}

TempMachineRoot::~TempMachineRoot() {
  if (previousRoot_) {
    setenv("LNS_ROOT", previousRoot_->c_str(), 1);
  } else {
    unsetenv("LNS_ROOT");
  }
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace testsupport
