#pragma once

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include <sys/types.h>

namespace sqlite {

// Carries the commits in a write-ahead log to the disk in groups. A commit only hands its pages to the
// system, which keeps them through a crash of the program but not through a power cut; a thread of its own
// then flushes the log at most `window` after a commit, so a power cut loses no commit older than that,
// while a run of many commits pays for one flush per window rather than one per commit. A log that was
// made anew has its folder flushed too, so that its name survives with it. The thread starts at the first
// commit: a connection that only reads never pays for one.
class LogFlusher {
 public:
  LogFlusher(std::filesystem::path log, std::chrono::milliseconds window);
  // Flushes what is still waiting.
  ~LogFlusher();
  LogFlusher(const LogFlusher&) = delete;
  LogFlusher& operator=(const LogFlusher&) = delete;

  // A commit has reached the log. Called by the connection's own thread only.
  void Committed();
  // The error number of a flush that failed since the last call, 0 when none did.
  int TakeFailure();

 private:
  void Run();
  // Flushes the log, and its folder when the log is another file than at the last flush.
  int Flush();

  const std::filesystem::path log_;
  const std::chrono::milliseconds window_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool pending_ = false;
  bool stopping_ = false;
  int failure_ = 0;
  ino_t flushedFile_ = 0;  // the flusher's thread alone uses it
  std::thread thread_;     // started by the first commit
};

}  // namespace sqlite
