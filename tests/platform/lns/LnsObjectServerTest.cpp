#include <gtest/gtest.h>

#include "LnsDemo.h"
#include "LnsTestErrors.h"

namespace {

using lnstest::ErrorNumberOf;

TEST(LnsObjectServerTest, OpensClosesAndKeepsTheClientsSettings) {
  testsupport::TempMachineRoot root;
  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server(loop, root.Path());
  EXPECT_FALSE(server.IsOpen());
  EXPECT_EQ(ErrorNumberOf([&] { server.GetNetworks(); }), lns::kLnsNotOpen);

  server.PutRemote(true);
  server.PutRemoteFlags(32 | 4);
  server.PutPreOpenFlag(false);
  server.Open();
  EXPECT_TRUE(server.IsOpen());
  EXPECT_TRUE(server.GetRemote());
  EXPECT_EQ(server.GetRemoteFlags(), 36);
  EXPECT_FALSE(server.GetPreOpenFlag());
  EXPECT_EQ(server.GetDecimalSeparator(), ",") << "a machine without sDecimal has the comma";
  EXPECT_EQ(ErrorNumberOf([&] { server.PutRemote(false); }), lns::kLnsInvalidArgument);
  server.PutRemote(true);  // no change is no error

  lns::LnsNetworkInterfaces interfaces = server.GetNetworkInterfaces();
  ASSERT_GE(interfaces.Count(), 1);
  server.SetActiveNetworkInterface(interfaces.Item("lon1"));
  EXPECT_EQ(server.GetActiveNetworkInterfaceName(), "LON1");
  EXPECT_EQ(ErrorNumberOf([&] { server.SetActiveNetworkInterface(lns::LnsNetworkInterface("Internet")); }),
            lns::kLnsNotFound);

  server.Close();
  EXPECT_FALSE(server.IsOpen());
  EXPECT_EQ(server.GetActiveNetworkInterfaceName(), "");
  server.PutRemote(false);
  EXPECT_FALSE(server.GetRemote());

  server.PutDecimalSeparator(".");
  server.Open();
  EXPECT_EQ(server.GetDecimalSeparator(), ".") << "the client's separator holds over an open";
}

TEST(LnsObjectServerTest, NetworksCollectionCountsFromOneAndPersists) {
  testsupport::TempMachineRoot root;
  platform::HeadlessEventLoop loop;
  {
    lns::LnsObjectServer server(loop, root.Path());
    server.Open();
    lns::LnsNetworks networks = server.GetNetworks();
    EXPECT_EQ(networks.Count(), 0);
    networks.Add("Alpha");
    networks.Add("Beta/2:x");
    EXPECT_EQ(networks.Count(), 2);
    EXPECT_EQ(networks.Item(1).GetName(), "Alpha");
    EXPECT_EQ(networks.Item("beta/2:X").GetName(), "Beta/2:x");
    EXPECT_EQ(ErrorNumberOf([&] { networks.Item(3); }), lns::kLnsNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { networks.Item(0); }), lns::kLnsNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { networks.Add("ALPHA"); }), lns::kLnsAlreadyExists);
    EXPECT_EQ(ErrorNumberOf([&] { networks.Add(""); }), lns::kLnsInvalidArgument);
    try {
      networks.Item("Gamma");
      ADD_FAILURE() << "a missing network was found";
    } catch (const lns::LnsError& error) {
      EXPECT_NE(error.Description().find("\"Gamma\""), std::string::npos) << error.Description();
    }
  }
  lns::LnsObjectServer again(loop, root.Path());
  again.Open();
  lns::LnsNetwork beta = again.GetNetworks().Item(2);
  beta.Open();
  EXPECT_EQ(beta.GetSystems().Item(1).GetName(), "Beta/2:x");
}

TEST(LnsObjectServerTest, OpenedObjectsStayUsableUntilClosed) {
  lnstest::LnsDemo demo;
  lns::LnsAppDevice device = demo.Device("Floor 1", "Room 101");
  lns::LnsSubsystems floors = demo.System().GetSubsystems();
  lns::LnsNetwork other = demo.Server().GetNetworks().Item("demo");
  EXPECT_TRUE(other.GetIsOpen());  // handles of one network share its state

  demo.System().Close();
  EXPECT_EQ(ErrorNumberOf([&] { device.GetName(); }), lns::kLnsNotOpen);
  EXPECT_EQ(ErrorNumberOf([&] { demo.System().GetSubsystems(); }), lns::kLnsNotOpen);
  // A collection fetched before does not count or give items from a closed system.
  EXPECT_EQ(ErrorNumberOf([&] { floors.Count(); }), lns::kLnsNotOpen);
  EXPECT_EQ(ErrorNumberOf([&] { floors.Item(1); }), lns::kLnsNotOpen);
  demo.System().Open();
  EXPECT_EQ(device.GetName(), "Room 101");

  other.Close();
  EXPECT_FALSE(demo.Network().GetIsOpen());
  EXPECT_FALSE(demo.System().GetIsOpen());
  EXPECT_EQ(ErrorNumberOf([&] { demo.System().Open(); }), lns::kLnsNotOpen);
  EXPECT_EQ(ErrorNumberOf([&] { demo.Network().GetSystems(); }), lns::kLnsNotOpen);

  demo.Network().Open();
  demo.System().Open();
  demo.Server().Close();
  EXPECT_EQ(ErrorNumberOf([&] { device.GetState(); }), lns::kLnsNotOpen);
  EXPECT_FALSE(demo.Network().GetIsOpen());
}

TEST(LnsObjectServerTest, ServerLevelComponentAppsPersist) {
  testsupport::TempMachineRoot root;
  platform::HeadlessEventLoop loop;
  {
    lns::LnsObjectServer server(loop, root.Path());
    server.Open();
    lns::LnsComponentApps apps = server.GetComponentApps();
    lns::LnsComponentApp app = apps.Add("Configure", "Some.PlugIn", 7);
    app.PutCommandId(13);
    app.PutDefault(true);
  }
  lns::LnsObjectServer server(loop, root.Path());
  server.Open();
  lns::LnsComponentApps apps = server.GetComponentApps();
  ASSERT_EQ(apps.Count(), 1);
  EXPECT_EQ(apps.Item(1).GetProgId(), "Some.PlugIn");
  EXPECT_EQ(apps.Item("configure").GetCommandId(), 13);
  EXPECT_TRUE(apps.ItemByIndex(1).GetDefault());
}

}  // namespace
