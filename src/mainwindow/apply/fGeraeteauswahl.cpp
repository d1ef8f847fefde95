#include "mainwindow/apply/fGeraeteauswahl.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "mainwindow/design/SetLanguageTexts.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/ui/InputBlocked.h"
#include "program/Program.h"
#include "texts/MainMessages.h"
#include "texts/WindowTexts.h"

namespace qvr {

namespace {

// The help pane's whole text, and where its caret rests after a text, as the help display leaves them.
constexpr int kWholeText = 10000;
constexpr int kCaretAfterHelp = 130;

bool IsRoot(const ui::TreeNode& node) {
  return node.Parent() == nullptr;
}

void ShowError(Program& program, const char* routine) {
  program.Ui().MsgBox(std::string("Error: ") + routine + "(" + fGeraeteauswahl::kWindowName + ")",
                      ui::vbOKOnly);
}

}  // namespace

fGeraeteauswahl::fGeraeteauswahl(Program& program)
    : ui::Form(program.App(), kWindowName),
      TreeView1(*this, "TreeView1"),
      chksynchronisiern(*this, "chksynchronisiern"),
      cmdFertig(*this, "cmdFertig"),
      cmdreset(*this, "cmdreset"),
      program_(program) {
  SetCaption("Geräteauswahl");
  SetBorderStyle(ui::vbFixedDialog);
  Move(0, 0, 4680, 6120);
  TreeView1.Move(120, 120, 4335, 4575);
  TreeView1.SetCheckboxes(true);
  chksynchronisiern.Move(120, 4800, 4335, 255);
  chksynchronisiern.SetCaption("synchronisieren");
  chksynchronisiern.SetToolTipText("es werden ' alle'  Parameter zu den gewählten Geräten übertragen");
  cmdFertig.Move(120, 5220, 2100, 375);
  cmdFertig.SetCaption("Auswahl &beendet");
  cmdreset.Move(2355, 5220, 2100, 375);
  cmdreset.SetCaption("Auswahl &reset");

  cmdFertig.OnClick = [this] { cmdFertig_Click(); };
  cmdreset.OnClick = [this] { cmdreset_Click(); };
  TreeView1.OnNodeCheck = [this](ui::TreeNode& node) { TreeView1_NodeCheck(node); };
  TreeView1.OnNodeClick = [this](ui::TreeNode& node) { TreeView1_NodeClick(node); };
  TreeView1.OnMouseUp = [this](int button, int shift, float x, float y) {
    TreeView1_MouseUp(button, shift, x, y);
  };
}

void fGeraeteauswahl::Form_Load() {
  runtime::ErrObject& err = program_.Err;
  ui::Screen& screen = program_.Ui().Screen();
  const bool placed = runtime::ResumeNext(err, [&] {
    Move((screen.Width() - Width()) / 2, (screen.Height() - Height()) / 2);
    SetLanguageTexts(program_, *this, kDeviceSelectionWindowTexts);
  });
  if (!placed) return;

  runtime::ResumeNext(err, [&] { screen.SetMousePointer(ui::vbHourglass); });
  // The splash window lends its progress bar and label while the search runs.
  auto showSearchProgress = [&](bool visible) {
    runtime::ResumeNext(err, [&] {
      fStartbild& splash = program_.fStartbild();
      splash.Progr_Geraete.SetVisible(visible);
      splash.lblGeraet.SetVisible(visible);
    });
  };
  showSearchProgress(true);
  {
    // The search lets window events run: meanwhile the main window takes no input, so that no click
    // starts a second search or a transfer while the tree is half built.
    const ui::InputBlocked blocked(program_.fMain());
    runtime::ResumeNext(err, [&] { Geraetefinden(); });
  }
  showSearchProgress(false);
  runtime::ResumeNext(err, [&] { screen.SetMousePointer(ui::vbDefault); });
  CheckEditedDevice();
}

std::optional<fGeraeteauswahl::EditedDevice> fGeraeteauswahl::CurrentDeviceIdentity() const {
  std::optional<EditedDevice> identity;
  runtime::ResumeNext(program_.Err, [&] {
    const lns::LnsAppDevice& device = runtime::Present(program_.framework.CurrentDevice);
    identity =
        EditedDevice{program_.framework.CurrentDeviceNetwork.name, device.GetProgramId(), device.GetNodeId()};
  });
  return identity;
}

bool fGeraeteauswahl::EditedDevice::SameTemplateAs(const EditedDevice& other) const {
  return network == other.network && programId == other.programId;
}

bool fGeraeteauswahl::BuiltForCurrentDevice() const {
  const std::optional<EditedDevice> current = CurrentDeviceIdentity();
  return SelectionFitsCurrentDevice() && current->nodeId == builtFor_->nodeId;
}

bool fGeraeteauswahl::SelectionFitsCurrentDevice() const {
  const std::optional<EditedDevice> current = CurrentDeviceIdentity();
  return current && builtFor_ && current->SameTemplateAs(*builtFor_);
}

void fGeraeteauswahl::Geraetefinden() {
  MainWindowState& state = program_.mainwindow;
  subsystemRoots_.clear();
  editedNode_ = 0;
  // The selection's device indexes count in the template it was made from: a tree of another template
  // discards it, and so does a search that finds no template.
  const bool sameTemplate = SelectionFitsCurrentDevice();
  state.CurrentDeviceTemplate.reset();
  builtFor_ = CurrentDeviceIdentity();
  if (!sameTemplate) state.SelectedCount = 0;
  const bool found = runtime::ResumeNext(program_.Err, [&] {
    state.CurrentDeviceTemplate = runtime::Present(program_.framework.CurrentSystem)
                                      .GetTemplateLibrary()
                                      .GetDeviceTemplates()
                                      .Item(runtime::Present(builtFor_).programId);
  });
  if (!found) {
    builtFor_.reset();
    state.SelectedCount = 0;
    return;
  }
  try {
    AddDeviceNodes();
  } catch (const std::exception&) {
    ShowError(program_, "Gerätefinden");
  }
}

void fGeraeteauswahl::AddDeviceNodes() {
  fStartbild& splash = program_.fStartbild();
  const lns::LnsAppDevices devices =
      runtime::Present(program_.mainwindow.CurrentDeviceTemplate).GetAppDevices();
  const long count = devices.Count();
  splash.Progr_Geraete.SetMax(static_cast<float>(count));
  const long editedNodeId = runtime::Present(builtFor_).nodeId;
  for (long position = 1; position <= count; ++position) {
    splash.Progr_Geraete.SetValue(static_cast<float>(position));
    const lns::LnsAppDevice device = devices.Item(position);
    const std::string subsystem = device.GetSubsystems().Item(1).GetName();
    // Devices of one subsystem need not follow each other: a later one joins the subsystem's root.
    auto [root, added] = subsystemRoots_.try_emplace(subsystem, 0);
    if (added) root->second = TreeView1.Add(subsystem, subsystem).Index();
    const int rootNode = root->second;
    const std::string name = device.GetName();
    // Devices of different subsystems may share a name: the position keeps every key unique.
    ui::TreeNode& node =
        TreeView1.AddChild(TreeView1.Node(rootNode), name + "(" + std::to_string(position) + ")", name);
    node.SetTag(std::to_string(position));
    if (device.GetNodeId() == editedNodeId) editedNode_ = node.Index();
    program_.Ui().DoEvents();
    splash.lblGeraet.SetCaption(program_.texts.MsgMain[kMsgFound] + std::to_string(position));
  }
}

void fGeraeteauswahl::CheckEditedDevice() {
  runtime::ResumeNext(program_.Err, [&] { TreeView1.Node(editedNode_).SetChecked(true); });
}

void fGeraeteauswahl::TreeView1_NodeCheck(ui::TreeNode& Node) {
  try {
    // A root's check mark only checks or unchecks its devices; it is no selection of its own.
    const bool checked = Node.Checked();
    const ui::Color colour = checked ? ui::vbRed : ui::vbBlack;
    Node.SetForeColor(colour);
    for (ui::TreeNode* child = Node.Child(); child != nullptr; child = child->Next()) {
      child->SetChecked(checked);
      child->SetForeColor(colour);
    }
  } catch (const std::exception&) {
    ShowError(program_, "TreeView NodeCheck");
  }
}

void fGeraeteauswahl::TreeView1_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
  CheckEditedDevice();
}

