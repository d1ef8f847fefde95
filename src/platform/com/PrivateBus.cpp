#include "platform/com/PrivateBus.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/ProcessRuns.h"
#include "platform/ReadFileWhole.h"
#include "platform/Spawn.h"
#include "platform/WriteFileWhole.h"
#include "platform/com/BusConfigText.h"
#include "platform/com/BusFolderLock.h"
#include "platform/com/BusPrograms.h"

namespace com {

namespace {

constexpr const char* kErrorSource = "lns bus";
// Start and stop of one root's bus run one at a time, across processes.
constexpr const char* kStartStopLock = "lock";
// How long the programs that the bus started have to end when asked, before they are ended by force.
constexpr std::chrono::seconds kProgramsGrace(5);

[[noreturn]] void Fail(const std::string& description) {
  throw platform::RaisedError(platform::kErrPathFileAccess, kErrorSource, description);
}

std::filesystem::path SocketFile(const std::filesystem::path& root) {
  return BusFolder(root) / "socket";
}
std::filesystem::path ConfigFile(const std::filesystem::path& root) {
  return BusFolder(root) / "bus.conf";
}
std::filesystem::path PidFile(const std::filesystem::path& root) {
  return BusFolder(root) / "bus.pid";
}

// Only the socket in the root: no TCP, and only this user's processes are let in (EXTERNAL). The paths are
// escaped, as an address value and as XML text, so that any character of the root's path stays in them.
std::string BusConfig(const std::filesystem::path& root) {
  std::ostringstream config;
  config << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig>\n"
            "  <type>session</type>\n"
            "  <listen>"
         << EscapeXmlText(BusAddress(root))
         << "</listen>\n"
            "  <auth>EXTERNAL</auth>\n"
            "  <pidfile>"
         << EscapeXmlText(PidFile(root).string())
         << "</pidfile>\n"
            "  <servicedir>"
         << EscapeXmlText(ServiceFolder(root).string())
         << "</servicedir>\n"
            "  <policy context=\"default\">\n"
            "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
            "    <allow eavesdrop=\"true\"/>\n"
            "    <allow own=\"*\"/>\n"
            "  </policy>\n"
            "</busconfig>\n";
  return config.str();
}

// Whether the live process `pid` is this root's daemon: a dbus-daemon started with this root's
// configuration, which names the root's socket.
bool IsDaemonOf(const std::filesystem::path& root, pid_t pid) {
  const std::vector<std::string> args = platform::ProcessStrings(pid, "cmdline");
  const std::string config = "--config-file=" + ConfigFile(root).string();
  return !args.empty() && std::filesystem::path(args.front()).filename() == "dbus-daemon" &&
         std::find(args.begin() + 1, args.end(), config) != args.end() && platform::ProcessRuns(pid);
}

// The pid that the pid file names; 0 when it names none.
pid_t PidInFile(const std::filesystem::path& root) {
  const std::string text = platform::ReadFileWhole(PidFile(root));
  char* end = nullptr;
  const long pid = std::strtol(text.c_str(), &end, 10);
  return pid > 0 && pid <= std::numeric_limits<pid_t>::max() && end != text.c_str() ? static_cast<pid_t>(pid)
                                                                                    : 0;
}

// This root's daemon when it runs: the process that the pid file names, or else the one found among all
// processes by its command line (the pid file may name another program, whose pid a daemon that died had,
// or be written over). `tell` hears of a live program that the pid file names in its place.
std::optional<pid_t> RunningDaemon(const std::filesystem::path& root, const BusNotice& tell = {}) {
  const pid_t named = PidInFile(root);
  if (named && IsDaemonOf(root, named)) return named;
  if (named && tell && platform::ProcessRuns(named)) {
    const std::string command = platform::ReadFileWhole("/proc/" + std::to_string(named) + "/comm");
    tell(PidFile(root).string() + " names process " + std::to_string(named) + " (" +
         command.substr(0, command.find('\n')) + "), which is not this machine root's bus; it is left alone");
  }
  for (const pid_t pid : platform::ListedProcesses()) {
    if (pid != named && IsDaemonOf(root, pid)) return pid;
  }
  return std::nullopt;
}

std::vector<std::string> DaemonEnvironment(const std::filesystem::path& root) {
  std::vector<std::string> environment = platform::EnvironmentWithout(
      [](std::string_view name) { return name == "LNS_ROOT" || name.starts_with("DBUS_"); });
  environment.push_back("LNS_ROOT=" + BusFolder(root).parent_path().string());
  environment.push_back("DBUS_SESSION_BUS_ADDRESS=" + BusAddress(root));
  return environment;
}

// Reads the address line that the daemon prints once it listens; empty when it ends or stalls first.
std::string ReadAddressLine(int fd) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, 200) <= 0) continue;
    char buffer[256];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    line.append(buffer, static_cast<std::size_t>(got));
  }
  return line.substr(0, line.find('\n'));
}

