#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PlugInFixture.h"
#include "framework/LNSPlugInAPI.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/fMain.h"
#include "mainwindow/files/fDruckmenue.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"

namespace framework_test {
namespace {

class LNSPlugInAPINetworkTest : public PlugInTest {
 protected:
  // Releases `plugIn` with the main window shown, so that the next object finds the server marked closed.
  std::unique_ptr<qvr::LNSPlugInAPI> Renewed(std::unique_ptr<qvr::LNSPlugInAPI> plugIn) {
    plugIn->SetVisible(true);
    plugIn.reset();
    return std::make_unique<qvr::LNSPlugInAPI>(program);
  }

  ui::HeadlessScreen& screen = fixture.services().TestScreen();
};

TEST_F(LNSPlugInAPINetworkTest, ALocalHostOpensTheServerTheNetworkAndItsSystem) {
  qvr::LNSPlugInAPI plugIn(program);
  Server().PutRemoteFlags(1);
  Server().PutPreOpenFlag(true);
  plugIn.SetNetworkName("Demo");

  EXPECT_TRUE(Server().IsOpen());
  EXPECT_FALSE(plugIn.Remote());
  EXPECT_EQ(Server().GetRemoteFlags(), 1) << "a local server's flags are left alone";
  EXPECT_FALSE(Server().GetPreOpenFlag());
  EXPECT_EQ(Server().GetActiveNetworkInterfaceName(), "");
  EXPECT_EQ(plugIn.networkName(), "Demo");
  EXPECT_TRUE(state.ObjectServerIsOpen);
  EXPECT_TRUE(state.NetworkIsOpen);
  ASSERT_TRUE(state.CurrentNetwork && state.CurrentSystem);
  EXPECT_TRUE(state.CurrentNetwork->GetIsOpen());
  EXPECT_TRUE(state.CurrentSystem->GetIsOpen());
  EXPECT_EQ(state.CurrentSystem->GetOpenSetting(), 200);
  EXPECT_FALSE(state.CurrentSystem->GetRemoteSetupFlag());

  const std::vector<int>& pointers = screen.PointerHistory();
  ASSERT_GE(pointers.size(), 2u);
  EXPECT_EQ(pointers[pointers.size() - 2], ui::vbHourglass);
  EXPECT_EQ(pointers.back(), ui::vbDefault);
}

TEST_F(LNSPlugInAPINetworkTest, TheSameNameOpensNothingNewWhileANameOfOtherCaseOpensAgain) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  state.CurrentNetwork->Close();  // shows whether the next assignment opens it again

  plugIn.SetNetworkName("Demo");
  EXPECT_FALSE(state.CurrentNetwork->GetIsOpen());
  EXPECT_EQ(screen.MousePointer(), ui::vbDefault);

  plugIn.SetNetworkName("DEMO");
  EXPECT_TRUE(state.CurrentNetwork->GetIsOpen());
  EXPECT_EQ(plugIn.networkName(), "Demo") << "the name as the network reports it";
}

TEST_F(LNSPlugInAPINetworkTest, AnUnknownNetworkRaises20006AndLeavesNoNetworkName) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  const lns::LnsNetwork before = *state.CurrentNetwork;

  ExpectHostError(RaisedBy([&] { plugIn.SetNetworkName("Nowhere"); }), 20006,
                  "Cannot open the network Nowhere");
  EXPECT_EQ(plugIn.networkName(), "");
  EXPECT_FALSE(state.NetworkIsOpen);
  EXPECT_TRUE(state.ObjectServerIsOpen);
  EXPECT_EQ(state.CurrentNetwork->GetName(), before.GetName()) << "the earlier network is kept";
  EXPECT_EQ(screen.MousePointer(), ui::vbDefault);

  // Until a network opens again, no path leads into the earlier one, whatever network it names.
  for (const char* path : {"Nowhere/Floor 1/Room 101", "Demo/Floor 1/Room 101"}) {
    ExpectHostError(RaisedBy([&] { Send(plugIn, 13, 7, path); }), 20005, "Object not found");
  }
  EXPECT_FALSE(state.CurrentDevice) << "no device was opened";

  plugIn.SetNetworkName("Demo");
  EXPECT_TRUE(state.NetworkIsOpen);
  EXPECT_EQ(plugIn.networkName(), "Demo");
  Send(plugIn, 13, 7, "Demo/Floor 1/Room 101");
  EXPECT_EQ(state.CurrentDevice->GetName(), "Room 101");
}

