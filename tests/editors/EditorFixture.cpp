#include "EditorFixture.h"

#include <algorithm>

#include "framework/Program.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"

namespace editors_test {

void EditorTest::Open(const std::string& subsystem, const std::string& name) {
  Open(DemoDevice(subsystem, name));
}

void EditorTest::Open(lns::LnsAppDevice device) {
  Command(device);
  window().Show();
}

void EditorTest::SetUp() {
  DeviceCommandTest::SetUp();
  UseDecimalSeparator(".");
}

void EditorTest::UseDecimalSeparator(const std::string& separator) {
  reg::RegistryStore(reg::RegistryStore::FileIn(program().MachineRoot()))
      .SetValue(reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue,
                {reg::ValueType::Sz, separator}, true);
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

}  // namespace editors_test
