#include "platform/sqlite/CopiesOnWrite.h"

#include <sys/vfs.h>

#include <algorithm>
#include <array>

namespace sqlite {

bool CopiesOnWrite(const std::filesystem::path& folder) {
  // The magic numbers of statfs's f_type (linux/magic.h and the file systems' own).
  constexpr std::array<unsigned long, 5> kCopyingOnWrite = {
      0x9123683E,  // btrfs
      0x2FC12FC1,  // ZFS
      0xCA451A4E,  // bcachefs
      0xF2F52010,  // F2FS
      0x3434,      // NILFS
  };
  struct statfs disk {};
  if (statfs(folder.c_str(), &disk) != 0) return false;
  const auto type = static_cast<unsigned long>(disk.f_type) & 0xFFFFFFFFul;
  return std::find(kCopyingOnWrite.begin(), kCopyingOnWrite.end(), type) != kCopyingOnWrite.end();
}

}  // namespace sqlite