TEST_F(LNSPlugInAPINetworkTest, ANamedInterfaceSwitchesToRemoteAndTheFlagsFollowOnlyALaterOpen) {
  auto plugIn = std::make_unique<qvr::LNSPlugInAPI>(program);
  Server().PutRemoteFlags(1 | 16);
  plugIn->SetNetworkInterfaceName("LON1");
  EXPECT_EQ(plugIn->NetworkInterfaceName(), "LON1");
  EXPECT_FALSE(Server().IsOpen()) << "naming the interface opens nothing";

  plugIn->SetNetworkName("Demo");
  EXPECT_TRUE(plugIn->Remote());
  EXPECT_EQ(Server().GetRemoteFlags(), 1 | 16) << "the server was local before: flags untouched";
  EXPECT_EQ(Server().GetActiveNetworkInterfaceName(), "LON1");
  EXPECT_TRUE(state.NetworkIsOpen);

  plugIn = Renewed(std::move(plugIn));
  plugIn->SetNetworkInterfaceName("LON1");
  plugIn->SetNetworkName("Demo");
  EXPECT_EQ(Server().GetRemoteFlags(), 1 | 32) << "remote already: over a network interface";
  EXPECT_EQ(Server().GetActiveNetworkInterfaceName(), "LON1");

  plugIn = Renewed(std::move(plugIn));
  plugIn->SetNetworkInterfaceName("Internet");
  plugIn->SetNetworkName("Demo");
  EXPECT_EQ(Server().GetRemoteFlags(), 1 | 16) << "remote already: over the internet";
  EXPECT_EQ(Server().GetActiveNetworkInterfaceName(), "") << "no interface is looked up for the internet";
  EXPECT_EQ(state.CurrentSystem->GetRemoteSetupValue(), 0);
  EXPECT_FALSE(state.CurrentSystem->GetRemoteSetupFlag());
}

// A name set after a switch between a local and a remote server closes the server under the window's
// monitoring, also when it fails and another director sends the next command: the monitoring ends first,
// and the next device opens without a box. (The name in other letter case opens the network again.)
TEST_F(LNSPlugInAPINetworkTest, ANameThatSwitchesTheServersModeEndsTheMonitoringFirst) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  const ui::CheckBox& monitor = program.fMain().chkMonitor;
  for (const std::string interface : {"LON1", ""}) {
    Send(plugIn, 13, 7, "Demo/Floor 1/Room 101");
    ASSERT_EQ(monitor.Value(), ui::vbChecked);
    plugIn.SetNetworkInterfaceName(interface);
    plugIn.SetNetworkName("DEMO");
    EXPECT_EQ(plugIn.Remote(), !interface.empty());
    EXPECT_EQ(monitor.Value(), ui::vbUnchecked) << interface;
    EXPECT_NO_THROW(Send(plugIn, 13, 7, "Demo/Floor 1/Room 102")) << interface;
    EXPECT_EQ(state.CurrentDevice->GetName(), "Room 102");
    EXPECT_EQ(monitor.Value(), ui::vbChecked);
  }

  qvr::LNSPlugInAPI other(program);
  other.SetNetworkInterfaceName("x");
  ExpectHostError(RaisedBy([&] { other.SetNetworkName("DEMO"); }), 20006, "Cannot open the network DEMO");
  EXPECT_EQ(monitor.Value(), ui::vbUnchecked);
  plugIn.SetNetworkName("Demo");
  EXPECT_NO_THROW(Send(plugIn, 13, 7, "Demo/Floor 1/Room 101"));
  EXPECT_EQ(state.CurrentDevice->GetName(), "Room 101");
  EXPECT_TRUE(fixture.services().Boxes().Shown().empty());
}

TEST_F(LNSPlugInAPINetworkTest, InterfacesThatTheServerLacksCannotOpenTheNetwork) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkInterfaceName("Internet");  // on a local server, only an interface of that name would do
  ExpectHostError(RaisedBy([&] { plugIn.SetNetworkName("Demo"); }), 20006, "Cannot open the network Demo");
  EXPECT_TRUE(plugIn.Remote());

  plugIn.SetNetworkInterfaceName("LON9");
  ExpectHostError(RaisedBy([&] { plugIn.SetNetworkName("Demo"); }), 20006, "Cannot open the network Demo");

  plugIn.SetNetworkInterfaceName("");
  plugIn.SetNetworkName("Demo");
  EXPECT_FALSE(plugIn.Remote());
  EXPECT_TRUE(state.NetworkIsOpen);
}

TEST_F(LNSPlugInAPINetworkTest, RemoteOnAClosedServerOnlySetsTheModeAndOnAnOpenOneReopensIt) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetRemote(true);
  EXPECT_TRUE(plugIn.Remote());
  EXPECT_FALSE(Server().IsOpen());
  EXPECT_FALSE(state.ObjectServerIsOpen);
  plugIn.SetRemote(false);

  plugIn.SetNetworkName("Demo");
  plugIn.SetRemote(true);
  EXPECT_TRUE(plugIn.Remote());
  EXPECT_TRUE(Server().IsOpen());
  EXPECT_TRUE(state.ObjectServerIsOpen);
  EXPECT_FALSE(state.NetworkIsOpen) << "the server's close closed the network";
  EXPECT_FALSE(state.CurrentNetwork->GetIsOpen()) << "the server was closed, and the network not reopened";
}

