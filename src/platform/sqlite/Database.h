#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/sqlite/Error.h"
#include "platform/sqlite/LogFlusher.h"
#include "platform/sqlite/Statement.h"

struct sqlite3;

namespace sqlite {

struct OpenOptions {
  // How long a call waits for another connection's lock before it fails as busy.
  std::chrono::milliseconds busyTimeout{5000};
  // Throws a failure as the owner's own exception, so that the owner turns failures into its own errors in
  // one place; when unset, or when it returns, the Error itself is thrown.
  void (*raise)(const Error& error) = nullptr;
  // When set, a commit is on the disk at most this long after it was made (a power cut loses no older one),
  // the flushes of many commits made as one; unset, a commit reaches the disk when the log is next written
  // into the database, and only a crash of the program cannot lose it.
  std::chrono::milliseconds flushWithin{0};
};

// A connection to one database file, created when missing (its folder must exist). A writable file uses
// write-ahead logging, so that several processes can read and write it at once: readers never wait for a
// writer, a writer that finds the file locked waits for its turn, and a failed write leaves the file as it
// was. Its log and the log's index are SQLite's own files beside it, so that any SQLite program may open
// the file at the same time (BackedIndexVfs.h); on a file system that writes every change to new room it
// keeps a rollback journal instead (Overwriting.h), where a writer waits for readers too. A file without
// write permission (root, too, honours that) is opened for reading only, and every write then fails; when its
// log holds no commit, it is read without creating any file beside it. The log stays beside a writable file
// between connections. A failure names the file, SQLite's reason and, for a file that could not be opened,
// read or written, the system's. Prepared statements are kept and reused, since preparing costs more than
// most queries. A connection serves one thread. A file that is a symbolic link is refused: SQLite would make
// its log beside the link's target, wherever that is.
class Database {
 public:
  explicit Database(const std::filesystem::path& file, OpenOptions options = {});
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  bool IsReadOnly() const;

  // Runs one or more statements that give no rows.
  void Execute(std::string_view sql);

  // A statement with its parameters bound in order.
  template <typename... Args>
  Statement Query(std::string_view sql, const Args&... args) {
    Statement statement(*this, sql);
    int parameter = 1;
    (statement.Bind(parameter++, args), ...);
    return statement;
  }

  template <typename... Args>
  void Run(std::string_view sql, const Args&... args) {
    Query(sql, args...).Run();
  }

  std::int64_t LastInsertId() const;
  // Rows changed by the last INSERT, UPDATE or DELETE.
  int Changes() const;

 private:
  friend class Statement;
  friend class Transaction;

  struct Closer {
    void operator()(sqlite3* db) const;
  };

  bool KeepsRollbackJournal();
  void SwitchToWriteAheadLog();
  void KeepLogFiles();
  // Hands each commit to the flusher; an earlier flush that failed fails the statement that committed.
  static int CommitWritten(void* self, sqlite3* db, const char* name, int frames);
  // Raises what the connection reports about its last failure, in `sql`.
  [[noreturn]] void Fail(std::string_view sql) const;
  [[noreturn]] void Raise(const Error& error) const;

  // The kept statements of one SQL text that are free to be reused.
  using FreeStatements = std::vector<sqlite3_stmt*>;
  // Looked up by the text as the caller has it, without copying it into a key first.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  // A prepared statement for `sql`: a kept one when there is one free, else a new one; `free` is where it
  // goes back to, so that giving it back looks nothing up.
  sqlite3_stmt* Acquire(std::string_view sql, FreeStatements*& free);
  // Takes a statement back, reset, to be reused.
  static void Release(FreeStatements& free, sqlite3_stmt* statement);

  std::filesystem::path file_;
  OpenOptions options_;
  std::unique_ptr<sqlite3, Closer> db_;  // before the kept statements: closed after they are finalized
  std::unordered_map<std::string, FreeStatements, TextHash, std::equal_to<>> kept_;
  std::unique_ptr<LogFlusher> flusher_;  // after the connection: flushes what is waiting before it closes
  int flushFailure_ = 0;                 // the error number of a failed flush, for the message
  int transactionDepth_ = 0;
};

}  // namespace sqlite
