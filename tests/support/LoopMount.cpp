#include "LoopMount.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
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
constexpr const char* kFiller = "filler";
constexpr const char* kRoom = "room";

struct Making {
  const char* imageSize;
  const char* mkfs;  // with its options, before the image's name
  const char* mountOptions;
};

Making MakingOf(LoopMount::FileSystem kind) {
  if (kind == LoopMount::FileSystem::kBtrfs) return {"128M", "mkfs.btrfs -q -f", "loop"};
  return {"32M", "mkfs.ext4 -q -F", "loop,noauto_da_alloc"};
}

}  // namespace

LoopMount::LoopMount(FileSystem kind) : kind_(kind) {
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
  const Making making = MakingOf(kind_);
  const std::string mkfs(making.mkfs);
  const std::string program = mkfs.substr(0, mkfs.find(' '));
  if (std::system(("command -v " + program + " >/dev/null").c_str()) != 0) {
    whyNot_ = program + " is missing";
    return;
  }
  const std::string make = "truncate -s " + std::string(making.imageSize) + " '" + image_.string() + "' && " +
                           mkfs + " '" + image_.string() + "' >/dev/null 2>&1";
  if (std::system(make.c_str()) != 0) {
    whyNot_ = program + " failed";
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

bool LoopMount::FillUp(std::size_t left) {
  static const char zeros[1 << 16] = {};
  // The room left is a file's of its own, made first and removed after, so that its blocks come free whole.
  const std::filesystem::path room = mountPoint_ / kRoom;
  const int roomFd = open(room.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  bool kept = roomFd >= 0;
  for (std::size_t written = 0; kept && written < left; written += sizeof zeros) {
    const std::size_t chunk = std::min(sizeof zeros, left - written);
    kept = write(roomFd, zeros, chunk) == static_cast<ssize_t>(chunk);
  }
  if (roomFd >= 0) kept = fsync(roomFd) == 0 && kept;
  if (roomFd >= 0) close(roomFd);
  if (!kept) {
    whyNot_ = std::string("cannot keep the room: ") + std::strerror(errno);
    return false;
  }
  const int fd = open((mountPoint_ / kFiller).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    whyNot_ = std::string("cannot create the filler: ") + std::strerror(errno);
    return false;
  }
  // Ever smaller writes, down to a single byte, until none finds room.
  for (std::size_t chunk = sizeof zeros; chunk > 0; chunk /= 2) {
    while (write(fd, zeros, chunk) == static_cast<ssize_t>(chunk)) {
    }
  }
  const bool full = errno == ENOSPC;
  if (!full) whyNot_ = std::string("filling stopped: ") + std::strerror(errno);
  // A file system may count freed blocks as free only once it commits the removal.
  unlink(room.c_str());
  syncfs(fd);
  close(fd);
  return full;
}

void LoopMount::MakeRoom() {
  unlink((mountPoint_ / kFiller).c_str());
}

bool LoopMount::Mount() {
  const std::string mount = "mount -o " + std::string(MakingOf(kind_).mountOptions) + " '" + image_.string() +
                            "' '" + mountPoint_.string() + "' 2>/dev/null";
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
