#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DemoDevices.h"
#include "datapoints/DataPoint.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/fMain.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "platform/ui/headless/HeadlessServices.h"

namespace testsupport {

// The demo network opened as the plug-in object leaves it after the director set the network's name
// (CurrentNetwork, CurrentSystem and the open flags set), with the maker's type files in the resource
// catalogue; the host's device commands reach the main window as the framework sends them.
class DeviceCommandTest : public DemoDevicesTest {
 protected:
  DeviceCommandTest();
  void SetUp() override;

  qvr::fMain& window() { return program().fMain(); }
  ui::HeadlessServices& services() { return static_cast<ui::HeadlessServices&>(program().Ui()); }
  ui::HeadlessMessageBoxes& boxes() { return services().Boxes(); }
  ui::HeadlessFormBackend& backend() {
    return static_cast<ui::HeadlessFormBackend&>(program().App().Backend());
  }
  const std::string& MsgMain(std::size_t index) { return program().texts.MsgMain[index]; }

  // The director's "Configure" for `device`.
  void Command(lns::LnsAppDevice device);
  void Command(const std::string& subsystem, const std::string& name) { Command(Device(subsystem, name)); }
  // The user changes the regional setting's decimal separator; the next device command reads it.
  void ChangeRegionalSeparator(const std::string& separator);
  // Makes the network `name` the current one; "Lab" is the network of DemoDevicesTest::LabDevice.
  void UseNetwork(const std::string& name);
  void UseLabNetwork() { UseNetwork("Lab"); }

  std::string Panel(int number) { return window().PlugInStatus.Panels(number).Text(); }
  ui::TextBox& Nci(int row) { return window().txtNci[row]; }
  ui::TextBox& Nvi(int row) { return window().txtNvi[row]; }
  qvr::DataPoint& NciRow(int row) { return tables().NciTable.at(static_cast<std::size_t>(row)); }
  qvr::DataPoint& NviRow(int row) { return tables().NviTable.at(static_cast<std::size_t>(row)); }
  static bool Red(const ui::Control& control) { return control.ForeColor() == ui::vbRed; }
  static bool Normal(const ui::Control& control) { return control.ForeColor() == ui::vbButtonText; }

  // The log's lines from `from` on, ordinary and error lines alike, in order; its error lines.
  std::vector<std::string> LogTexts(std::size_t from = 0);
  std::vector<std::string> ErrorLines() { return window().EchLog.ErrorLines(); }
  std::size_t LogSize() { return window().EchLog.Lines().size(); }

  // The value of network variable `nvIndex` of `device` as the Object Server reads it now.
  static std::string NvValue(const lns::LnsAppDevice& device, int nvIndex);
  // Property scope:typeIndex of LonMark object `block` of `device`, found through the object model.
  static lns::LnsConfigProperty BlockProperty(const lns::LnsAppDevice& device, int block, int scope,
                                              int typeIndex);
  // Whether the progress window or the splash window is loaded.
  bool ProgressWindowsLoaded();

  // Every text that the progress window's status line showed during the test's commands, in order.
  std::vector<std::string> progressTexts;
  // The status line's text each time window events ran after it changed, in order.
  std::vector<std::string> paintedProgressTexts;
};

// The same, on a machine whose resource catalogue does not list the maker's type files.
class DeviceCommandWithoutTypeFilesTest : public DeviceCommandTest {
 protected:
  void SetUp() override {}
};

// A demo device edited and applied the way a user does it: boxes edited and marked by the change
// handling, Apply and Cancel clicked, the questions answered.
class ApplyTest : public DeviceCommandTest {
 protected:
  // Opens "Floor 1/Room 101" or another demo device through the director's command.
  void Open(const std::string& subsystem, const std::string& name);
  // The user's edit of `box`: its new text, marked changed, with Apply and Cancel offered as the change
  // handling offers them.
  void Edit(ui::TextBox& box, const std::string& text);
  void ClickApply() { window().cmdApply.UserClicks(); }
  void ClickCancel() { window().cmdCancel.UserClicks(); }

