#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace e2e {

// A fresh demo machine root with the plug-in registered (" /regplugin /english", which registers the
// class) and its own bus running; the bus is stopped afterwards. The user's session bus stays out of reach,
// and the plug-in program draws offscreen.
class BusMachineRootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* session = std::getenv("DBUS_SESSION_BUS_ADDRESS")) sessionBus_ = session;
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ASSERT_EQ(Lns({"init", "--demo"}).code, 0);
    const ProgramRun registration = PlugIn({"/regplugin", "/english"});
    ASSERT_EQ(registration.code, 0) << registration.err;
    // Started after the registration, the bus knows the service file from the start.
    const ProgramRun bus = Lns({"bus", "start"});
    ASSERT_EQ(bus.code, 0) << bus.err;
    address_ = bus.out.substr(0, bus.out.find('\n'));
  }

  void TearDown() override {
    EXPECT_EQ(Lns({"bus", "stop"}).code, 0);
    // A server that lost its bus ends by itself; none may outlive the test.
    EXPECT_TRUE(ServerEnds()) << "the plug-in program still runs after its bus stopped";
    if (sessionBus_) setenv("DBUS_SESSION_BUS_ADDRESS", sessionBus_->c_str(), 1);
  }

  ProgramRun Lns(const std::vector<std::string>& args,
                 std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    return e2e::Run("lns", args, root_.Path(), limit);
  }
  ProgramRun PlugIn(const std::vector<std::string>& args) {
    return e2e::Run("Calyxtern_qvr_lon_PlugIn", args, root_.Path());
  }

  // The plug-in programs serving this machine root: started with -Embedding, $LNS_ROOT this root.
  std::vector<pid_t> Servers() const {
    std::vector<pid_t> servers;
    const std::string rootVariable = std::string("LNS_ROOT=") + root_.Path().string() + '\0';
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
      const std::string name = entry.path().filename().string();
      if (name.find_first_not_of("0123456789") != std::string::npos) continue;
      const std::string cmdline = ReadFile(entry.path() / "cmdline");
      const std::string stat = ReadFile(entry.path() / "stat");
      const auto state = stat.rfind(") ");
      if (state == std::string::npos || stat[state + 2] == 'Z') continue;
      if (cmdline.find("Calyxtern_qvr_lon_PlugIn") == std::string::npos ||
          cmdline.find("-Embedding") == std::string::npos)
        continue;
      if (ReadFile(entry.path() / "environ").find(rootVariable) != std::string::npos)
        servers.push_back(static_cast<pid_t>(std::stoi(name)));
    }
    return servers;
  }

  // Waits up to `limit` for the plug-in program of this root to end; true when none runs.
  bool ServerEnds(std::chrono::seconds limit = std::chrono::seconds(10)) const {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!Servers().empty()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

  const std::filesystem::path& Root() const { return root_.Path(); }
  const std::string& Address() const { return address_; }

 private:
  testsupport::TempMachineRoot root_;
  std::optional<std::string> sessionBus_;
  std::string address_;
};

}  // namespace e2e
