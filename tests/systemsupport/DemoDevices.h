#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ProgramFixture.h"
#include "mainwindow/fMain.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/resources/DeviceInterfaceFile.h"

namespace testsupport {

// The demo network opened through the main window's Object Server control, as the plug-in opens it, and a
// way to load the data-point tables for one of its devices.
class DemoDevicesTest : public ::testing::Test {
 protected:
  DemoDevicesTest();

  qvr::Program& program() { return fixture_.program(); }
  qvr::DataPointTables& tables() { return program().datapoints; }
  lns::LnsObjectServer& server() { return program().fMain().lcaOS(); }
  lns::LnsSystem& demo() { return *demo_; }

  // "Floor 1/Room 101" and the like.
  lns::LnsAppDevice Device(const std::string& subsystem, const std::string& name);
  // Makes the device the current one and loads the tables for it.
  void Load(const lns::LnsAppDevice& device);
  void Load(const std::string& subsystem, const std::string& name) { Load(Device(subsystem, name)); }

  // Writes a network variable's value, `text` spelled with "." and given the server's decimal separator.
  void PutNv(const lns::LnsAppDevice& device, int nvIndex, const std::string& text);

  // A model's interface as its file in data/interfaces describes it.
  static lns::DeviceInterface ModelInterface(const std::string& model);
  // An online device built on `interface` in a network of its own ("Lab"), so that its program ID may
  // repeat one of the demo's.
  lns::LnsAppDevice LabDevice(const lns::DeviceInterface& interface);

 private:
  ProgramFixture fixture_;
  std::optional<lns::LnsSystem> demo_;
  std::optional<lns::LnsSystem> lab_;
};

}  // namespace testsupport
