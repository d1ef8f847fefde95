#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "TempMachineRoot.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"

namespace lnstest {

// The shipped interface files of the four models.
std::filesystem::path InterfaceFolder();

// Writes the user's decimal separator (HKCU\Control Panel\International\sDecimal) into a machine root.
void SetDecimalSeparator(const std::filesystem::path& root, std::string_view separator);

// A fresh machine root holding the demo network, with an Object Server on a headless loop and the demo's
// system open.
class LnsDemo {
 public:
  // sDecimal is written before the server opens: the decimal point unless a test chooses another, "" for
  // a machine without it.
  explicit LnsDemo(std::string_view decimalSeparator = ".");

  const std::filesystem::path& Root() const { return root_.Path(); }
  platform::HeadlessEventLoop& Loop() { return loop_; }
  lns::LnsObjectServer& Server() { return server_; }
  lns::LnsNetwork& Network() { return *network_; }
  lns::LnsSystem& System() { return *system_; }
  lns::LnsAppDevice Device(std::string_view subsystem, std::string_view device);

 private:
  testsupport::TempMachineRoot root_;
  platform::HeadlessEventLoop loop_;
  lns::LnsObjectServer server_;
  std::optional<lns::LnsNetwork> network_;
  std::optional<lns::LnsSystem> system_;
};

}  // namespace lnstest