void fGeraeteauswahl::TreeView1_NodeClick(ui::TreeNode& Node) {
  // A root has no device behind it: the pane keeps its text.
  runtime::ResumeNext(program_.Err, [&] {
    const long position = std::stol(Node.Tag());
    const lns::LnsAppDevice device =
        runtime::Present(program_.mainwindow.CurrentDeviceTemplate).GetAppDevices().Item(position);
    const std::string location = "Location of Device:\r\n\r\n" + device.GetName() + "\r\n\r\n" +
                                 device.GetSubsystems().Item(1).GetPath();
    ui::RichTextBox& pane = program_.fMain().RTHinweis;
    pane.SetText(location);
    pane.SetSelStart(0);
    pane.SetSelLength(kWholeText);
    pane.SetSelUnderline(false);
    pane.SetSelStart(kCaretAfterHelp);
  });
}

void fGeraeteauswahl::cmdreset_Click() {
  KnotenReset();
  CheckEditedDevice();
}

void fGeraeteauswahl::KnotenReset() {
  try {
    program_.mainwindow.SelectedCount = 0;
    for (int index = 1; index <= TreeView1.NodeCount(); ++index) {
      ui::TreeNode& node = TreeView1.Node(index);
      if (node.Checked()) {
        node.SetChecked(false);
        node.SetForeColor(ui::vbBlack);
      }
      if (IsRoot(node)) node.SetExpanded(false);
    }
  } catch (const std::exception&) {
    ShowError(program_, "KnotenReset");
  }
}

