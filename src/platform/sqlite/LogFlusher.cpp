#include "platform/sqlite/LogFlusher.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace sqlite {

namespace {

// Flushes an open file to the disk; 0 or the error number.
int FlushOpen(int fd) {
  return fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

LogFlusher::LogFlusher(std::filesystem::path log, std::chrono::milliseconds window)
    : log_(std::move(log)), window_(window) {}

LogFlusher::~LogFlusher() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_one();
  thread_.join();
}

void LogFlusher::Committed() {
  bool first = false;
  {
    const std::lock_guard lock(mutex_);
    first = !pending_;
    pending_ = true;
  }
  // Only the first commit of a window wakes the thread; the later ones join its flush.
  if (!thread_.joinable()) {
    thread_ = std::thread([this] { Run(); });
  } else if (first) {
    changed_.notify_one();
  }
}

int LogFlusher::TakeFailure() {
  const std::lock_guard lock(mutex_);
  const int failure = failure_;
  failure_ = 0;
  return failure;
}

void LogFlusher::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return pending_ || stopping_; });
    if (!pending_) return;
    // The commits of the window gather for one flush; stopping flushes at once.
    changed_.wait_for(lock, window_, [this] { return stopping_; });
    pending_ = false;
    lock.unlock();
    const int failure = Flush();
    lock.lock();
    if (failure != 0) failure_ = failure;
  }
}

int LogFlusher::Flush() {
  // Its own descriptor: SQLite keeps no lock on the log, so opening and closing it here releases none.
  const int fd = open(log_.c_str(), O_RDONLY | O_CLOEXEC);
  // No log: the last connection wrote it into the database, flushed, and removed it.
  if (fd < 0) return errno == ENOENT ? 0 : errno;
  struct stat status {};
  int failure = fstat(fd, &status) == 0 ? FlushOpen(fd) : errno;
  close(fd);
  if (failure != 0 || status.st_ino == flushedFile_) return failure;
  const int folder = open(log_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return errno;
  failure = FlushOpen(folder);
  close(folder);
  if (failure == 0) flushedFile_ = status.st_ino;
  return failure;
}

}  // namespace sqlite
