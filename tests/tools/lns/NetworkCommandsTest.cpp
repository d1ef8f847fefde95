#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/MachineRoot.h"
#include "platform/lns/sim/DemoNetwork.h"
#include "platform/sqlite/Database.h"

namespace {

using lnstooltest::Lns;

TEST(NetworkCommandsTest, ListsNetworksAndTheDevicesOfOne) {
  testsupport::TempMachineRoot root;
  auto empty = Lns(root.Path(), {"networks"});
  EXPECT_EQ(empty.code, 0);
  EXPECT_EQ(empty.out, "");

  lns::CreateDemoNetwork(root.Path(), platform::DataDir() / "interfaces");
  EXPECT_EQ(Lns(root.Path(), {"networks"}).out, "Demo\n");

  auto devices = Lns(root.Path(), {"devices", "Demo"});
  ASSERT_EQ(devices.code, 0) << devices.err;
  ASSERT_EQ(std::count(devices.out.begin(), devices.out.end(), '\n'), 8);
  EXPECT_EQ(devices.out.substr(0, devices.out.find('\n')),
            "Floor 1\tRoom 101\t9FFF6E0A5A060409\t0500A1000001\tCnfg Online");
  EXPECT_NE(devices.out.find("Floor 1\tRoom 103\t9FFF6E0A5A060409\t0500A1000003\tCnfg Offline\n"),
            std::string::npos);
  EXPECT_NE(devices.out.find("Floor 2\tRoom 203\t9FFF6E0A5A06040A\t0500A1000007\tUnconfigured\n"),
            std::string::npos);
  EXPECT_NE(devices.out.find("Floor 2\tMeter 1\t9000C3220C050401\t"), std::string::npos);

  auto missing = Lns(root.Path(), {"devices", "Nowhere"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
  EXPECT_NE(missing.err.find("\"Nowhere\""), std::string::npos) << missing.err;

  for (const lnstool::Args& bad : {lnstool::Args{"networks", "extra"}, lnstool::Args{"devices"},
                                   lnstool::Args{"devices", "Demo", "x"}}) {
    auto run = Lns(root.Path(), bad);
    EXPECT_EQ(run.code, 2) << bad.front();
    EXPECT_EQ(run.err.rfind("usage: lns ", 0), 0u) << run.err;
  }
}

TEST(NetworkCommandsTest, CreatesScaleNetworks) {
  testsupport::TempMachineRoot root;
  auto created = Lns(root.Path(), {"network", "create", "Scale", "--devices", "250"});
  ASSERT_EQ(created.code, 0) << created.err;
  auto devices = Lns(root.Path(), {"devices", "Scale"});
  ASSERT_EQ(std::count(devices.out.begin(), devices.out.end(), '\n'), 250);
  EXPECT_EQ(devices.out.substr(0, devices.out.find('\n')),
            "Area 1\tDevice 1\t9FFF6E0A5A060408\t0500A1000001\tCnfg Online");
  EXPECT_NE(devices.out.find("Area 1\tDevice 4\t9FFF6E0A5A06040B\t"), std::string::npos);
  EXPECT_NE(devices.out.find("Area 3\tDevice 250\t9FFF6E0A5A060409\t"), std::string::npos);
  EXPECT_EQ(devices.out.find("Area 4"), std::string::npos);

  auto again = Lns(root.Path(), {"network", "create", "scale", "--devices", "1"});
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("exists already"), std::string::npos) << again.err;
  EXPECT_EQ(Lns(root.Path(), {"networks"}).out, "Scale\n");

  for (const lnstool::Args& bad :
       {lnstool::Args{"network"}, lnstool::Args{"network", "create", "X"},
        lnstool::Args{"network", "create", "X", "--devices", "-3"},
        lnstool::Args{"network", "create", "X", "--devices", "100001"},
        lnstool::Args{"network", "create", "X", "--count", "3"}, lnstool::Args{"network", "drop", "X"}}) {
    EXPECT_EQ(Lns(root.Path(), bad).code, 2);
  }
}

TEST(NetworkCommandsTest, DeletesANetworkWithItsDatabase) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"network", "create", "Old", "--devices", "3"}).code, 0);
  ASSERT_EQ(Lns(root.Path(), {"network", "create", "Kept", "--devices", "1"}).code, 0);
  ASSERT_TRUE(std::filesystem::exists(root.Path() / "LonWorks" / "Databases" / "Old"));

  auto run = Lns(root.Path(), {"network", "delete", "old"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Lns(root.Path(), {"networks"}).out, "Kept\n");
  EXPECT_FALSE(std::filesystem::exists(root.Path() / "LonWorks" / "Databases" / "Old"));
  ASSERT_EQ(Lns(root.Path(), {"network", "create", "Old", "--devices", "2"}).code, 0);
  const std::string devices = Lns(root.Path(), {"devices", "Old"}).out;
  EXPECT_EQ(std::count(devices.begin(), devices.end(), '\n'), 2);

  run = Lns(root.Path(), {"network", "delete", "Nowhere"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("\"Nowhere\""), std::string::npos) << run.err;
  EXPECT_EQ(Lns(root.Path(), {"network", "delete"}).code, 2);
}

// A network database whose record names a folder elsewhere: deleting the network removes the record and
// nothing outside the Databases folder; opening it is refused.
TEST(NetworkCommandsTest, DeletingNeverRemovesAFolderOutsideTheDatabasesFolder) {
  testsupport::TempMachineRoot root;
  namespace fs = std::filesystem;
  const fs::path databases = root.Path() / "LonWorks" / "Databases";
  const fs::path victim = root.Path().parent_path() / (root.Path().filename().string() + "-victim");
  fs::create_directories(victim);
  std::ofstream(victim / "network.sqlite") << "precious";
  const std::vector<std::string> folders = {"../../../" + root.Path().filename().string() + "-victim",
                                            victim.string(), ".", "Kept/.."};
  for (std::size_t n = 0; n < folders.size(); ++n) {
    ASSERT_EQ(Lns(root.Path(), {"network", "create", "Net" + std::to_string(n), "--devices", "1"}).code, 0);
    sqlite::Database server(root.Path() / "LonWorks" / "ObjectServer" / "ObjectServer.sqlite");
    server.Run("UPDATE networks SET folder = ? WHERE name = ?", folders[n], "Net" + std::to_string(n));
  }
  ASSERT_EQ(Lns(root.Path(), {"network", "create", "Kept", "--devices", "1"}).code, 0);

  auto open = Lns(root.Path(), {"devices", "Net0"});
  EXPECT_EQ(open.code, 1);
  EXPECT_NE(open.err.find("outside the Databases folder"), std::string::npos) << open.err;
  for (std::size_t n = 0; n < folders.size(); ++n) {
    auto run = Lns(root.Path(), {"network", "delete", "Net" + std::to_string(n)});
    EXPECT_EQ(run.code, 0) << run.err;
  }
  EXPECT_EQ(Lns(root.Path(), {"networks"}).out, "Kept\n");
  const std::string kept = Lns(root.Path(), {"devices", "Kept"}).out;
  EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 1);
  EXPECT_TRUE(fs::exists(victim / "network.sqlite"));
  fs::remove_all(victim);
}