// After the mode change has closed the network with the server, the next command, or the next name (the
// same one or one in other letter case), opens it again, and a device opens as before.
TEST_F(LNSPlugInAPINetworkTest, TheNetworkThatARemoteChangeClosedOpensAgainForTheNextCommandOrName) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  Send(plugIn, 13, 7, "Demo/Floor 1/Room 101");

  plugIn.SetRemote(false);
  EXPECT_NO_THROW(Send(plugIn, 13, 7, "Demo/Floor 1/Room 102"));
  EXPECT_TRUE(state.NetworkIsOpen);
  EXPECT_TRUE(state.CurrentNetwork->GetIsOpen());
  EXPECT_EQ(state.CurrentDevice->GetName(), "Room 102");

  for (const std::string name : {"Demo", "DEMO"}) {
    plugIn.SetRemote(false);
    plugIn.SetNetworkName(name);
    EXPECT_TRUE(state.CurrentNetwork->GetIsOpen()) << name;
    EXPECT_NO_THROW(Send(plugIn, 13, 7, "Demo/Floor 1/Room 101")) << name;
    EXPECT_EQ(state.CurrentDevice->GetName(), "Room 101") << name;
  }
  EXPECT_EQ(fixture.services().Boxes().PendingAnswers(), 0u);
}

// The user changes the regional setting while the program serves a director: the next command shows the
// device with the separator it read, and Apply of one set point writes that set point alone.
TEST_F(LNSPlugInAPINetworkTest, ACommandShowsAndWritesWithTheSeparatorItReadAsTheServerDoes) {
  auto useSeparator = [&](const std::string& separator) {
    reg::RegistryStore(reg::RegistryStore::FileIn(fixture.root()))
        .SetValue(reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue,
                  {reg::ValueType::Sz, separator}, true);
  };
  qvr::LNSPlugInAPI plugIn(program);
  qvr::fMain& window = program.fMain();
  plugIn.SetVisible(true);
  useSeparator(",");
  plugIn.SetNetworkName("Demo");
  Send(plugIn, 13, 7, "Demo/Floor 1/Room 101");
  useSeparator(".");
  Send(plugIn, 13, 7, "Demo/Floor 1/Room 101");

  EXPECT_EQ(window.txtNvi[23].Text(), "0.0 -1");
  EXPECT_EQ(window.cmb_nvi[23].ListIndex(), 2) << "the input's text is one of its choices";
  const char* setPoints[] = {"23.00", "25.00", "28.00", "21.00", "19.00", "16.00"};
  for (int point = 0; point < 6; ++point) EXPECT_EQ(window.txtNci[70 + point].Text(), setPoints[point]);

  window.tabData.UserSelectsTab(7);
  window.UserMovesFocus(window.txtNci[70]);
  window.txtNci[70].UserSetsText("24");
  fixture.services().Boxes().QueueAnswer(ui::vbYes, "Transmit parameters to the current Device ?");
  window.cmdApply.UserClicks();
  ASSERT_FALSE(window.EchLog.Lines().empty());
  EXPECT_EQ(window.EchLog.Lines().back().text,
            "Floor 1 : Room 101: SCPTsetPnts = 24.00,25.00,28.00,21.00,19.00,16.00");
  EXPECT_TRUE(window.EchLog.ErrorLines().empty());
}

