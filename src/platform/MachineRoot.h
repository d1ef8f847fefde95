#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The folder that stands for the Windows machine: registry store, LonWorks folder, server sockets.
// $LNS_ROOT, or ${XDG_DATA_HOME:-$HOME/.local/share}/lns-machine when it is unset: the program's main
// hands the three values (empty when unset); everything below is handed the root, resolved
// (ResolvedMachineRoot).
std::filesystem::path MachineRoot(const std::string& lnsRoot, const std::string& dataHome,
                                  const std::string& home);

// `root` as the system reaches it: absolute, with every symbolic link of its existing part followed. The
// programs use this one spelling, so that a link that led to the root and is removed later strands no bus
// daemon, and the root's length is that of the path the kernel and SQLite meet. A root whose links cannot
// be followed (a loop) is taken as spelled; using it fails with the system's reason.
std::filesystem::path ResolvedMachineRoot(const std::filesystem::path& root);

// The longest absolute path of a machine root: the bus's socket, <root>/bus/socket, must fit the 99 bytes
// that dbus-daemon takes for a socket's path. Every other file below the root is far within SQLite's 512
// bytes then.
inline constexpr std::size_t kMostMachineRootBytes = 88;

// Why `root` cannot serve as a machine root, or nothing when it can. Each program asks before it first
// uses the root, so that nothing is made of a root that could not work:
// - a path that holds a line break, which the files that name paths in the root one to a line (the
//   resource catalogue) cannot hold;
// - a control character other than a tab or a carriage return, or bytes that are not UTF-8 text of
//   characters that XML allows: the bus's configuration (XML) cannot name the root's folders;
// - a resolved path (ResolvedMachineRoot) longer than kMostMachineRootBytes: a short link to a long folder
//   is measured by the folder.
std::optional<std::string> UnusableMachineRoot(const std::filesystem::path& root);

// Maps a path in the system's Windows spelling onto the file system. Backslashes become separators;
// a leading backslash (or a drive-less relative path) is taken relative to `base`; a drive letter
// ("C:\LonWorks") is dropped and the rest taken relative to `base` too. ".." never climbs above `base`.
std::filesystem::path MapWindowsPath(const std::filesystem::path& base, std::string_view windowsPath);

// A file name as the system passes it, mapped onto the file system: an absolute path of this machine ("/...")
// is taken as it is, its backslashes read as separators (a client appends Windows-style parts such as
// "\Import\x.xif" to a folder it read from the registry); anything else is a Windows path mapped into the
// machine root by MapWindowsPath ("C:\LonWorks\Import\x.xif").
std::filesystem::path MapFilePath(const std::filesystem::path& machineRoot, std::string_view path);

// Where a relative path read from a file or a database lands below `base`: the normal form of
// `base`/`relative` without a trailing separator, or nothing when `relative` is empty, absolute or climbs
// out of `base` with "..". Every reader of a stored path checks it here, so that no file can make the
// system read, write or remove outside the folder it belongs to.
std::optional<std::filesystem::path> PathInside(const std::filesystem::path& base,
                                                const std::filesystem::path& relative);

// The running program's own file; empty when the system cannot tell it.
std::filesystem::path RunningProgramFile();

// The folder of the files the project ships (interface files, the maker's resource set, documents), found
// from the running program: <program folder>/../share/<project>/data. An installed program finds it there,
// and so does one in the build tree, where the build links that folder to the sources' data/.
std::filesystem::path DataDir();

}  // namespace platform
