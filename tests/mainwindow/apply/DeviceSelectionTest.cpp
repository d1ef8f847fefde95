// The device-selection window: the search, checking nodes, Done, Reset, the location shown on a click and
// a tree that follows the device being edited.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

using Slots = std::vector<std::pair<std::string, int>>;

// Each node as "text tag checked colour", roots with their children indented below them.
std::vector<std::string> Tree(const qvr::fGeraeteauswahl& selection) {
  std::vector<std::string> lines;
  for (const auto& node : selection.TreeView1.RawNodes()) {
    lines.push_back(std::string(node->Parent() ? "  " : "") + node->Text() + " " + node->Tag() + " " +
                    (node->Checked() ? "checked" : "-") + (node->ForeColor() == ui::vbRed ? " red" : ""));
  }
  return lines;
}

TEST_F(DeviceSelectionTest, SearchListsTheTemplateDevicesWithTheEditedOneChecked) {
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    // The progress and splash windows are gone before the selection is shown.
    EXPECT_FALSE(ProgressWindowsLoaded());
    EXPECT_EQ(selection.Caption(), "select Devices...");
    EXPECT_EQ(selection.cmdFertig.Caption(), "Done");
    EXPECT_EQ(Tree(selection), (std::vector<std::string>{"Floor 1  -", "  Room 101 1 checked",
                                                         "  Room 102 2 -", "  Room 103 3 -"}));
    selection.cmdFertig.UserClicks();
  });
  EXPECT_NE(std::find(progressTexts.begin(), progressTexts.end(), MsgMain(38)), progressTexts.end());
  EXPECT_EQ(Selected(), (Slots{{"Room 101", 1}}));
  // Without the synchronise option and without a changed box there is nothing to apply.
  EXPECT_FALSE(window().cmdApply.Enabled());
  const auto* selection = program().Windows().Find<qvr::fGeraeteauswahl>();
  ASSERT_NE(selection, nullptr);
  EXPECT_TRUE(selection->IsLoaded());
  EXPECT_FALSE(selection->Visible());
}

TEST_F(DeviceSelectionTest, ARootChecksItsDevicesAndTheEditedDeviceStaysChecked) {
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    ui::TreeNode& floor = selection.TreeView1.Node(1);
    ClickCheckBox(selection, floor);
    EXPECT_EQ(Tree(selection),
              (std::vector<std::string>{"Floor 1  checked red", "  Room 101 1 checked red",
                                        "  Room 102 2 checked red", "  Room 103 3 checked red"}));
    // Unchecking one device blackens it alone; the root stays checked.
    ClickCheckBox(selection, NodeOf(selection, "Room 102"));
    EXPECT_EQ(Tree(selection), (std::vector<std::string>{"Floor 1  checked red", "  Room 101 1 checked red",
                                                         "  Room 102 2 -", "  Room 103 3 checked red"}));
    // The device being edited cannot be unchecked, neither by itself nor through its root.
    ClickCheckBox(selection, NodeOf(selection, "Room 101"));
    EXPECT_TRUE(NodeOf(selection, "Room 101").Checked());
    ClickCheckBox(selection, floor);
    EXPECT_EQ(Tree(selection), (std::vector<std::string>{"Floor 1  -", "  Room 101 1 checked",
                                                         "  Room 102 2 -", "  Room 103 3 -"}));
    ClickCheckBox(selection, NodeOf(selection, "Room 103"));
    ClickCheckBox(selection, NodeOf(selection, "Room 102"));
    selection.cmdFertig.UserClicks();
  });
  // The slots follow the tree's order, not the order of the clicks.
  EXPECT_EQ(Selected(), (Slots{{"Room 101", 1}, {"Room 102", 2}, {"Room 103", 3}}));
}

TEST_F(DeviceSelectionTest, DoneOffersApplyForTheSynchroniseOptionOrForChangedBoxes) {
  Select({"Room 102"}, true);
  EXPECT_EQ(Selected(), (Slots{{"Room 101", 1}, {"Room 102", 2}}));
  EXPECT_TRUE(window().cmdApply.Enabled());

  // The second opening shows the tree as it was left: no new search.
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    EXPECT_TRUE(NodeOf(selection, "Room 102").Checked());
    EXPECT_EQ(selection.chksynchronisiern.Value(), ui::vbChecked);
    selection.chksynchronisiern.UserClicks();
    selection.cmdFertig.UserClicks();
  });
  EXPECT_EQ(Selected().size(), 2u);
  EXPECT_FALSE(window().cmdApply.Enabled());

  Enter(Nci(3), "123.0");
  ASSERT_TRUE(Red(Nci(3)));
  Select({}, false);
  EXPECT_TRUE(window().cmdApply.Enabled());
}

TEST_F(DeviceSelectionTest, ResetClearsTheSelectionButKeepsTheEditedDevice) {
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    ui::TreeNode& floor = selection.TreeView1.Node(1);
    selection.TreeView1.UserExpands(floor, true);
    ClickCheckBox(selection, floor);
    selection.cmdFertig.UserClicks();
  });
  ASSERT_EQ(Selected().size(), 3u);

  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    selection.cmdreset.UserClicks();
    EXPECT_EQ(program().mainwindow.SelectedCount, 0);
    EXPECT_EQ(Tree(selection), (std::vector<std::string>{"Floor 1  -", "  Room 101 1 checked",
                                                         "  Room 102 2 -", "  Room 103 3 -"}));
    EXPECT_FALSE(selection.TreeView1.Node(1).Expanded());
    // Closing the window keeps the selection as Reset left it.
    selection.UserCloses();
  });
  EXPECT_EQ(program().mainwindow.SelectedCount, 0);
  EXPECT_FALSE(program().Windows().Find<qvr::fGeraeteauswahl>()->IsLoaded());
}

