#pragma once

#include <filesystem>
#include <string>

#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"

namespace testsupport {

// A network of a machine root open in an Object Server of the test's own, on a headless loop, with its
// system open: as a program that keeps the network open while the `lns` commands under test run.
struct OpenedSystem {
  explicit OpenedSystem(const std::filesystem::path& root, const std::string& networkName = "Demo")
      : server(loop, root), network(Opened(server, networkName)), system(Opened(network)) {}

  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server;
  lns::LnsNetwork network;
  lns::LnsSystem system;

 private:
  static lns::LnsNetwork Opened(lns::LnsObjectServer& server, const std::string& name) {
    server.Open();
    lns::LnsNetwork network = server.GetNetworks().Item(name);
    network.Open();
    return network;
  }
  static lns::LnsSystem Opened(lns::LnsNetwork& network) {
    lns::LnsSystem system = network.GetSystems().Item(1);
    system.Open();
    return system;
  }
};

}  // namespace testsupport