void SpawnDaemon(const std::filesystem::path& root) {
  platform::Pipe address;
  try {
    address = platform::MakePipe();
  } catch (const std::system_error&) {
    Fail("cannot start dbus-daemon: no pipe");
  }
  platform::SpawnRequest daemon;
  daemon.argv = {"dbus-daemon", "--config-file=" + ConfigFile(root).string(), "--fork", "--print-address"};
  daemon.environment = DaemonEnvironment(root);
  daemon.in = platform::StreamTarget::DevNull();
  daemon.out = platform::StreamTarget::ToDescriptor(address.write.Get());
  pid_t pid = 0;
  try {
    pid = platform::Spawn(daemon);
  } catch (const std::system_error&) {
    Fail("cannot start dbus-daemon: it is not installed (Debian package dbus-daemon)");
  }
  address.write.Close();
  const std::string line = ReadAddressLine(address.read.Get());
  platform::WaitForChild(pid);  // the first process ends once the daemon is ready
  if (line.empty() || !RunningDaemon(root)) Fail("dbus-daemon did not start on " + SocketFile(root).string());
}

}  // namespace

// Absolute: the daemon runs in "/", and the address and the servers it starts must find the same root.
std::filesystem::path BusFolder(const std::filesystem::path& root) {
  return std::filesystem::absolute(root).lexically_normal() / "bus";
}

std::filesystem::path ServiceFolder(const std::filesystem::path& root) {
  return BusFolder(root) / "services";
}

std::string BusAddress(const std::filesystem::path& root) {
  return "unix:path=" + EscapeAddressValue(SocketFile(root).string());
}

std::optional<std::string> RunningBusAddress(const std::filesystem::path& root) {
  if (!RunningDaemon(root)) return std::nullopt;
  return BusAddress(root);
}

std::string StartBus(const std::filesystem::path& root, const BusNotice& tell) {
  BusFolderLock lock(root, kStartStopLock);
  if (const std::optional<pid_t> running = RunningDaemon(root, tell)) {
    // Named again, so that the next caller finds it at once.
    if (PidInFile(root) != *running) {
      try {
        platform::WriteFileWhole(PidFile(root), std::to_string(*running) + "\n");
      } catch (const platform::FileWriteError&) {
        // It is found by its command line all the same.
      }
    }
    return BusAddress(root);
  }
  if (SocketFile(root).string().size() >= sizeof(sockaddr_un::sun_path)) {
    Fail("the machine root's path is too long for the bus socket " + SocketFile(root).string());
  }
  std::error_code error;
  std::filesystem::create_directories(ServiceFolder(root), error);
  // Left by a daemon that was killed or died: the daemon refuses to start while its pid file is there.
  std::filesystem::remove(SocketFile(root), error);
  std::filesystem::remove(PidFile(root), error);
  try {
    platform::WriteFileWhole(ConfigFile(root), BusConfig(root));
  } catch (const platform::FileWriteError& error) {
    Fail("cannot write the bus configuration " + ConfigFile(root).string() + ": " + error.what());
  }
  SpawnDaemon(root);
  return BusAddress(root);
}

void StopBus(const std::filesystem::path& root, const BusNotice& tell) {
  BusFolderLock lock(root, kStartStopLock);
  const std::optional<pid_t> pid = RunningDaemon(root, tell);
  if (pid) {
    // The servers first, while they can still leave the bus in order; a server nobody could close would
    // otherwise outlive its bus.
    EndPrograms(ProgramsStartedOn(BusAddress(root)), kProgramsGrace);
    kill(*pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (platform::ProcessRuns(*pid)) {
      if (std::chrono::steady_clock::now() > deadline)
        Fail("dbus-daemon " + std::to_string(*pid) + " does not end");
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  std::error_code error;
  std::filesystem::remove(SocketFile(root), error);
  std::filesystem::remove(PidFile(root), error);
}

}  // namespace com