void fGeraeteauswahl::cmdFertig_Click() {
  try {
    // The whole selection is gathered first: one that cannot be stored leaves the previous one in place.
    std::vector<SelectedDevice> chosen;
    for (int index = 1; index <= TreeView1.NodeCount(); ++index) {
      const ui::TreeNode& node = TreeView1.Node(index);
      if (IsRoot(node) || !node.Checked()) continue;
      if (chosen.size() == MainWindowState::kMaxSelectedDevices) throw std::length_error("too many devices");
      const int position = std::stoi(node.Tag());
      // A slot holds positions up to the 16-bit limit; a later device cannot be selected.
      if (position > std::numeric_limits<std::int16_t>::max()) throw std::out_of_range("device position");
      chosen.push_back({node.Text(), static_cast<std::int16_t>(position)});
    }
    MainWindowState& state = program_.mainwindow;
    std::copy(chosen.begin(), chosen.end(), state.SelectedDevices.begin() + 1);
    state.SelectedCount = static_cast<std::int16_t>(chosen.size());
    synchroniseChosen_ = chksynchronisiern.Value() != ui::vbUnchecked;
    fMain& mainWindow = program_.fMain();
    if (synchroniseChosen_ && state.SelectedCount > 0) {
      // Every general property goes out, changed or not: there is something to apply.
      mainWindow.cmdApply.SetEnabled(true);
    } else {
      mainWindow.UpdateApplyCancel();
    }
    Hide();
  } catch (const std::exception&) {
    ShowError(program_, "cmdFertig");
  }
}

void DiscardDeviceSelection(Program& program) {
  program.mainwindow.SelectedCount = 0;
  program.Windows().Unload<fGeraeteauswahl>();
}

}  // namespace qvr
