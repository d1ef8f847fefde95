#include "platform/sqlite/BackedIndexVfs.h"

#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "platform/sqlite/Overwriting.h"

namespace sqlite {

namespace {

constexpr const char* kName = "qvr-backed-index";

sqlite3_vfs* base = nullptr;
sqlite3_vfs backed;
const sqlite3_io_methods* original = nullptr;  // SQLite's methods of a database file
sqlite3_io_methods withBackedIndex;            // the same, with ShmMap

std::uintptr_t PageSize() {
  static const auto size = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  return size;
}

// What follows SQLite's own structure of an open database file.
struct Extra {
  // The file system's blocks are smaller than a memory page: SQLite's one byte per page of the index does
  // not back the whole page.
  bool backPages;
};

std::size_t ExtraOffset() {
  const auto size = static_cast<std::size_t>(base->szOsFile);
  return (size + alignof(Extra) - 1) / alignof(Extra) * alignof(Extra);
}

Extra& ExtraOf(sqlite3_file* file) {
  return *reinterpret_cast<Extra*>(reinterpret_cast<char*>(file) + ExtraOffset());
}

// The index lies beside the database, on the same file system.
bool BlocksSmallerThanPages(const char* database) {
  struct statvfs disk {};
  if (statvfs(database, &disk) != 0) return true;
  const unsigned long block = disk.f_frsize ? disk.f_frsize : disk.f_bsize;
  return block < PageSize();
}

// Has the kernel back the mapped pages from `start` on as a write would, without writing: false when a
// write would have met SIGBUS (no room for them on the disk). It goes through SQLite's own mapping: a
// descriptor of our own, once closed, would drop every lock this process holds on the index.
bool Back(volatile void* start, std::size_t length) {
  const auto from = reinterpret_cast<std::uintptr_t>(start) & ~(PageSize() - 1);
  const auto to = reinterpret_cast<std::uintptr_t>(start) + length;
  return madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) == 0 || errno != EFAULT;
}

// The length to which SQLite cuts an index that no process holds, before it extends it again page by page
// and rebuilds it from the log: only an index is ever cut to it (databases to whole pages, logs and journals
// to nothing or to their size limit).
constexpr off_t kIndexCut = 3;
using Ftruncate = int (*)(int, off_t);
Ftruncate ftruncateOfSqlite = nullptr;

// On btrfs an index is made no-copy-on-write, which only an empty file can be made: then its blocks, once
// backed, are written in place like ext4's. It is emptied first (SQLite is about to clear it anyway, holding
// the lock that keeps every other process out of it). A file system that refuses leaves it as it was.
int CutToNoCopyOnWrite(int fd, off_t length) {
  int flags = 0;
  if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && !(flags & FS_NOCOW_FL) && ftruncateOfSqlite(fd, 0) == 0) {
    flags |= FS_NOCOW_FL;
    ioctl(fd, FS_IOC_SETFLAGS, &flags);
  }
  return ftruncateOfSqlite(fd, length);
}

// Clears an index instead of cutting it: its blocks, backed before, stay, and a disk without room still
// lets a database be opened and read. Its content is then what cutting it and extending it would give.
int ClearIndex(int fd, off_t length) {
  static const char zeros[32768] = {};
  if (length != kIndexCut) return ftruncateOfSqlite(fd, length);
  int flags = 0;
  if (OverwritingOf(fd) == Overwriting::kInPlaceIfAsked &&
      (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 || !(flags & FS_NOCOW_FL)))
    return CutToNoCopyOnWrite(fd, length);
  struct stat index {};
  if (fstat(fd, &index) != 0) return ftruncateOfSqlite(fd, length);
  for (off_t at = length; at < index.st_size;) {
    const auto chunk = static_cast<std::size_t>(std::min<off_t>(index.st_size - at, sizeof zeros));
    const ssize_t written = pwrite(fd, zeros, chunk, at);
    // A block missing (an index that another program extended) and no room for it: cut it after all.
    if (written <= 0) return ftruncateOfSqlite(fd, length);
    at += written;
  }
  return 0;
}

// SQLite maps a region once per connection (and again only after unmapping it): backing it here costs one
// call per region and connection, where blocks are smaller than pages. A region mapped for reading only
// comes with SQLITE_READONLY.
int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** mapped) {
  const int status = original->xShmMap(file, region, size, extend, mapped);
  // SQLite's own extension of the index by one byte per page found no room either.
  const bool full = (status == SQLITE_IOERR_SHMSIZE && (errno == ENOSPC || errno == EDQUOT)) ||
                    (status == SQLITE_OK && *mapped && ExtraOf(file).backPages &&
                     !Back(*mapped, static_cast<std::size_t>(size)));
  if (!full) return status;
  // SQLite keeps what it is handed even with the error, and would write into it later (when closing).
  *mapped = nullptr;
  return SQLITE_FULL;
}

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  const int status = base->xOpen(base, name, file, flags, outFlags);
  if (status != SQLITE_OK || !(flags & SQLITE_OPEN_MAIN_DB) || !name || !file->pMethods) return status;
  // Every database file of this layer has the same methods; should one ever not, it keeps its own.
  static const bool wrapped = [file] {
    original = file->pMethods;
    withBackedIndex = *original;
    withBackedIndex.xShmMap = &ShmMap;
    return original->iVersion >= 2;
  }();
  if (!wrapped || file->pMethods != original) return status;
  ExtraOf(file).backPages = BlocksSmallerThanPages(name);
  file->pMethods = &withBackedIndex;
  return status;
}

}  // namespace

const char* BackedIndexVfs() {
  static const bool registered = [] {
    base = sqlite3_vfs_find(nullptr);
    ftruncateOfSqlite = reinterpret_cast<Ftruncate>(base->xGetSystemCall(base, "ftruncate"));
    if (!ftruncateOfSqlite ||
        base->xSetSystemCall(base, "ftruncate", reinterpret_cast<sqlite3_syscall_ptr>(&ClearIndex)) !=
            SQLITE_OK)
      return false;
    backed = *base;
    backed.zName = kName;
    backed.pNext = nullptr;
    backed.szOsFile = static_cast<int>(ExtraOffset() + sizeof(Extra));
    backed.xOpen = &Open;
    return sqlite3_vfs_register(&backed, 0) == SQLITE_OK;
  }();
  return registered ? kName : nullptr;
}

}  // namespace sqlite
