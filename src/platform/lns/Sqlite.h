#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/lns/LonTypes.h"

struct sqlite3;
struct sqlite3_stmt;

namespace lns {

class SqliteDatabase;

// One prepared statement; columns count from 0, parameters from 1. Every failure throws LnsError
// (kLnsDatabase). Prepared statements are kept by the connection and reused, since preparing costs more than
// most queries.
class SqliteStatement {
 public:
  SqliteStatement(SqliteDatabase& db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;
  SqliteStatement& operator=(SqliteStatement&&) = delete;

  template <typename Integer, std::enable_if_t<std::is_integral_v<Integer>, int> = 0>
  void Bind(int parameter, Integer value) {
    BindInteger(parameter, static_cast<std::int64_t>(value));
  }
  void Bind(int parameter, std::string_view value);
  void Bind(int parameter, const std::string& value) { Bind(parameter, std::string_view(value)); }
  void Bind(int parameter, const char* value) { Bind(parameter, std::string_view(value)); }
  void Bind(int parameter, const RawValue& value);

  // Runs to the next row; false when there is none.
  bool Step();
  // Runs a statement that gives no rows.
  void Run();

  std::int64_t Int(int column) const;
  std::string Text(int column) const;
  RawValue Blob(int column) const;

 private:
  void BindInteger(int parameter, std::int64_t value);

  SqliteDatabase* db_;
  std::string sql_;
  sqlite3_stmt* statement_ = nullptr;
};

// A connection to one database file, in WAL mode and with a busy timeout, so that several processes can read
// and write the same file at once: a writer that finds the file locked waits (sleeping) for its turn.
class SqliteDatabase {
 public:
  explicit SqliteDatabase(const std::filesystem::path& file);
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  // Runs one or more statements that give no rows.
  void Execute(std::string_view sql);

  // A statement with its parameters bound in order.
  template <typename... Args>
  SqliteStatement Query(std::string_view sql, const Args&... args) {
    SqliteStatement statement(*this, sql);
    int parameter = 1;
    (statement.Bind(parameter++, args), ...);
    return statement;
  }

  template <typename... Args>
  void Run(std::string_view sql, const Args&... args) {
    Query(sql, args...).Run();
  }

  std::int64_t LastInsertId() const;
  int Changes() const;

  // Throws LnsError (kLnsDatabase) with what the connection reports about the last failure.
  [[noreturn]] void Fail(std::string_view what) const;

  sqlite3* Handle() const { return db_; }

 private:
  friend class SqliteStatement;
  friend class SqliteTransaction;

  // A prepared statement for `sql`: a kept one when there is one free, else a new one.
  sqlite3_stmt* Acquire(const std::string& sql);
  // Takes a statement back, reset, to be reused.
  void Release(const std::string& sql, sqlite3_stmt* statement);

  std::unordered_map<std::string, std::vector<sqlite3_stmt*>> kept_;
  sqlite3* db_ = nullptr;
  std::filesystem::path file_;
  int transactionDepth_ = 0;
};

// A write transaction: BEGIN IMMEDIATE takes the write lock at once, so that a read-modify-write inside it
// never loses to another process. Nested transactions join the outermost one. Without Commit the
// destructor rolls the outermost transaction back.
class SqliteTransaction {
 public:
  explicit SqliteTransaction(SqliteDatabase& db);
  ~SqliteTransaction();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

  void Commit();

 private:
  SqliteDatabase& db_;
  bool outermost_;
  bool done_ = false;
};

}  // namespace lns
