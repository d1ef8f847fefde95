#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;
using lnstooltest::Lns;

// Every file of the root with a digest of its bytes and the time it was last written. A database's "-shm"
// index is left out: it holds no data, and the first connection of every process builds it anew.
std::map<std::string, std::pair<std::size_t, fs::file_time_type>> FilesOf(const fs::path& root) {
  std::map<std::string, std::pair<std::size_t, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file() || entry.path().string().ends_with("-shm")) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    files[entry.path().string()] = {std::hash<std::string>()(bytes), entry.last_write_time()};
  }
  return files;
}

// The files that differ between two listings, for the failure message.
std::string Changed(const std::map<std::string, std::pair<std::size_t, fs::file_time_type>>& before,
                    const std::map<std::string, std::pair<std::size_t, fs::file_time_type>>& after) {
  std::string changed;
  for (const auto& [file, state] : after) {
    auto old = before.find(file);
    if (old == before.end() || old->second != state) changed += file + "\n";
  }
  for (const auto& [file, state] : before) {
    if (!after.count(file)) changed += file + " (gone)\n";
  }
  return changed;
}

void SetWritable(const fs::path& root, bool writable) {
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      writable ? fs::perm_options::add : fs::perm_options::remove);
    }
  }
}

// A snapshot outside the root, so that writing it changes nothing there.
const std::string kSnapshot =
    (fs::temp_directory_path() / ("read-only-root-" + std::to_string(getpid()))).string();

const std::vector<lnstool::Args> kReads = {
    {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--snapshot", kSnapshot},
    {"networks"},
    {"devices", "Demo"},
    {"templates", "Demo"},
    {"apps", "Demo"},
    {"nv", "get", "Demo", "Floor 1/Room 101", "34"},
    {"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"},
    {"reg", "get", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path"},
};

// Reading a machine root changes none of its files, so a root that the user may only read can be read.
TEST(ReadOnlyRoot, ReadsWriteNothingAndWorkWithoutWritePermission) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"init", "--demo"}).code, lnstool::kOk);
  // Opening a device the first time sets its objects' modes; from then on it only reads.
  ASSERT_EQ(Lns(root.Path(), kReads[0]).code, lnstool::kOk);
  const auto before = FilesOf(root.Path());
  std::vector<std::string> outputs;
  for (const auto& args : kReads) {
    auto run = Lns(root.Path(), args);
    EXPECT_EQ(run.code, lnstool::kOk) << args[0] << ": " << run.err;
    outputs.push_back(run.out);
  }
  EXPECT_EQ(Changed(before, FilesOf(root.Path())), "") << "read commands changed or left these files";

  SetWritable(root.Path(), false);
  for (std::size_t i = 0; i < kReads.size(); ++i) {
    auto run = Lns(root.Path(), kReads[i]);
    EXPECT_EQ(run.code, lnstool::kOk) << kReads[i][0] << ": " << run.err;
    EXPECT_EQ(run.out, outputs[i]) << kReads[i][0];
  }
  auto write = Lns(root.Path(), {"device", "state", "Demo", "Floor 1/Room 101", "Cnfg Offline"});
  EXPECT_EQ(write.code, lnstool::kFailed);
  EXPECT_NE(write.err.find("read-only"), std::string::npos) << write.err;
  EXPECT_EQ(write.err.find('\n'), write.err.size() - 1) << write.err;
  SetWritable(root.Path(), true);
  fs::remove(kSnapshot);
  EXPECT_EQ(Changed(before, FilesOf(root.Path())), "");
}

// A device opens on a root that the user could only ever read: the look-up of its objects' modes, which
// would store them, leaves the database as it is.
TEST(ReadOnlyRoot, ADeviceOpensOnAFreshRootWithoutWritePermission) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"init", "--demo"}).code, lnstool::kOk);
  SetWritable(root.Path(), false);
  const auto before = FilesOf(root.Path());
  const auto opened = Lns(root.Path(), kReads[0]);
  EXPECT_EQ(opened.code, lnstool::kOk) << opened.err;
  EXPECT_EQ(opened.out, "device: Room 101\n");
  SetWritable(root.Path(), true);
  fs::remove(kSnapshot);
  EXPECT_EQ(Changed(before, FilesOf(root.Path())), "");
}

}  // namespace