TEST_F(DeviceSelectionTest, ClickOnADeviceShowsWhereItIs) {
  ui::RichTextBox& pane = window().RTHinweis;
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    selection.TreeView1.UserClicksNode(NodeOf(selection, "Room 102"));
    const std::string location = "Location of Device:\r\n\r\nRoom 102\r\n\r\nFloor 1";
    EXPECT_EQ(pane.Text(), location);
    EXPECT_EQ(pane.SelStart(), static_cast<int>(location.size()));
    // A root has no device behind it: the pane keeps its text.
    selection.TreeView1.UserClicksNode(selection.TreeView1.Node(1));
    EXPECT_EQ(pane.Text(), location);
    selection.cmdFertig.UserClicks();
  });
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(DeviceSelectionTest, SubsystemsInAnyOrderAndDevicesSharingANameEachGetTheirNode) {
  const lns::LnsDeviceTemplate model = Room("Room 101").GetTemplate();
  lns::LnsSubsystems floors = program().framework.CurrentSystem->GetSubsystems();
  floors.Item("Floor 2").GetAppDevices().Add("Room 101", model);
  floors.Item("Floor 1").GetAppDevices().Add("Room 105", model);

  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    EXPECT_EQ(Tree(selection),
              (std::vector<std::string>{"Floor 1  -", "  Room 101 1 checked", "  Room 102 2 -",
                                        "  Room 103 3 -", "Floor 2  -", "  Room 101 4 -", "  Room 105 5 -"}));
    EXPECT_EQ(selection.TreeView1.Node(7).Parent(), &selection.TreeView1.Node(1));
    ClickCheckBox(selection, selection.TreeView1.Node(5));
    selection.cmdFertig.UserClicks();
  });
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_EQ(Selected(), (Slots{{"Room 101", 1}, {"Room 101", 4}}));
}

TEST_F(DeviceSelectionTest, OpeningAnotherDeviceDropsTheSelectionAndTheTreeFollowsIt) {
  Select({"Room 102"}, true);
  ASSERT_EQ(Selected().size(), 2u);

  // Another device of the same template: the tree is built again around it, with nothing else chosen.
  Open("Floor 1", "Room 102");
  EXPECT_EQ(program().mainwindow.SelectedCount, 0);
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    EXPECT_EQ(Tree(selection), (std::vector<std::string>{"Floor 1  -", "  Room 101 1 -",
                                                         "  Room 102 2 checked", "  Room 103 3 -"}));
    selection.UserCloses();
  });

  // A device of another model: its own template's devices.
  Open("Floor 1", "Room 104");
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    EXPECT_EQ(Tree(selection), (std::vector<std::string>{"Floor 1  -", "  Room 104 1 checked"}));
    selection.chksynchronisiern.UserClicks();
    selection.cmdFertig.UserClicks();
  });
  EXPECT_EQ(Selected(), (Slots{{"Room 104", 1}}));
  EXPECT_TRUE(window().cmdApply.Enabled());
}

TEST_F(DeviceSelectionTest, MoreDevicesThanASelectionHoldsKeepThePreviousSelection) {
  Select({"Room 102"}, false);
  ASSERT_EQ(Selected(), (Slots{{"Room 101", 1}, {"Room 102", 2}}));
  // 10,000 more devices of the template in a subsystem of their own.
  const lns::LnsDeviceTemplate model = Room("Room 101").GetTemplate();
  lns::LnsSubsystem many = program().framework.CurrentSystem->GetSubsystems().Add("Many");
  lns::LnsAppDevices devices = many.GetAppDevices();
  for (int device = 1; device <= 10000; ++device) devices.Add("Device " + std::to_string(device), model);
  program().Windows().Unload<qvr::fGeraeteauswahl>();

  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    // Every device of the template: 10,003 with the edited one.
    ClickCheckBox(selection, selection.TreeView1.Node("Many"));
    ClickCheckBox(selection, NodeOf(selection, "Room 102"));
    boxes().QueueAnswer(ui::vbOK, "Error: cmdFertig(fGeräteauswahl)");
    selection.cmdFertig.UserClicks();
    EXPECT_TRUE(selection.Visible());
    EXPECT_EQ(Selected(), (Slots{{"Room 101", 1}, {"Room 102", 2}}));

    // Down to 10,000: taken.
    ClickCheckBox(selection, NodeOf(selection, "Room 102"));
    ClickCheckBox(selection, NodeOf(selection, "Device 1"));
    selection.cmdFertig.UserClicks();
  });
  EXPECT_EQ(Selected().size(), 10000u);
  EXPECT_EQ(Selected().back(), (std::pair<std::string, int>{"Device 10000", 10003}));
  EXPECT_EQ(boxes().PendingAnswers(), 0u);
}

TEST_F(DeviceSelectionTest, TheMainWindowTakesNoInputWhileTheSearchRuns) {
  bool blockedDuringSearch = false;
  // Runs when the search lets window events run: the user clicks the button again.
  program().Ui().Loop().Post([&] {
    blockedDuringSearch = !window().Enabled();
    window().cmdGerAuswahl.UserClicks();
  });
  OpenSelection([&](qvr::fGeraeteauswahl& selection) { selection.cmdFertig.UserClicks(); });
  EXPECT_TRUE(blockedDuringSearch);
  EXPECT_TRUE(window().Enabled());
  // One search, one window shown: the second click was not taken.
  EXPECT_EQ(backend().PendingModalScripts(), 0u);
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_EQ(Selected(), (Slots{{"Room 101", 1}}));
}

}  // namespace
}  // namespace mainwindow_test
