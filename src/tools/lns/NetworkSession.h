#pragma once

#include <filesystem>
#include <string_view>

#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"

namespace lnstool {

// The Object Server of the machine root with one network and its system open, for one `lns` command.
class NetworkSession {
 public:
  NetworkSession(const std::filesystem::path& root, std::string_view networkName);

  lns::LnsObjectServer& Server() { return server_; }
  lns::LnsSystem& System() { return system_; }

  // A device by its path "SUBSYSTEM/DEVICE", where SUBSYSTEM may itself be a path of nested subsystems.
  lns::LnsAppDevice Device(std::string_view path);
  // Adds the device at `path` ("SUBSYSTEM/DEVICE", as above) on the template named by its name or program
  // ID, commissioned and online, making the subsystems of the path that are missing; all of it or nothing.
  void AddDevice(std::string_view path, std::string_view templateName);

 private:
  enum class Missing { Fail, Make };
  // The subsystem at `path` ("Floor 1/Wing A"); a missing one fails or is made.
  lns::LnsSubsystem Subsystem(std::string_view path, Missing missing);

  platform::HeadlessEventLoop loop_;
  lns::LnsObjectServer server_;
  lns::LnsSystem system_;
};

// True for a device path of the form "SUBSYSTEM/DEVICE".
bool IsDevicePath(std::string_view path);

}  // namespace lnstool
