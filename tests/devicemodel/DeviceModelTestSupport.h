#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "ProgramFixture.h"
#include "devicemodel/ApplyDeviceModel.h"
#include "devicemodel/QuietWrites.h"
#include "mainwindow/fMain.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"
#include "program/Program.h"

namespace devicemodel_test {

// The program IDs of the four supported models, as the devices report them.
inline const std::string kQvrl105 = "9FFF6E0A5A060408";
inline const std::string kQvrl206 = "9FFF6E0A5A060409";
inline const std::string kQvrl106 = "9FFF6E0A5A06040A";
inline const std::string kQvrl207 = "9FFF6E0A5A06040B";

// A program on a fresh machine root, driven as the main window and the registration code drive the
// device-model service.
class DeviceModelTest : public ::testing::Test {
 protected:
  testsupport::ProgramFixture fixture;
  qvr::Program& program = fixture.program();

  qvr::fMain& window() { return program.fMain(); }
  ui::TextBox& nciBox(int index) { return window().txtNci[index]; }
  ui::TextBox& nviBox(int index) { return window().txtNvi[index]; }
  ui::ComboBox& nciCombo(int index) { return window().cmb_nci[index]; }
  ui::ComboBox& nviCombo(int index) { return window().cmb_nvi[index]; }

  // One call with the arguments as a caller passes them.
  void Apply(std::string programId, std::int16_t fillForm = 0, std::string itemKind = "",
             std::int16_t itemIndex = 0, std::int16_t modelGroup = 100, std::int16_t spare = 0) {
    qvr::ApplyDeviceModel(program, programId, modelGroup, fillForm, spare, itemKind, itemIndex);
  }

  // What a device command does first: mark the settings pending and open the device.
  void StartDeviceCommand(const std::string& programId) {
    program.model.SettingsPending = true;
    Apply(programId);
  }

  // A device command for a device in `state` whose values the test has put into the boxes and tables: the
  // call after the values were read into the boxes follows the first.
  void OpenDevice(const std::string& programId, const std::string& state = "Cnfg Online") {
    StartDeviceCommand(programId);
    window().PlugInStatus.Panels(4).SetText(state);
    Apply(programId, 1);
  }

  // Puts a combo at a choice before the decoding, without raising its handlers, so that a rule that
  // leaves the combo unchanged can be told from one that sets it.
  static void Preset(ui::ComboBox& combo, int choice) { qvr::ShowChoice(combo, choice); }

  // Decodes once with every combo preset to choice 0 and once preset to 1: each must then show `expected`,
  // or, when there is none, still its preset.
  void ExpectChoices(std::initializer_list<ui::ComboBox*> combos, std::optional<int> expected,
                     const std::function<void()>& decode, const std::string& trace) {
    for (int preset : {0, 1}) {
      for (ui::ComboBox* combo : combos) Preset(*combo, preset);
      decode();
      for (ui::ComboBox* combo : combos) {
        EXPECT_EQ(combo->ListIndex(), expected.value_or(preset)) << trace << ", " << combo->DisplayName();
      }
    }
  }

  void SetLonWorksPath(const std::string& path) {
    Store().SetValue(reg::Hive::LocalMachine, reg::kLonWorksKey, reg::kLonWorksPathValue,
                     {reg::ValueType::Sz, path}, true);
  }
  void SetDecimalSeparator(const std::string& sep) {
    Store().SetValue(reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue,
                     {reg::ValueType::Sz, sep}, true);
  }
  // Uses `sep` from the next device command on.
  void UseDecimalSeparator(const std::string& sep) {
    SetDecimalSeparator(sep);
    program.model.SettingsPending = true;
    Apply("");
  }

 private:
  reg::RegistryStore Store() { return reg::RegistryStore(reg::RegistryStore::FileIn(fixture.root())); }
};

// A bit-field text with the bits `ones` set: 16 digits, bit 0 first, separated by blanks.
inline std::string BitField(std::initializer_list<int> ones) {
  std::string text;
  for (int bit = 0; bit < 16; ++bit) {
    if (bit > 0) text += ' ';
    text += std::find(ones.begin(), ones.end(), bit) != ones.end() ? '1' : '0';
  }
  return text;
}

}  // namespace devicemodel_test
