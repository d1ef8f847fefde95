#include "DemoMachineFixture.h"

#include <algorithm>
#include <stdexcept>

#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"
#include "program/Program.h"
#include "services/TypeFiles.h"

namespace testsupport {

DeviceCommandTest::DeviceCommandTest() {
  qvr::FrameworkState& framework = program().framework;
  framework.ObjectServer = &server();
  framework.ObjectServerIsOpen = true;
  UseNetwork("Demo");
  qvr::InitTypeFileTable(program());
}

void DeviceCommandTest::SetUp() {
  qvr::InstallTypeFiles(program());
}

void DeviceCommandTest::UseNetwork(const std::string& name) {
  qvr::FrameworkState& framework = program().framework;
  framework.CurrentNetworkName = name;
  framework.CurrentNetwork = server().GetNetworks().Item(name);
  framework.CurrentSystem = framework.CurrentNetwork->GetSystems().Item(1);
  framework.NetworkIsOpen = true;
}

void DeviceCommandTest::Command(lns::LnsAppDevice device) {
  // Each command starts with a fresh progress window, whose status line is recorded.
  program().Windows().Drop<qvr::fProgress>();
  ui::Label& status = program().fProgress().lblStatus;
  status.OnChange = [this, &status, place = status.OnChange] {
    progressTexts.push_back(status.Caption());
    // What the window shows when window events run next: the text that gets painted.
    program().Ui().Loop().Post([this] {
      const auto* shown = program().Windows().Find<qvr::fProgress>();
      if (shown && shown->IsLoaded()) paintedProgressTexts.push_back(shown->lblStatus.Caption());
    });
    if (place) place();
  };
  std::int32_t configure = 13;
  window().ProcessDeviceCommand(device, configure);
}

std::string DeviceCommandTest::NvValue(const lns::LnsAppDevice& device, int nvIndex) {
  return device.GetInterface().GetNetworkVariables().ItemByIndex(nvIndex).GetValue();
}

lns::LnsConfigProperty DeviceCommandTest::BlockProperty(const lns::LnsAppDevice& device, int block, int scope,
                                                        int typeIndex) {
  const lns::LnsConfigProperties properties =
      device.GetInterface().GetLonMarkObjects().Item(block + 1).GetConfigProperties();
  for (long item = 1; item <= properties.Count(); ++item) {
    const lns::LnsConfigProperty property = properties.Item(item);
    if (property.GetResourceScope() == scope && property.GetTypeIndex() == typeIndex) return property;
  }
  throw std::runtime_error("no such property");
}

bool DeviceCommandTest::ProgressWindowsLoaded() {
  const auto* progress = program().Windows().Find<qvr::fProgress>();
  const auto* splash = program().Windows().Find<qvr::fStartbild>();
  return (progress && progress->IsLoaded()) || (splash && splash->IsLoaded());
}

std::vector<std::string> DeviceCommandTest::LogTexts(std::size_t from) {
  std::vector<std::string> texts;
  const auto& lines = window().EchLog.Lines();
  for (std::size_t line = from; line < lines.size(); ++line) texts.push_back(lines[line].text);
  return texts;
}

void ApplyTest::Open(const std::string& subsystem, const std::string& name) {
  device_ = Device(subsystem, name);
  Command(*device_);
}

void ApplyTest::Edit(ui::TextBox& box, const std::string& text) {
  box.SetForeColor(ui::vbRed);
  box.SetText(text);
  window().UpdateApplyCancel();
}

bool ApplyTest::Monitored(int nvIndex) {
  const lns::LnsNetworkVariable variable = device_->GetInterface().GetNetworkVariables().ItemByIndex(nvIndex);
  return variable.GetMonitorEnable() && variable.GetMonitorTag() != 0;
}

void EditorTest::Open(lns::LnsAppDevice device) {
  Command(device);
  window().Show();
}

void EditorTest::SetUp() {
  DeviceCommandTest::SetUp();
  UseDecimalSeparator(".");
}

void DeviceCommandTest::ChangeRegionalSeparator(const std::string& separator) {
  reg::RegistryStore(reg::RegistryStore::FileIn(program().MachineRoot()))
      .SetValue(reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue,
                {reg::ValueType::Sz, separator}, true);
}

void EditorTest::UseDecimalSeparator(const std::string& separator) {
  ChangeRegionalSeparator(separator);
  // The Object Server reads the separator when it opens.
  server().Close();
  server().Open();
  qvr::FrameworkState& framework = program().framework;
  framework.CurrentNetwork = server().GetNetworks().Item(framework.CurrentNetworkName);
  framework.CurrentNetwork->Open();
  framework.CurrentSystem = framework.CurrentNetwork->GetSystems().Item(1);
  framework.CurrentSystem->Open();
}

lns::LnsAppDevice EditorTest::DemoDevice(const std::string& subsystem, const std::string& name) {
  return program().framework.CurrentSystem->GetSubsystems().Item(subsystem).GetAppDevices().Item(name);
}

void EditorTest::Erase(ui::TextBox& box) {
  box.UserSelects(0, static_cast<int>(box.Text().size()));
  box.UserTypes(ui::vbKeyBack);
}

std::string EditorTest::Bits(std::initializer_list<int> ones) {
  std::string text;
  for (int bit = 0; bit < 16; ++bit) {
    if (bit > 0) text += ' ';
    text += std::find(ones.begin(), ones.end(), bit) != ones.end() ? '1' : '0';
  }
  return text;
}

bool EditorTest::ApplyAndCancelEnabled() {
  const bool apply = window().cmdApply.Enabled();
  EXPECT_EQ(window().cmdCancel.Enabled(), apply) << "Apply and Cancel differ";
  return apply;
}

bool EditorTest::MonitoringSuspended(int row) {
  return program()
      .framework.CurrentDevice->GetInterface()
      .GetNetworkVariables()
      .ItemByIndex(NviRow(row).NviIndex)
      .GetMonitorSuspended();
}

void EditorTest::DeviceReports(int nvIndex, const std::string& text) {
  program().framework.CurrentDevice->GetInterface().GetNetworkVariables().ItemByIndex(nvIndex).PutValue(text);
  // The poll box's interval, 5 s.
  Advance(5000);
}

void EditorTest::Type(ui::TextBox& box, const std::string& keys) {
  window().UserMovesFocus(box);
  box.UserSelects(static_cast<int>(box.Text().size()), 0);
  for (char key : keys) box.UserTypes(static_cast<unsigned char>(key));
}

void EditorTest::Edit(ui::TextBox& box, const std::string& text) {
  window().UserMovesFocus(box);
  box.UserSetsText(text);
}

void EditorTest::ClickArrow(ui::UpDown& spin, bool up) {
  const float y = up ? UpperHalf(spin) : LowerHalf(spin);
  spin.UserMouseDown(ui::vbLeftButton, 0, spin.Width() / 2, y);
  spin.UserMouseUp(ui::vbLeftButton, 0, spin.Width() / 2, y);
}

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

}  // namespace testsupport