  // The device opened by Open.
  lns::LnsAppDevice& device() { return *device_; }
  lns::LnsConfigProperty Property(int row) { return *window().GetNciObject(NciRow(row).NciKey); }
  // Whether network variable `nvIndex` of the device is monitored (enabled with a tag).
  bool Monitored(int nvIndex);

 private:
  std::optional<lns::LnsAppDevice> device_;
};

// A demo device opened in the main window and the window shown, so that its boxes, companions and spin
// buttons can be edited as a user edits them. Numbers are written with the decimal point unless a test
// chooses the comma.
class EditorTest : public DeviceCommandTest {
 protected:
  void SetUp() override;

  // The director's "Configure" for the device, then the window shown.
  void Open(const std::string& subsystem, const std::string& name) { Open(DemoDevice(subsystem, name)); }
  void Open(lns::LnsAppDevice device);

  // From the next device command on, numbers are written with `separator`, by the Object Server and in
  // the user's settings alike. Devices are reached through DemoDevice afterwards.
  void UseDecimalSeparator(const std::string& separator);
  lns::LnsAppDevice DemoDevice(const std::string& subsystem, const std::string& name);

  ui::ComboBox& Combo(int index) { return window().cmb_nci[index]; }
  ui::ComboBox& NviCombo(int row) { return window().cmb_nvi[row]; }
  ui::TextBox& SettingBox(int row) { return window().txtnviset[row]; }

  // The user replaces the whole text of a box (selects it all and types or pastes the new text).
  static void Enter(ui::TextBox& box, const std::string& text) { box.UserSetsText(text); }
  // The user selects the whole text and deletes it with Backspace.
  static void Erase(ui::TextBox& box);
  // The user clicks into `box` behind its text and types `keys`, one key at a time ("\b" Backspace,
  // "\r" Enter).
  void Type(ui::TextBox& box, const std::string& keys);
  // The user clicks into `box` and replaces its whole text.
  void Edit(ui::TextBox& box, const std::string& text);
  // A click on the upper or lower arrow of a spin button (mouse down, then up, with the left button).
  static void ClickArrow(ui::UpDown& spin, bool up);
  // The pointer's height in the upper or the lower half of a spin button.
  static float UpperHalf(const ui::UpDown& spin) { return spin.Height() / 4; }
  static float LowerHalf(const ui::UpDown& spin) { return spin.Height() * 3 / 4; }

  // A bit-field text as the device writes it: 16 digits, bit 0 first, blanks between; `ones` are set.
  static std::string Bits(std::initializer_list<int> ones);
  // Apply and Cancel are enabled or disabled together; this tells which, and fails when they differ.
  bool ApplyAndCancelEnabled();

  // Whether the Object Server has stopped reporting input `row` of the current device.
  bool MonitoringSuspended(int row);
  // A new value of network variable `nvIndex` on the current device (spelled with the Object Server's
  // decimal separator), and the poll interval passing, so that monitoring reports it.
  void DeviceReports(int nvIndex, const std::string& text);
  void Advance(std::int64_t milliseconds) { services().TestLoop().Advance(milliseconds); }
  // An error line: a failure's description (not empty), then the handler's own text.
  static bool IsErrorLineOf(const std::string& line, const std::string& handlerText) {
    return line.size() > handlerText.size() &&
           line.compare(line.size() - handlerText.size(), std::string::npos, handlerText) == 0;
  }
  const ui::Control* Focused() { return window().ActiveControl(); }
};

// Room 101 of the demo opened in the main window and shown. Room 101, 102 and 103 of "Floor 1" share
// its device template (Room 101 and 102 online, 103 offline); Room 104 has another.
class DeviceSelectionTest : public EditorTest {
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
};

}  // namespace testsupport
