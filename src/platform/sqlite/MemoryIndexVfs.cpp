#include "platform/sqlite/MemoryIndexVfs.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>

namespace sqlite {

namespace {

constexpr const char* kName = "qvr-memory-index";
// Every process of the machine sees the same memory file system here, whoever runs it. The indexes lie in
// a folder of the database's owner: in the shared folder itself (sticky, writable by all) a file of one
// user may not be opened with O_CREAT by another, root too (fs.protected_regular), which SQLite does.
constexpr const char* kIndexFolder = "/dev/shm/qvr-sqlite-%u";
// Its owner and root make the indexes there; other users reach them as the files' permissions allow.
constexpr mode_t kFolderMode = 0755;

sqlite3_vfs* base = nullptr;
sqlite3_vfs layer;
const sqlite3_io_methods* original = nullptr;  // SQLite's methods of a database file
sqlite3_io_methods withIndexInMemory;          // the same, with the index's methods and the lock's record

// SQLite's own index lies beside the file that it belongs to, as "NAME-shm". The layer opens an empty
// stand-in file in memory, through SQLite's file layer, and hands the index's calls to it: SQLite then
// keeps the stand-in's index, with all its locking between processes and between the connections of one
// process, in memory too.
struct Extra {
  struct stat database;  // as opened: the index's name, and its permissions and owner
  int lock;              // the lock this connection holds on the database file
  bool indexOpen;
  char folder[48];
  char standInName[96];
  sqlite3_filename standInFile;  // the name as SQLite's file layer takes it, while the index is open
};

constexpr std::size_t AlignedTo(std::size_t size, std::size_t alignment) {
  return (size + alignment - 1) / alignment * alignment;
}

std::size_t ExtraOffset() {
  return AlignedTo(static_cast<std::size_t>(base->szOsFile), alignof(Extra));
}

std::size_t StandInOffset() {
  return AlignedTo(ExtraOffset() + sizeof(Extra), alignof(std::max_align_t));
}

Extra& ExtraOf(sqlite3_file* file) {
  return *reinterpret_cast<Extra*>(reinterpret_cast<char*>(file) + ExtraOffset());
}

sqlite3_file* StandInOf(sqlite3_file* file) {
  return reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + StandInOffset());
}

// The owner's folder, unless it is there; one that is not the owner's is not used. Only the owner and root
// make it: another user's would shut the owner out.
bool MakeFolder(const Extra& extra) {
  const uid_t owner = extra.database.st_uid;
  const bool maker = geteuid() == owner || geteuid() == 0;
  if (maker && mkdir(extra.folder, kFolderMode) == 0) {
    if (chmod(extra.folder, kFolderMode) != 0) return false;
    if (geteuid() != owner && chown(extra.folder, owner, extra.database.st_gid) != 0) return false;
  } else if (maker && errno != EEXIST) {
    return false;
  }
  struct stat folder {};
  return lstat(extra.folder, &folder) == 0 && S_ISDIR(folder.st_mode) && folder.st_uid == owner;
}

// With the database's permissions and owner, so that everyone who may write the database may write the
// index (SQLite gives its index the permissions and owner of the file it belongs to).
bool MakeStandIn(const Extra& extra) {
  if (!MakeFolder(extra)) return false;
  const mode_t mode = extra.database.st_mode & 0777;
  const int fd = open(extra.standInName, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (fd < 0) return errno == EEXIST;  // another connection's, or one that a killed process left
  // Closing this descriptor drops no lock: nobody locks the stand-in itself.
  bool made = fchmod(fd, mode) == 0;
  if (geteuid() == 0) made = fchown(fd, extra.database.st_uid, extra.database.st_gid) == 0 && made;
  close(fd);
  if (!made) unlink(extra.standInName);
  return made;
}

// SQLite maps the index only while it holds a lock on the database file, so that the stand-in is open
// exactly while that lock is held.
int OpenIndex(sqlite3_file* file) {
  Extra& extra = ExtraOf(file);
  if (!MakeStandIn(extra)) return SQLITE_CANTOPEN;
  extra.standInFile = sqlite3_create_filename(extra.standInName, "", "", 0, nullptr);
  if (!extra.standInFile) return SQLITE_NOMEM;
  sqlite3_file* standIn = StandInOf(file);
  int outFlags = 0;
  const int status =
      base->xOpen(base, extra.standInFile, standIn,
                  SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_MAIN_DB, &outFlags);
  if (status != SQLITE_OK) {
    if (standIn->pMethods) standIn->pMethods->xClose(standIn);
    sqlite3_free_filename(extra.standInFile);
    return status;
  }
  extra.indexOpen = true;
  return SQLITE_OK;
}

void CloseIndex(sqlite3_file* file, bool remove) {
  Extra& extra = ExtraOf(file);
  sqlite3_file* standIn = StandInOf(file);
  standIn->pMethods->xClose(standIn);
  if (remove) unlink(extra.standInName);
  sqlite3_free_filename(extra.standInFile);
  extra.indexOpen = false;
}

int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** mapped) {
  if (!ExtraOf(file).indexOpen) {
    const int status = OpenIndex(file);
    if (status != SQLITE_OK) return status;
  }
  sqlite3_file* standIn = StandInOf(file);
  const int status = standIn->pMethods->xShmMap(standIn, region, size, extend, mapped);
  // SQLite extends the index by writing a byte into each new page, which backs the page: a memory file
  // system without room for it refuses that write.
  if (status != SQLITE_IOERR_SHMSIZE || (errno != ENOSPC && errno != EDQUOT)) return status;
  *mapped = nullptr;
  return SQLITE_FULL;
}

int ShmLock(sqlite3_file* file, int offset, int count, int flags) {
  if (!ExtraOf(file).indexOpen) return SQLITE_IOERR_SHMLOCK;  // as SQLite's own before the index is mapped
  sqlite3_file* standIn = StandInOf(file);
  return standIn->pMethods->xShmLock(standIn, offset, count, flags);
}

// The connection that holds the database's exclusive lock as it lets go of the index is its last user in
// every process: all others hold a shared lock while they have the index mapped. So it removes the index
// and the stand-in; the next connection makes them anew (and rebuilds the index from the log, as SQLite
// does for an index that no process holds).
int ShmUnmap(sqlite3_file* file, int deleteFlag) {
  if (!ExtraOf(file).indexOpen) return SQLITE_OK;
  const bool last = deleteFlag != 0 || ExtraOf(file).lock == SQLITE_LOCK_EXCLUSIVE;
  sqlite3_file* standIn = StandInOf(file);
  const int status = standIn->pMethods->xShmUnmap(standIn, last ? 1 : 0);
  CloseIndex(file, last);
  return status;
}

int Lock(sqlite3_file* file, int level) {
  const int status = original->xLock(file, level);
  int& held = ExtraOf(file).lock;
  if (status == SQLITE_OK && level > held) held = level;
  return status;
}

int Unlock(sqlite3_file* file, int level) {
  const int status = original->xUnlock(file, level);
  int& held = ExtraOf(file).lock;
  if (status == SQLITE_OK && level < held) held = level;
  return status;
}

int Close(sqlite3_file* file) {
  if (ExtraOf(file).indexOpen) CloseIndex(file, false);  // SQLite lets go of the index before, as a rule
  return original->xClose(file);
}

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  const int status = base->xOpen(base, name, file, flags, outFlags);
  if (status != SQLITE_OK || !(flags & SQLITE_OPEN_MAIN_DB) || !name || !file->pMethods) return status;
  static const bool wrapped = [file] {
    original = file->pMethods;
    withIndexInMemory = *original;
    withIndexInMemory.xClose = &Close;
    withIndexInMemory.xLock = &Lock;
    withIndexInMemory.xUnlock = &Unlock;
    withIndexInMemory.xShmMap = &ShmMap;
    withIndexInMemory.xShmLock = &ShmLock;
    withIndexInMemory.xShmUnmap = &ShmUnmap;
    return original->iVersion >= 2;
  }();
  Extra& extra = ExtraOf(file);
  extra = Extra{};
  // A database whose index another process could not find where this one keeps it is not opened.
  if (!wrapped || file->pMethods != original || stat(name, &extra.database) != 0) {
    file->pMethods->xClose(file);
    file->pMethods = nullptr;
    return SQLITE_CANTOPEN;
  }
  std::snprintf(extra.folder, sizeof extra.folder, kIndexFolder,
                static_cast<unsigned>(extra.database.st_uid));
  std::snprintf(extra.standInName, sizeof extra.standInName, "%s/%llx-%llx", extra.folder,
                static_cast<unsigned long long>(extra.database.st_dev),
                static_cast<unsigned long long>(extra.database.st_ino));
  file->pMethods = &withIndexInMemory;
  return status;
}

}  // namespace

const char* MemoryIndexVfs() {
  static const bool registered = [] {
    base = sqlite3_vfs_find(nullptr);
    layer = *base;
    layer.zName = kName;
    layer.pNext = nullptr;
    layer.szOsFile = static_cast<int>(StandInOffset()) + base->szOsFile;
    layer.xOpen = &Open;
    return sqlite3_vfs_register(&layer, 0) == SQLITE_OK;
  }();
  return registered ? kName : nullptr;
}

}  // namespace sqlite
