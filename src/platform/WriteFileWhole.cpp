#include "platform/WriteFileWhole.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "platform/Descriptor.h"
#include "platform/TemporaryPath.h"

namespace platform {

namespace {

// Links followed before a chain is taken for a loop, as the kernel does.
constexpr int kMostLinks = 40;
// Temporary names tried beside the target before giving up (each taken one was left by someone else).
constexpr int kTemporaryNameAttempts = 100;

[[noreturn]] void Fail(int error) {
  throw FileWriteError(std::generic_category().message(error) + ".");
}

// The file a write to `target` lands in: the target, or the end of the chain of links it starts.
std::filesystem::path ThroughLinks(std::filesystem::path target) {
  for (int hops = 0; hops < kMostLinks; ++hops) {
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error)) return target;
    const std::filesystem::path next = std::filesystem::read_symlink(target, error);
    if (error) Fail(error.value());
    target = (target.parent_path() / next).lexically_normal();
  }
  Fail(ELOOP);
}

// Creates a file of a name that does not exist yet beside `target`; its descriptor, its path in `path`.
int CreateBeside(const std::filesystem::path& target, std::filesystem::path& path) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    path = TemporaryPathFor(target);
    // O_EXCL: never takes over a file that is already there.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) Fail(errno);
  }
  throw FileWriteError("No temporary file can be created beside it.");
}

void WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) Fail(errno);
    content.remove_prefix(static_cast<std::size_t>(written));
  }
}

// The existing target's status; nothing when there is none yet.
std::optional<struct stat> ExistingTarget(const std::filesystem::path& target) {
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0) return status;
  if (errno == ENOENT) return std::nullopt;
  Fail(errno);
}

void RefuseUnwritable(const std::filesystem::path& target, const struct stat& status) {
  if (S_ISDIR(status.st_mode)) Fail(EISDIR);
  if (!S_ISREG(status.st_mode)) throw FileWriteError("It is not a regular file.");
  // The permission bits, not only access(): the superuser may write anything, but a file that nobody may
  // write was made read-only on purpose.
  if ((status.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
    throw FileWriteError("It is read-only.");
}

void SyncFolder(const std::filesystem::path& folder) {
  Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() < 0) Fail(errno);
  // Some file systems cannot sync a folder at all; their renames are as durable as they get.
  if (::fsync(dir.Get()) != 0 && errno != EINVAL) Fail(errno);
}

}  // namespace

void WriteFileWhole(const std::filesystem::path& target, std::string_view content) {
  const std::filesystem::path file = ThroughLinks(target);
  const std::optional<struct stat> existing = ExistingTarget(file);
  if (existing) RefuseUnwritable(file, *existing);
  // What a writer killed in the middle of its save left beside the target goes with the next save.
  for (const std::filesystem::path& left : LeftTemporaries(file)) ::unlink(left.c_str());

  std::filesystem::path temporary;
  Descriptor out(CreateBeside(file, temporary));
  try {
    if (existing) {
      // The owner first: changing it clears set-id bits, which the mode then restores.
      if (::fchown(out.Get(), existing->st_uid, existing->st_gid) != 0 && errno != EPERM) Fail(errno);
      if (::fchmod(out.Get(), existing->st_mode & 07777) != 0) Fail(errno);
    }
    WriteAll(out.Get(), content);
    if (::fsync(out.Get()) != 0) Fail(errno);
    if (out.Close() != 0) Fail(errno);
    if (::rename(temporary.c_str(), file.c_str()) != 0) Fail(errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
  SyncFolder(file.parent_path());
}

}  // namespace platform