// A director closes the Object Server under the user's window (Remote on and off, another director's switch
// between a local and a remote server, or Remote left in the mode the network was not named for): the user's
// own work then reaches the device as after the director's next command.
TEST_F(LNSPlugInAPINetworkTest, TheUsersWorkGoesOnAfterADirectorClosedTheServer) {
  qvr::LNSPlugInAPI plugIn(program);
  qvr::fMain& window = program.fMain();
  plugIn.SetVisible(true);
  plugIn.SetNetworkName("Demo");
  Send(plugIn, 13, 7, "Demo/Floor 1/Room 101");
  const std::function<void()> closes[] = {[&] {
                                            plugIn.SetRemote(true);
                                            plugIn.SetRemote(false);
                                          },
                                          [&] {
                                            qvr::LNSPlugInAPI other(program);
                                            other.SetNetworkInterfaceName(plugIn.Remote() ? "" : "LON1");
                                            other.SetNetworkName("DEMO");  // the same name would open nothing
                                          },
                                          [&] { plugIn.SetRemote(!plugIn.Remote()); }};
  int maxSendTime = 90;
  for (const auto& close : closes) {
    close();
    window.chkMonitor.UserClicks();
    EXPECT_EQ(window.chkMonitor.Value(), ui::vbChecked);

    const std::string applied = std::to_string(++maxSendTime) + ".0";
    close();
    window.UserMovesFocus(window.txtNci[3]);  // the help pane shows the row's text
    window.txtNci[3].UserSetsText(applied);
    close();
    fixture.services().Boxes().QueueAnswer(ui::vbYes, "Transmit parameters to the current Device ?");
    window.cmdApply.UserClicks();
    EXPECT_EQ(window.EchLog.Lines().back().text, "Floor 1 : Room 101: SCPTmaxSendTime = " + applied);
    window.txtNci[3].UserSetsText("7");
    close();
    window.cmdCancel.UserClicks();
    EXPECT_EQ(window.txtNci[3].Text(), applied);

    int devicesOffered = 0;
    fixture.backend().ExpectModal(qvr::fGeraeteauswahl::kWindowName, [&](ui::Form& form) {
      devicesOffered = static_cast<qvr::fGeraeteauswahl&>(form).TreeView1.NodeCount() - 1;
      form.UserCloses();
    });
    close();
    window.cmdGerAuswahl.UserClicks();
    EXPECT_EQ(devicesOffered, 3);

    fixture.backend().ExpectModal(
        "fDruckmenue", [](ui::Form& form) { static_cast<qvr::fDruckmenue&>(form).cmdDruck.UserClicks(); });
    fixture.services().TestDialogs().QueuePrinter(true);
    close();
    window.mnuDrucken.UserClicks();
    EXPECT_NE(fixture.services().TestPrinted().back().ToText().find("Room 101"), std::string::npos);
    EXPECT_TRUE(window.EchLog.ErrorLines().empty());
  }
  EXPECT_EQ(fixture.services().Boxes().Shown().size(), 3u) << "Apply's question of each round, no error box";
}

// Director A's window shows Room 101 of Demo when another director names its own network, whose floor holds
// devices of Room 101's template too: the user's device selection offers Demo's, and Apply's transfer
// writes there alone.
TEST_F(LNSPlugInAPINetworkTest, TheWindowsWorkStaysInTheNetworkOfTheDeviceItShows) {
  fixture.AddNetwork("Other", [](lns::LnsSystem& system) {
    testsupport::ProgramFixture::ImportModels(system);
    const lns::LnsDeviceTemplate model = system.GetTemplateLibrary().GetDeviceTemplates().Item("qvrl206");
    lns::LnsAppDevices rooms = system.GetSubsystems().Add("Floor 1").GetAppDevices();
    for (const char* name : {"Room 101", "Room 105"}) {
      lns::LnsAppDevice room = rooms.Add(name, model);
      room.PutCommissioned(true);
      room.PutState(lns::kStateConfiguredOnline);
    }
  });
  qvr::LNSPlugInAPI a(program), b(program);
  qvr::fMain& window = program.fMain();
  a.SetVisible(true);
  a.SetNetworkName("Demo");
  Send(a, 13, 7, "Demo/Floor 1/Room 101");
  b.SetNetworkName("Other");

  std::vector<std::string> offered;
  fixture.backend().ExpectModal(qvr::fGeraeteauswahl::kWindowName, [&](ui::Form& form) {
    auto& selection = static_cast<qvr::fGeraeteauswahl&>(form);
    for (int index = 1; index <= selection.TreeView1.NodeCount(); ++index)
      offered.push_back(selection.TreeView1.Node(index).Text());
    selection.TreeView1.UserChecks(selection.TreeView1.Node(1));  // the floor with all its devices
    selection.TreeView1.UserMouseUp(1, 0, 100, 100);
    selection.cmdFertig.UserClicks();
  });
  window.cmdGerAuswahl.UserClicks();
  EXPECT_EQ(offered, (std::vector<std::string>{"Floor 1", "Room 101", "Room 102", "Room 103"}));

  b.SetNetworkName("Other");
  window.txtNci[3].UserSetsText("66.0");
  window.cmdApply.UserClicks();
  std::vector<std::string> written;
  for (const auto& line : window.EchLog.Lines())
    if (line.text.find("SCPTmaxSendTime") != std::string::npos) written.push_back(line.text);
  EXPECT_EQ(written, (std::vector<std::string>{"Floor 1 : Room 101 :   SCPTmaxSendTime  =  66.0",
                                               "Floor 1 : Room 102 :   SCPTmaxSendTime  =  66.0",
                                               "Floor 1 : Room 103 :   SCPTmaxSendTime  =  66.0"}));
  EXPECT_EQ(a.networkName(), "Demo");
  EXPECT_EQ(b.networkName(), "Other");
}

}  // namespace
}  // namespace framework_test
