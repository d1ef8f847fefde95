// `lns templates` and `lns apps`: seeing what a registration in a network left there.

#include <gtest/gtest.h>

#include <algorithm>

#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/MachineRoot.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/DemoNetwork.h"

namespace {

using lnstooltest::Lns;

// Registers a few entries at every place `lns apps` shows, as a plug-in's registration would.
void AddEntries(const std::filesystem::path& root) {
  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server(loop, root);
  server.Open();
  server.GetComponentApps().Add("Everywhere", "Any.PlugIn", 1);
  lns::LnsNetwork network = server.GetNetworks().Item("Demo");
  network.Open();
  lns::LnsSystem system = network.GetSystems().Item(1);
  system.Open();
  system.GetComponentApps().Add("Browse", "Any.PlugIn", 7).PutCommandId(20);
  lns::LnsDeviceTemplate qvrl206 = system.GetTemplateLibrary().GetDeviceTemplates().Item("qvrl206");
  lns::LnsComponentApp configure =
      qvrl206.GetComponentApps().Add("Configure", "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI", 7);
  configure.PutCommandId(13);
  configure.PutVersion("1.5");
  configure.PutManufacturerId("1048430");
  configure.PutText("the text");
  configure.PutDefault(true);
  qvrl206.GetInterface().GetLonMarkObjects().Item("SCC").GetComponentApps().Add("Heat", "Any.PlugIn", 28);
}

TEST(RegistrationCommandsTest, ListTheTemplatesAndTheComponentApplicationsOfANetwork) {
  testsupport::TempMachineRoot root;
  lns::CreateDemoNetwork(root.Path(), platform::DataDir() / "interfaces");

  auto templates = Lns(root.Path(), {"templates", "Demo"});
  ASSERT_EQ(templates.code, 0) << templates.err;
  EXPECT_EQ(templates.out,
            "qvrl105\t9FFF6E0A5A060408\t1\n"
            "qvrl206\t9FFF6E0A5A060409\t3\n"
            "qvrl106\t9FFF6E0A5A06040A\t2\n"
            "qvrl207\t9FFF6E0A5A06040B\t1\n"
            "em210\t9000C3220C050401\t1\n");

  auto none = Lns(root.Path(), {"apps", "Demo"});
  ASSERT_EQ(none.code, 0) << none.err;
  EXPECT_EQ(none.out, "");

  AddEntries(root.Path());
  auto apps = Lns(root.Path(), {"apps", "Demo"});
  ASSERT_EQ(apps.code, 0) << apps.err;
  EXPECT_EQ(
      apps.out,
      "server\tEverywhere\tAny.PlugIn\t0\t1\t-\t\t\t\n"
      "system\tBrowse\tAny.PlugIn\t20\t7\t-\t\t\t\n"
      "template qvrl206\tConfigure\tCalyxtern_qvr_lon_PlugIn.LNSPlugInAPI\t13\t7\tdefault\t1.5\t1048430\tthe "
      "text\n"
      "template qvrl206 / SCC\tHeat\tAny.PlugIn\t0\t28\t-\t\t\t\n");

  auto missing = Lns(root.Path(), {"apps", "Nowhere"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("\"Nowhere\""), std::string::npos) << missing.err;
  for (const lnstool::Args& bad : {lnstool::Args{"apps"}, lnstool::Args{"templates", "Demo", "x"}}) {
    auto run = Lns(root.Path(), bad);
    EXPECT_EQ(run.code, 2) << bad.front();
    EXPECT_EQ(run.err.rfind("usage: lns ", 0), 0u) << run.err;
  }
}

}  // namespace