// A creation killed midway leaves a folder that no network lists: the next creation removes it, and so does
// a deletion.
TEST(NetworkCommandsTest, FoldersLeftByACreationCutShortAreRemoved) {
  testsupport::TempMachineRoot root;
  namespace fs = std::filesystem;
  const fs::path databases = root.Path() / "LonWorks" / "Databases";
  ASSERT_EQ(Lns(root.Path(), {"network", "create", "Kept", "--devices", "1"}).code, 0);
  const auto leaveFolder = [&](const std::string& name) {
    fs::create_directories(databases / name);
    std::ofstream(databases / name / "network.sqlite") << "half";
  };
  leaveFolder("Big");
  leaveFolder("Other");
  std::ofstream(databases / "notes.txt") << "not a folder";
  ASSERT_EQ(Lns(root.Path(), {"network", "create", "Big", "--devices", "2"}).code, 0);
  EXPECT_FALSE(fs::exists(databases / "Other"));
  EXPECT_TRUE(fs::exists(databases / "notes.txt"));
  // The new network took the name that the leftover held.
  EXPECT_TRUE(fs::exists(databases / "Big" / "network.sqlite"));
  const std::string big = Lns(root.Path(), {"devices", "Big"}).out;
  EXPECT_EQ(std::count(big.begin(), big.end(), '\n'), 2);

  leaveFolder("Cut");
  ASSERT_EQ(Lns(root.Path(), {"network", "delete", "Big"}).code, 0);
  EXPECT_FALSE(fs::exists(databases / "Cut"));
  EXPECT_FALSE(fs::exists(databases / "Big"));
  EXPECT_TRUE(fs::exists(databases / "Kept" / "network.sqlite"));
}

}  // namespace
