#include "platform/WriteFileWhole.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "LoopMount.h"
#include "TempMachineRoot.h"

namespace platform_test {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string Refusal(const fs::path& target, const std::string& content) {
  try {
    platform::WriteFileWhole(target, content);
  } catch (const platform::FileWriteError& error) {
    return error.what();
  }
  return "written";
}

TEST(WriteFileWhole, KeepsModeAndLinksFitsLongNamesAndRefusesWhatItMayNotReplace) {
  testsupport::TempMachineRoot root;
  const fs::path folder = root.Path();

  const fs::path privateFile = folder / "private.log";
  std::ofstream(privateFile) << "old";
  fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
  platform::WriteFileWhole(privateFile, "new");
  EXPECT_EQ(Contents(privateFile), "new");
  EXPECT_EQ(fs::status(privateFile).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  // Through a relative link to the file: the link stays a link.
  const fs::path link = folder / "link.log";
  fs::create_symlink("private.log", link);
  platform::WriteFileWhole(link, "through the link");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(privateFile), "through the link");

  // Names at the file system's limit (a temporary name must fit beside them), one of them in UTF-8.
  for (const std::string& name : {std::string(255, 'p'), std::string(251, 'q') + "\xC3\xA4\xC3\xA4"}) {
    platform::WriteFileWhole(folder / name, "long");
    EXPECT_EQ(Contents(folder / name), "long");
  }

  // Read-only, even for the superuser: refused and kept.
  const fs::path readOnly = folder / "read-only.log";
  std::ofstream(readOnly) << "kept";
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Refusal(readOnly, "new"), "It is read-only.");
  EXPECT_EQ(Contents(readOnly), "kept");

  const fs::path fifo = folder / "fifo.log";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Refusal(fifo, "new"), "It is not a regular file.");
  EXPECT_EQ(Refusal(folder / "missing" / "x.log", "new"), "No such file or directory.");

  // Nothing left behind by any of them.
  std::vector<std::string> expected = {"fifo.log",
                                       "link.log",
                                       "private.log",
                                       "read-only.log",
                                       std::string(255, 'p'),
                                       std::string(251, 'q') + "\xC3\xA4\xC3\xA4"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(folder), expected);
}

// A save killed with SIGKILL leaves its temporary file ("NAME.new-PID-N"); the next save of that target
// removes those of processes that no longer run, and only those.
TEST(WriteFileWhole, RemovesWhatKilledWritersOfTheTargetLeft) {
  testsupport::TempMachineRoot root;
  const fs::path folder = root.Path();
  const pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_EQ(waitpid(child, nullptr, 0), child);
  const std::string dead = std::to_string(child);
  const std::string live = std::to_string(getppid());
  const std::string longName(255, 'p');
  const std::vector<std::string> removed = {
      "room.par.new-" + dead + "-1", longName.substr(0, 255 - 8 - dead.size()) + ".new-" + dead + "-12"};
  const std::vector<std::string> kept = {"room.par.new-" + live + "-1", "room.par.new-" + dead + "-x",
                                         "other.par.new-" + dead + "-1", "room.par.new-" + dead};
  for (const auto& names : {removed, kept}) {
    for (const std::string& name : names) std::ofstream(folder / name) << "half";
  }
  platform::WriteFileWhole(folder / "room.par", "new");
  platform::WriteFileWhole(folder / longName, "new");

  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {"room.par", longName});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(folder), expected);
}

// A power cut right after a write returned: the file system is stopped without writing its journal, then
// mounted again.
TEST(WriteFileWhole, TheWrittenContentSurvivesAPowerCut) {
  testsupport::LoopMount disk;
  if (!disk.Available()) GTEST_SKIP() << disk.WhyNot();
  const fs::path file = disk.Path() / "room.par";
  platform::WriteFileWhole(file, std::string(3000, 'o'));
  sync();
  const std::string written(2000, 'n');
  platform::WriteFileWhole(file, written);

  ASSERT_TRUE(disk.PowerCut()) << disk.WhyNot();
  ASSERT_TRUE(disk.Remount()) << disk.WhyNot();
  EXPECT_EQ(Contents(file), written);
}

}  // namespace
}  // namespace platform_test
