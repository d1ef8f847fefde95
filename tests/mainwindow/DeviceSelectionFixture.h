#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../editors/EditorFixture.h"
#include "mainwindow/fGeraeteauswahl.h"
#include "platform/ui/HeadlessFormBackend.h"

namespace mainwindow_test {

// Room 101 of the demo opened in the main window and shown. Room 101, 102 and 103 of "Floor 1" share
// its device template (Room 101 and 102 online, 103 offline); Room 104 has another.
class DeviceSelectionTest : public editors_test::EditorTest {
 protected:
  void SetUp() override;

  // Clicks cmdGerAuswahl; `user` plays the user in the modal selection window and must hide or close it.
  void OpenSelection(const std::function<void(qvr::fGeraeteauswahl&)>& user);
  // Opens the selection window, clicks the check boxes of the devices named, sets the synchronise option
  // and clicks Done.
  void Select(const std::vector<std::string>& devices, bool synchronise);

  // The node of the device named `text` (the first such) in the selection window's tree.
  static ui::TreeNode& NodeOf(qvr::fGeraeteauswahl& selection, const std::string& text);
  // A mouse click on a node's check box.
  static void ClickCheckBox(qvr::fGeraeteauswahl& selection, ui::TreeNode& node);

  // The selection stored by Done: name and index of each slot in use.
  std::vector<std::pair<std::string, int>> Selected();

  lns::LnsAppDevice Room(const std::string& name) { return DemoDevice("Floor 1", name); }
  ui::HeadlessFormBackend& backend() {
    return static_cast<ui::HeadlessFormBackend&>(program().App().Backend());
  }
};

}  // namespace mainwindow_test
