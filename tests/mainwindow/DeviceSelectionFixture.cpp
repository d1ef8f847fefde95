#include "DeviceSelectionFixture.h"

#include <stdexcept>

#include "framework/Program.h"

namespace mainwindow_test {

void DeviceSelectionTest::SetUp() {
  EditorTest::SetUp();
  Open("Floor 1", "Room 101");
}

void DeviceSelectionTest::OpenSelection(const std::function<void(qvr::fGeraeteauswahl&)>& user) {
  backend().ExpectModal(qvr::fGeraeteauswahl::kWindowName,
                        [&user](ui::Form& form) { user(static_cast<qvr::fGeraeteauswahl&>(form)); });
  window().cmdGerAuswahl.UserClicks();
  EXPECT_EQ(backend().PendingModalScripts(), 0u) << "the selection window was not shown";
}

void DeviceSelectionTest::Select(const std::vector<std::string>& devices, bool synchronise) {
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    for (const std::string& device : devices) ClickCheckBox(selection, NodeOf(selection, device));
    if ((selection.chksynchronisiern.Value() == ui::vbChecked) != synchronise) {
      selection.chksynchronisiern.UserClicks();
    }
    selection.cmdFertig.UserClicks();
  });
}

ui::TreeNode& DeviceSelectionTest::NodeOf(qvr::fGeraeteauswahl& selection, const std::string& text) {
  for (int index = 1; index <= selection.TreeView1.NodeCount(); ++index) {
    ui::TreeNode& node = selection.TreeView1.Node(index);
    if (node.Parent() != nullptr && node.Text() == text) return node;
  }
  throw std::runtime_error("no device node " + text);
}

void DeviceSelectionTest::ClickCheckBox(qvr::fGeraeteauswahl& selection, ui::TreeNode& node) {
  selection.TreeView1.UserChecks(node);
  selection.TreeView1.UserMouseUp(1, 0, 100, 100);
}

std::vector<std::pair<std::string, int>> DeviceSelectionTest::Selected() {
  const qvr::MainWindowState& state = program().mainwindow;
  std::vector<std::pair<std::string, int>> slots;
  for (int slot = 1; slot <= state.SelectedCount; ++slot) {
    const qvr::SelectedDevice& device = state.SelectedDevices[static_cast<std::size_t>(slot)];
    slots.emplace_back(device.Name, device.Index);
  }
  return slots;
}

}  // namespace mainwindow_test
