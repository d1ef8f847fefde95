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
}

TempMachineRoot::~TempMachineRoot() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace testsupport
