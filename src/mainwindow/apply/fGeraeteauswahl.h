#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "platform/ui/CheckBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/TreeView.h"

namespace qvr {

class Program;

// The device-selection window: the devices of the current device's template, grouped by subsystem, with
// check boxes. Done stores the checked devices as the program's selection for a transfer to several
// devices. The window is kept loaded (Done hides it) and its device search runs once per loading.
class fGeraeteauswahl : public ui::Form {
 public:
  explicit fGeraeteauswahl(Program& program);

  static constexpr const char* kWindowName = "fGeräteauswahl";

  ui::TreeView TreeView1;
  ui::CheckBox chksynchronisiern;
  ui::CommandButton cmdFertig;
  ui::CommandButton cmdreset;

  // Clears the selection: no device selected, every node unchecked and black, every root collapsed.
  void KnotenReset();

  // Whether the synchronise option was set when the user last confirmed a selection with Done; kept when
  // the window is closed, like the selection itself.
  bool SynchroniseChosen() const { return synchroniseChosen_; }
  // Whether the tree was built for the device being edited.
  bool BuiltForCurrentDevice() const;
  // Whether the selection's device indexes belong to the template of the device being edited (the same
  // network and program ID as the device the tree was built for).
  bool SelectionFitsCurrentDevice() const;

  void cmdFertig_Click();
  void cmdreset_Click();
  void TreeView1_NodeCheck(ui::TreeNode& Node);
  void TreeView1_NodeClick(ui::TreeNode& Node);
  void TreeView1_MouseUp(int Button, int Shift, float X, float Y);

 protected:
  void Form_Load() override;

 private:
  // The device the tree was built for.
  struct EditedDevice {
    std::string network;
    std::string programId;
    long nodeId = 0;
    bool SameTemplateAs(const EditedDevice& other) const;
  };

  // Looks up the template of the current device and adds one node per device of it.
  void Geraetefinden();
  void AddDeviceNodes();
  // Checks the node of the device being edited, which stays selected whatever the user does.
  void CheckEditedDevice();
  std::optional<EditedDevice> CurrentDeviceIdentity() const;

  Program& program_;
  // The node index of each subsystem's root, by the subsystem's name.
  std::unordered_map<std::string, int> subsystemRoots_;
  int editedNode_ = 0;  // the node of the device being edited; 0 when it was not found
  std::optional<EditedDevice> builtFor_;
  bool synchroniseChosen_ = false;
};

// Drops the selection and the tree: they were made for the device edited until now, and Apply must not
// send another device's values to them.
void DiscardDeviceSelection(Program& program);

}  // namespace qvr
