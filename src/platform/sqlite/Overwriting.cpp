#include "platform/sqlite/Overwriting.h"

#include <sys/vfs.h>

namespace sqlite {

namespace {

// By statfs's f_type (linux/magic.h and the file systems' own).
Overwriting OfType(unsigned long type) {
  switch (type & 0xFFFFFFFFul) {
    case 0x9123683E:  // btrfs
      return Overwriting::kInPlaceIfAsked;
    case 0x2FC12FC1:  // ZFS
    case 0xCA451A4E:  // bcachefs
    case 0xF2F52010:  // F2FS
    case 0x3434:      // NILFS
      return Overwriting::kAlwaysToNewRoom;
    default:
      return Overwriting::kInPlace;
  }
}

}  // namespace

Overwriting OverwritingOf(const std::filesystem::path& path) {
  struct statfs disk {};
  return statfs(path.c_str(), &disk) == 0 ? OfType(static_cast<unsigned long>(disk.f_type))
                                          : Overwriting::kInPlace;
}

Overwriting OverwritingOf(int fd) {
  struct statfs disk {};
  return fstatfs(fd, &disk) == 0 ? OfType(static_cast<unsigned long>(disk.f_type)) : Overwriting::kInPlace;
}

}  // namespace sqlite
