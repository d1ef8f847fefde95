#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// A thin layer over the SQLite calls the registry store makes: every failure becomes an exception, so
// that the store's operations read as straight code and report failures in one place.
namespace reg::sql {

// A failed SQLite call; its text says what failed and why.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& what, int code = SQLITE_ERROR)
      : std::runtime_error(what), code_(code) {}

  // True when another connection held a lock that the call needed.
  bool IsBusy() const { return (code_ & 0xFF) == SQLITE_BUSY || (code_ & 0xFF) == SQLITE_LOCKED; }

 private:
  int code_;
};

class Connection {
 public:
  // Opens the file (creating it unless readOnly), waiting up to busyTimeoutMs for another process's lock.
  Connection(const std::filesystem::path& file, bool readOnly, int busyTimeoutMs);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool IsReadOnly() const;
  void Execute(const char* sql);
  sqlite3* Handle() const { return db_; }
  [[noreturn]] void Fail(std::string_view what) const;

 private:
  sqlite3* db_ = nullptr;
  std::string file_;
};

class Statement {
 public:
  Statement(Connection& connection, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Parameters are numbered from 1. Texts and byte strings are copied and may hold NUL characters.
  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, std::string_view text);
  Statement& BindBytes(int index, std::string_view bytes);

  // Runs to the next row: true while there is one, false when done.
  bool Step();
  std::int64_t Integer(int column) const;
  std::string Bytes(int column) const;

 private:
  Connection& connection_;
  sqlite3_stmt* statement_ = nullptr;
};

// A write transaction that takes the write lock at once (so two writers never deadlock on a lock
// upgrade) and rolls back unless committed.
class WriteTransaction {
 public:
  explicit WriteTransaction(Connection& connection);
  ~WriteTransaction();
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;

  void Commit();

 private:
  Connection& connection_;
  bool open_ = true;
};

}  // namespace reg::sql
