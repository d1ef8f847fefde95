#include "platform/com/PrivateBus.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/Descriptor.h"
#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/MachineRoot.h"
#include "platform/ProcessRuns.h"
#include "platform/ReadFileWhole.h"
#include "platform/Spawn.h"
#include "platform/WriteFileWhole.h"
#include "platform/com/BusConfigText.h"
#include "platform/com/BusFolderLock.h"
#include "platform/com/BusOwnSettings.h"
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

constexpr std::string_view kBusFolderName = "bus";
constexpr std::string_view kSocketName = "socket";
// dbus-daemon refuses a longer socket path ("Socket name too long"), below the kernel's 107 bytes.
constexpr std::size_t kMostSocketPathBytes = 99;
// Every root that the programs take has room for its socket, <root>/bus/socket.
static_assert(platform::kMostMachineRootBytes + 1 + kBusFolderName.size() + 1 + kSocketName.size() <=
              kMostSocketPathBytes);

std::filesystem::path SocketFile(const std::filesystem::path& root) {
  return BusFolder(root) / kSocketName;
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

// The address of the bus whose folder is `busFolder`.
std::string AddressIn(const std::filesystem::path& busFolder) {
  return "unix:path=" + EscapeAddressValue((busFolder / kSocketName).string());
}

// A root's running daemon, and its bus folder as the daemon's command line spells it.
struct Daemon {
  pid_t pid = 0;
  std::filesystem::path busFolder;
};

// The live process `pid` when it is this root's daemon: a dbus-daemon started with this root's
// configuration file. The file is compared by its device and inode, which no other spelling of the root
// (through a symbolic link, a bind mount) changes.
std::optional<Daemon> DaemonOf(const std::filesystem::path& root, pid_t pid) {
  const std::vector<std::string> args = platform::ProcessStrings(pid, "cmdline");
  if (args.empty() || std::filesystem::path(args.front()).filename() != "dbus-daemon") return std::nullopt;
  constexpr std::string_view kOption = "--config-file=";
  const auto option = std::find_if(args.begin() + 1, args.end(),
                                   [&](const std::string& arg) { return arg.starts_with(kOption); });
  if (option == args.end()) return std::nullopt;
  const std::filesystem::path config = option->substr(kOption.size());
  std::error_code error;
  if (!std::filesystem::equivalent(config, ConfigFile(root), error) || !platform::ProcessRuns(pid))
    return std::nullopt;
  return Daemon{pid, config.parent_path()};
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
std::optional<Daemon> RunningDaemon(const std::filesystem::path& root, const BusNotice& tell = {}) {
  const pid_t named = PidInFile(root);
  if (named) {
    if (std::optional<Daemon> daemon = DaemonOf(root, named)) return daemon;
  }
  if (named && tell && platform::ProcessRuns(named)) {
    const std::string command = platform::ReadFileWhole("/proc/" + std::to_string(named) + "/comm");
    tell(PidFile(root).string() + " names process " + std::to_string(named) + " (" +
         command.substr(0, command.find('\n')) + "), which is not this machine root's bus; it is left alone");
  }
  for (const pid_t pid : platform::ListedProcesses()) {
    if (pid == named) continue;
    if (std::optional<Daemon> daemon = DaemonOf(root, pid)) return daemon;
  }
  return std::nullopt;
}

// Whether a process listens on the socket file: connecting succeeds, or finds its queue full.
bool SomeoneAnswersOn(const std::filesystem::path& socketFile) {
  const platform::Descriptor probe(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = socketFile.string();
  if (probe.Get() < 0 || path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  return connect(probe.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ||
         errno == EAGAIN;
}

// A socket that a process still serves is never taken from it: its directors would lose their bus. Called
// where no daemon of this root was found, so the process is another's (or a daemon of this root that can
// no longer be told as one, started under a spelling of the root that is gone).
void KeepAnsweredSocket(const std::filesystem::path& root) {
  if (SomeoneAnswersOn(SocketFile(root))) {
    Fail("a process not known as this machine root's bus answers on its socket " + SocketFile(root).string() +
         "; it is left alone");
  }
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

void SpawnDaemon(const std::filesystem::path& root, std::vector<std::string> environment) {
  platform::Pipe address;
  try {
    address = platform::MakePipe();
  } catch (const std::system_error&) {
    Fail("cannot start dbus-daemon: no pipe");
  }
  platform::SpawnRequest daemon;
  daemon.argv = {"dbus-daemon", "--config-file=" + ConfigFile(root).string(), "--fork", "--print-address"};
  daemon.environment = std::move(environment);
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
  return std::filesystem::absolute(root).lexically_normal() / kBusFolderName;
}

std::filesystem::path ServiceFolder(const std::filesystem::path& root) {
  return BusFolder(root) / "services";
}

std::string BusAddress(const std::filesystem::path& root) {
  return AddressIn(BusFolder(root));
}

// The running daemon's own address: the root as it was spelled when the bus started.
std::optional<std::string> RunningBusAddress(const std::filesystem::path& root) {
  const std::optional<Daemon> daemon = RunningDaemon(root);
  if (!daemon) return std::nullopt;
  return AddressIn(daemon->busFolder);
}

std::string StartBus(const std::filesystem::path& root, const BusNotice& tell) {
  BusFolderLock lock(root, kStartStopLock);
  if (const std::optional<Daemon> running = RunningDaemon(root, tell)) {
    // Named again, so that the next caller finds it at once.
    if (PidInFile(root) != running->pid) {
      try {
        platform::WriteFileWhole(PidFile(root), std::to_string(running->pid) + "\n");
      } catch (const platform::FileWriteError&) {
        // It is found by its command line all the same.
      }
    }
    return AddressIn(running->busFolder);
  }
  if (SocketFile(root).string().size() > kMostSocketPathBytes) {
    Fail("the machine root's path is too long for the bus socket " + SocketFile(root).string());
  }
  KeepAnsweredSocket(root);
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
  std::vector<std::string> environment = DaemonEnvironment(root);
  RecordBusOwnSettings(root, environment);
  SpawnDaemon(root, std::move(environment));
  return BusAddress(root);
}

void StopBus(const std::filesystem::path& root, const BusNotice& tell) {
  BusFolderLock lock(root, kStartStopLock);
  if (const std::optional<Daemon> daemon = RunningDaemon(root, tell)) {
    // The servers first, while they can still leave the bus in order; a server nobody could close would
    // otherwise outlive its bus.
    EndPrograms(ProgramsStartedOn(AddressIn(daemon->busFolder)), kProgramsGrace);
    kill(daemon->pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (platform::ProcessRuns(daemon->pid)) {
      if (std::chrono::steady_clock::now() > deadline)
        Fail("dbus-daemon " + std::to_string(daemon->pid) + " does not end");
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  } else {
    KeepAnsweredSocket(root);
  }
  std::error_code error;
  std::filesystem::remove(SocketFile(root), error);
  std::filesystem::remove(PidFile(root), error);
}

}  // namespace com
