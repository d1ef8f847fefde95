#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../datapoints/DemoDevices.h"
#include "mainwindow/fMain.h"
#include "platform/ui/HeadlessServices.h"

namespace mainwindow_test {

// The demo network opened as the plug-in object leaves it after the director set the network's name
// (CurrentNetwork, CurrentSystem and the open flags set), with the maker's type files in the resource
// catalogue; the host's device commands reach the main window as the framework sends them.
class DeviceCommandTest : public testsupport::DemoDevicesTest {
 protected:
  DeviceCommandTest();
  void SetUp() override;

  qvr::fMain& window() { return program().fMain(); }
  ui::HeadlessServices& services() { return static_cast<ui::HeadlessServices&>(program().Ui()); }
  ui::HeadlessMessageBoxes& boxes() { return services().Boxes(); }
  const std::string& MsgMain(std::size_t index) { return program().texts.MsgMain[index]; }

  // The director's "Configure" for `device`.
  void Command(lns::LnsAppDevice device);
  void Command(const std::string& subsystem, const std::string& name) { Command(Device(subsystem, name)); }

  std::string Panel(int number) { return window().PlugInStatus.Panels(number).Text(); }
  // The value of network variable `nvIndex` of `device` as the Object Server reads it now.
  static std::string NvValue(const lns::LnsAppDevice& device, int nvIndex);
  // Property scope:typeIndex of LonMark object `block` of `device`, found through the object model.
  static lns::LnsConfigProperty BlockProperty(const lns::LnsAppDevice& device, int block, int scope,
                                              int typeIndex);
  // Whether the progress window or the splash window is loaded.
  bool ProgressWindowsLoaded();

  // Every text that the progress window's status line showed during the test's commands, in order.
  std::vector<std::string> progressTexts;
  // Makes the network of the lab devices (DemoDevicesTest::LabDevice) the current one, as a director
  // that opened that network would.
  void UseLabNetwork();
  // Makes the network `name` the current one.
  void UseNetwork(const std::string& name);
};

// The same, on a machine whose resource catalogue does not list the maker's type files.
class DeviceCommandWithoutTypeFilesTest : public DeviceCommandTest {
 protected:
  void SetUp() override {}
};

}  // namespace mainwindow_test
