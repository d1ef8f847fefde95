#include "Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/MachineRoot.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

// The test binary's parent's parent.
fs::path BuildFolder() {
  return fs::canonical(platform::RunningProgramFile()).parent_path().parent_path();
}

// The compiler may name a source relative to the build folder.
fs::path GoldenFolder(const char* sourceFile) {
  const fs::path source(sourceFile);
  if (source.is_absolute()) return source.parent_path() / "golden";
  return BuildFolder() / source.parent_path() / "golden";
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

void ExpectGolden(const char* sourceFile, const std::string& name, const std::string& text) {
  const fs::path golden = GoldenFolder(sourceFile) / (name + ".txt");
  // Results stay in the build tree; the source tree holds only reviewed files.
  const fs::path actualFolder = BuildFolder() / "golden-actual";
  const fs::path actual = actualFolder / (name + ".actual");
  if (const char* write = std::getenv("QVR_WRITE_GOLDEN"); write && std::string(write) == "1") {
    std::ofstream(golden, std::ios::binary) << text;
  }
  const bool same = ReadFile(golden) == text;
  if (same) {
    fs::remove(actual);
  } else {
    fs::create_directories(actualFolder);
    std::ofstream(actual, std::ios::binary) << text;
  }
  EXPECT_TRUE(same) << name << " differs from its golden file; see " << actual;
}

}  // namespace testsupport
