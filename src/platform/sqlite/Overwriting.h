#pragma once

#include <filesystem>

namespace sqlite {

// How a file system writes a change into a block that was written before. Where it writes it to new room,
// a write into a mapped page of the log's index may need room anew long after the page was backed, and a
// full disk ends the writer with SIGBUS instead of failing a call.
enum class Overwriting {
  kInPlace,          // ext4, XFS, tmpfs and every file system not named below
  kInPlaceIfAsked,   // btrfs: in place for a file made no-copy-on-write (FS_NOCOW_FL) while it was empty
  kAlwaysToNewRoom,  // ZFS, bcachefs, F2FS, NILFS: databases there keep a rollback journal, mapping nothing
};

// Of the file system that holds `path`, or the open file `fd`; kInPlace when the system does not tell.
Overwriting OverwritingOf(const std::filesystem::path& path);
Overwriting OverwritingOf(int fd);

}  // namespace sqlite
