#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;
using lnstooltest::Lns;

class DatabaseFiles : public lnstooltest::DemoRootTest {
 protected:
  const fs::path network = root.Path() / "LonWorks" / "Databases" / "Demo" / "network.sqlite";
};

// A damaged network database is reported as damaged, with its file, not as an object that is missing.
TEST_F(DatabaseFiles, ADamagedDatabaseIsNamedAsDamaged) {
  {
    std::fstream file(network, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(3 * 4096);
    const std::string garbage(8 * 4096, '\x5A');
    file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
  }
  const auto opened = Lns(root.Path(), {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101"});
  EXPECT_EQ(opened.code, lnstool::kFailed);
  EXPECT_NE(opened.err.find("the database is damaged: " + network.string()), std::string::npos) << opened.err;
  EXPECT_EQ(opened.err.find("Object not found"), std::string::npos) << opened.err;
}

// A database file that is a symbolic link is refused: SQLite would keep its log and index beside the
// link's target, wherever that lies.
TEST_F(DatabaseFiles, ADatabaseReachedThroughASymbolicLinkIsRefused) {
  const fs::path elsewhere = root.Path() / "elsewhere";
  fs::create_directory(elsewhere);
  const fs::path target = elsewhere / "network.sqlite";
  fs::rename(network, target);
  fs::create_symlink(target, network);
  const auto listed = Lns(root.Path(), {"devices", "Demo"});
  EXPECT_EQ(listed.code, lnstool::kFailed);
  EXPECT_NE(listed.err.find(network.string() + ": a symbolic link (to " + target.string() + ")"),
            std::string::npos)
      << listed.err;
  EXPECT_EQ(Lns(root.Path(), {"device", "state", "Demo", "Floor 1/Room 101", "Cnfg Offline"}).code,
            lnstool::kFailed);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(elsewhere)) ++files;
  EXPECT_EQ(files, 1u) << "no log or index was made beside " << target;
}

}  // namespace
