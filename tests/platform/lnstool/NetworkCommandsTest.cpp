#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/MachineRoot.h"
#include "platform/lns/DemoNetwork.h"

namespace {

using lnstooltest::Lns;

TEST(NetworkCommandsTest, ListsNetworksAndTheDevicesOfOne) {
  testsupport::TempMachineRoot root;
  auto empty = Lns({"networks"});
  EXPECT_EQ(empty.code, 0);
  EXPECT_EQ(empty.out, "");

  lns::CreateDemoNetwork(root.Path(), platform::DataDir() / "interfaces");
  EXPECT_EQ(Lns({"networks"}).out, "Demo\n");

  auto devices = Lns({"devices", "Demo"});
  ASSERT_EQ(devices.code, 0) << devices.err;
  ASSERT_EQ(std::count(devices.out.begin(), devices.out.end(), '\n'), 8);
  EXPECT_EQ(devices.out.substr(0, devices.out.find('\n')),
            "Floor 1\tRoom 101\t9FFF6E0A5A060409\t0500A1000001\tCnfg Online");
  EXPECT_NE(devices.out.find("Floor 1\tRoom 103\t9FFF6E0A5A060409\t0500A1000003\tCnfg Offline\n"),
            std::string::npos);
  EXPECT_NE(devices.out.find("Floor 2\tRoom 203\t9FFF6E0A5A06040A\t0500A1000007\tUnconfigured\n"),
            std::string::npos);
  EXPECT_NE(devices.out.find("Floor 2\tMeter 1\t9000C3220C050401\t"), std::string::npos);

  auto missing = Lns({"devices", "Nowhere"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
  EXPECT_NE(missing.err.find("\"Nowhere\""), std::string::npos) << missing.err;

  for (const lnstool::Args& bad : {lnstool::Args{"networks", "extra"}, lnstool::Args{"devices"},
                                   lnstool::Args{"devices", "Demo", "x"}}) {
    auto run = Lns(bad);
    EXPECT_EQ(run.code, 2) << bad.front();
    EXPECT_EQ(run.err.rfind("usage: lns ", 0), 0u) << run.err;
  }
}

TEST(NetworkCommandsTest, CreatesScaleNetworks) {
  testsupport::TempMachineRoot root;
  auto created = Lns({"network", "create", "Scale", "--devices", "250"});
  ASSERT_EQ(created.code, 0) << created.err;
  auto devices = Lns({"devices", "Scale"});
  ASSERT_EQ(std::count(devices.out.begin(), devices.out.end(), '\n'), 250);
  EXPECT_EQ(devices.out.substr(0, devices.out.find('\n')),
            "Area 1\tDevice 1\t9FFF6E0A5A060408\t0500A1000001\tCnfg Online");
  EXPECT_NE(devices.out.find("Area 1\tDevice 4\t9FFF6E0A5A06040B\t"), std::string::npos);
  EXPECT_NE(devices.out.find("Area 3\tDevice 250\t9FFF6E0A5A060409\t"), std::string::npos);
  EXPECT_EQ(devices.out.find("Area 4"), std::string::npos);

  auto again = Lns({"network", "create", "scale", "--devices", "1"});
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("exists already"), std::string::npos) << again.err;
  EXPECT_EQ(Lns({"networks"}).out, "Scale\n");

  for (const lnstool::Args& bad :
       {lnstool::Args{"network"}, lnstool::Args{"network", "create", "X"},
        lnstool::Args{"network", "create", "X", "--devices", "-3"},
        lnstool::Args{"network", "create", "X", "--devices", "100001"},
        lnstool::Args{"network", "create", "X", "--count", "3"}, lnstool::Args{"network", "drop", "X"}}) {
    EXPECT_EQ(Lns(bad).code, 2);
  }
}

TEST(NetworkCommandsTest, DeletesANetworkWithItsDatabase) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns({"network", "create", "Old", "--devices", "3"}).code, 0);
  ASSERT_EQ(Lns({"network", "create", "Kept", "--devices", "1"}).code, 0);
  ASSERT_TRUE(std::filesystem::exists(root.Path() / "LonWorks" / "Databases" / "Old"));

  auto run = Lns({"network", "delete", "old"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Lns({"networks"}).out, "Kept\n");
  EXPECT_FALSE(std::filesystem::exists(root.Path() / "LonWorks" / "Databases" / "Old"));
  ASSERT_EQ(Lns({"network", "create", "Old", "--devices", "2"}).code, 0);
  const std::string devices = Lns({"devices", "Old"}).out;
  EXPECT_EQ(std::count(devices.begin(), devices.end(), '\n'), 2);

  run = Lns({"network", "delete", "Nowhere"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("\"Nowhere\""), std::string::npos) << run.err;
  EXPECT_EQ(Lns({"network", "delete"}).code, 2);
}

}  // namespace
