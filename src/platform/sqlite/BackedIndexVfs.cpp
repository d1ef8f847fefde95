#include "platform/sqlite/BackedIndexVfs.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string>

namespace sqlite {

namespace {

constexpr const char* kName = "qvr-backed-index";

// What follows SQLite's own structure of an open file: the database file's name, which SQLite keeps until
// the file is closed.
struct Extra {
  const char* database;
};

sqlite3_vfs* base = nullptr;
sqlite3_vfs backed;

std::size_t ExtraOffset() {
  const auto size = static_cast<std::size_t>(base->szOsFile);
  return (size + alignof(Extra) - 1) / alignof(Extra) * alignof(Extra);
}

Extra& ExtraOf(sqlite3_file* file) {
  return *reinterpret_cast<Extra*>(reinterpret_cast<char*>(file) + ExtraOffset());
}

// Reserves the blocks of `length` bytes of the index from `offset`, keeping its size and its content:
// true unless the disk has no room for them. A file system that cannot reserve ahead (or an index this
// process may not write) is left to SQLite alone.
bool Reserve(const char* database, off_t offset, off_t length) {
  const std::string index = std::string(database) + "-shm";
  const int fd = ::open(index.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return true;
  const bool full =
      ::fallocate(fd, FALLOC_FL_KEEP_SIZE, offset, length) != 0 && (errno == ENOSPC || errno == EDQUOT);
  ::close(fd);
  return !full;
}

const sqlite3_io_methods* original = nullptr;  // SQLite's methods of a database file
sqlite3_io_methods withReservedIndex;          // the same, with ShmMap

// SQLite looks a region up here once per connection (and again only after unmapping it), so the
// reservation costs an open, a fallocate and a close per region and connection.
int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** mapped) {
  const int status = original->xShmMap(file, region, size, extend, mapped);
  // A region just mapped, or one SQLite failed to extend (its one-byte writes found no room either).
  const bool toReserve = (status == SQLITE_OK && *mapped) || status == SQLITE_IOERR_SHMSIZE;
  if (toReserve && !Reserve(ExtraOf(file).database, off_t{region} * size, size)) return SQLITE_FULL;
  return status;
}

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  const int status = base->xOpen(base, name, file, flags, outFlags);
  if (status != SQLITE_OK || !(flags & SQLITE_OPEN_MAIN_DB) || !name || !file->pMethods) return status;
  // Every database file of this layer has the same methods; should one ever not, it keeps its own.
  static const bool wrapped = [file] {
    original = file->pMethods;
    withReservedIndex = *original;
    withReservedIndex.xShmMap = &ShmMap;
    return original->iVersion >= 2;
  }();
  if (!wrapped || file->pMethods != original) return status;
  ExtraOf(file).database = name;
  file->pMethods = &withReservedIndex;
  return status;
}

}  // namespace

const char* BackedIndexVfs() {
  static const bool registered = [] {
    base = sqlite3_vfs_find(nullptr);
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
