#pragma once

#include <filesystem>

namespace sqlite {

// Whether the file system holding `folder` writes every change of a file to new room (btrfs, ZFS,
// bcachefs, F2FS, NILFS). There a write into a mapped page that was written before may need room anew, so
// that no page can be backed ahead and a full disk would end a writer with SIGBUS: databases there keep a
// rollback journal, which maps nothing, instead of the write-ahead log's index. False when it cannot tell.
bool CopiesOnWrite(const std::filesystem::path& folder);

}  // namespace sqlite
