#include "platform/ReadRegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/Descriptor.h"

namespace platform {

namespace {

[[noreturn]] void Fail(int error) {
  throw FileReadError(std::generic_category().message(error) + ".");
}

[[noreturn]] void TooLarge(std::size_t most) {
  throw FileReadError("It is larger than " + std::to_string(most) +
                      " bytes, far more than such a file holds.");
}

}  // namespace

std::string ReadRegularFile(const std::filesystem::path& file, std::size_t most) {
  // Without O_NONBLOCK, opening a FIFO alone waits for a writer.
  const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.Get() < 0) Fail(errno);
  struct stat status {};
  if (::fstat(fd.Get(), &status) != 0) Fail(errno);
  if (S_ISDIR(status.st_mode)) Fail(EISDIR);
  if (!S_ISREG(status.st_mode)) throw FileReadError("It is not a regular file.");
  if (static_cast<std::size_t>(status.st_size) > most) TooLarge(most);
  std::string content;
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) Fail(errno);
    if (got == 0) return content;
    // The file may grow while it is read.
    if (content.size() + static_cast<std::size_t>(got) > most) TooLarge(most);
    content.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace platform
