#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "../mainwindow/DeviceCommandFixture.h"
#include "datapoints/DataPoint.h"
#include "mainwindow/fMain.h"

namespace editors_test {

// A demo device opened in the main window by the director's "Configure" and the window shown, so that
// its value boxes can be edited as a user edits them.
class EditorTest : public mainwindow_test::DeviceCommandTest {
 protected:
  // Numbers are written with the decimal point unless a test chooses the comma.
  void SetUp() override;

  // The director's "Configure" for the device, then the window shown.
  void Open(const std::string& subsystem, const std::string& name);
  void Open(lns::LnsAppDevice device);

  // From the next device command on, numbers are written with `separator`, by the Object Server and in
  // the user's settings alike. Devices are reached through DemoDevice afterwards.
  void UseDecimalSeparator(const std::string& separator);
  lns::LnsAppDevice DemoDevice(const std::string& subsystem, const std::string& name);

  ui::TextBox& Nci(int index) { return window().txtNci[index]; }
  ui::ComboBox& Combo(int index) { return window().cmb_nci[index]; }
  const qvr::DataPoint& Row(int row) { return tables().NciTable[static_cast<std::size_t>(row)]; }

  // The user replaces the whole text of a box (selects it all and types or pastes the new text).
  static void Enter(ui::TextBox& box, const std::string& text) { box.UserSetsText(text); }
  // The user selects the whole text and deletes it with Backspace.
  static void Erase(ui::TextBox& box);

  static bool Red(const ui::Control& control) { return control.ForeColor() == ui::vbRed; }
  static bool Normal(const ui::Control& control) { return control.ForeColor() == ui::vbButtonText; }

  // A bit-field text as the device writes it: 16 digits, bit 0 first, blanks between; `ones` are set.
  static std::string Bits(std::initializer_list<int> ones);

  // Apply and Cancel are enabled or disabled together; this tells which, and fails when they differ.
  bool ApplyAndCancelEnabled();
};

}  // namespace editors_test
