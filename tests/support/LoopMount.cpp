#include "LoopMount.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace testsupport {

namespace {

// ext4's own request to stop the file system (linux/ext4.h is no public header); NOLOGFLUSH drops what the
// journal holds, as a power cut does.
constexpr unsigned long kExt4Shutdown = _IOR('X', 125, std::uint32_t);
constexpr std::uint32_t kGoingDownNoLogFlush = 2;
constexpr const char* kImageSize = "32M";
constexpr const char* kFiller = "filler";

}  // namespace

LoopMount::LoopMount() {
  if (geteuid() != 0) {
    whyNot_ = "loop mounts need root";
    return;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "loop-mount-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    whyNot_ = "cannot create a temporary folder";
    return;
  }
  folder_ = pattern;
  image_ = folder_ / "disk.img";
  mountPoint_ = folder_ / "mnt";
  std::filesystem::create_directory(mountPoint_);
  const std::string make = "truncate -s " + std::string(kImageSize) + " '" + image_.string() +
                           "' && mkfs.ext4 -q -F '" + image_.string() + "' >/dev/null 2>&1";
  if (std::system(make.c_str()) != 0) {
    whyNot_ = "mkfs.ext4 failed";
    return;
  }
  mounted_ = Mount();
}

LoopMount::~LoopMount() {
  Unmount();
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

bool LoopMount::PowerCut() {
  const int fd = open(mountPoint_.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) {
    whyNot_ = std::string("cannot open the mount point: ") + std::strerror(errno);
    return false;
  }
  std::uint32_t flags = kGoingDownNoLogFlush;
  const bool cut = ioctl(fd, kExt4Shutdown, &flags) == 0;
  if (!cut) whyNot_ = std::string("shutdown failed: ") + std::strerror(errno);
  close(fd);
  return cut;
}

bool LoopMount::Remount() {
  Unmount();
  mounted_ = Mount();
  return mounted_;
}

bool LoopMount::FillUp() {
  const int fd = open((mountPoint_ / kFiller).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    whyNot_ = std::string("cannot create the filler: ") + std::strerror(errno);
    return false;
  }
  // Ever smaller writes, down to a single byte, until none finds room.
  static const char zeros[1 << 16] = {};
  for (std::size_t chunk = sizeof zeros; chunk > 0; chunk /= 2) {
    while (write(fd, zeros, chunk) == static_cast<ssize_t>(chunk)) {
    }
  }
  const bool full = errno == ENOSPC;
  if (!full) whyNot_ = std::string("filling stopped: ") + std::strerror(errno);
  close(fd);
  return full;
}

void LoopMount::MakeRoom() {
  unlink((mountPoint_ / kFiller).c_str());
}

bool LoopMount::Mount() {
  const std::string mount =
      "mount -o loop,noauto_da_alloc '" + image_.string() + "' '" + mountPoint_.string() + "' 2>/dev/null";
  if (std::system(mount.c_str()) != 0) {
    whyNot_ = "mount -o loop failed (no loop devices here?)";
    return false;
  }
  return true;
}

void LoopMount::Unmount() {
  if (!mounted_) return;
  // The loop device goes with the mount (mount -o loop sets it to clear itself). Whatever still has a file
  // open there keeps the mount busy: the tests close their files first.
  if (umount(mountPoint_.c_str()) != 0) whyNot_ = std::string("umount failed: ") + std::strerror(errno);
  mounted_ = false;
}

}  // namespace testsupport
