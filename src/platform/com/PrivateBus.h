#pragma once

#include "platform/Error.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace com {

// Each machine root has a D-Bus session bus of its own: a dbus-daemon that listens only on a socket in
// the root's bus folder (user-only) and activates the servers whose service files lie in the root's
// service folder. Directors and servers of one root meet there and nowhere else; the user's session bus
// is never used.
std::filesystem::path BusFolder(const std::filesystem::path& root);      // <root>/bus
std::filesystem::path ServiceFolder(const std::filesystem::path& root);  // <root>/bus/services
// "unix:path=<root>/bus/socket"
std::string BusAddress(const std::filesystem::path& root);

// The running bus's address, as its daemon listens on it, or nothing when the root's bus does not run.
std::optional<std::string> RunningBusAddress(const std::filesystem::path& root);

// Told a line for the user about what starting or stopping the bus found on its way.
using BusNotice = std::function<void(const std::string& line)>;

// Starts the root's bus unless it runs, and returns its address once it accepts connections. The daemon
// and the servers it activates see $LNS_ROOT as this root. The running daemon is known by its command line,
// whatever the pid file names: the configuration file it names is this root's (the same file, however the
// root is spelled), and its own address is returned. `tell` hears of another program that the pid file
// names, which is never signalled. A socket that another process answers on is left to it. Raises a
// platform::RaisedError when dbus-daemon is missing or does not start, or the socket is another's.
std::string StartBus(const std::filesystem::path& root, const BusNotice& tell = {});

// Stops the root's bus if it runs, found as StartBus finds it; the servers on it lose their bus. Raises
// like StartBus when the daemon cannot be stopped, or when no daemon of this root is found but a process
// answers on the root's socket, which is then left alone.
void StopBus(const std::filesystem::path& root, const BusNotice& tell = {});

}  // namespace com
