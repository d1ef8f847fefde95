#include "platform/lns/Sqlite.h"

#include <sqlite3.h>

#include "platform/lns/LnsError.h"

namespace lns {

namespace {

constexpr int kBusyTimeoutMs = 30000;

}  // namespace

SqliteStatement::SqliteStatement(SqliteDatabase& db, std::string_view sql)
    : db_(&db), sql_(sql), statement_(db.Acquire(sql_)) {}

SqliteStatement::~SqliteStatement() {
  if (statement_) db_->Release(sql_, statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), sql_(std::move(other.sql_)), statement_(other.statement_) {
  other.statement_ = nullptr;
}

void SqliteStatement::BindInteger(int parameter, std::int64_t value) {
  if (sqlite3_bind_int64(statement_, parameter, value) != SQLITE_OK) db_->Fail("cannot bind a number");
}

void SqliteStatement::Bind(int parameter, std::string_view value) {
  if (sqlite3_bind_text(statement_, parameter, value.data(), static_cast<int>(value.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK) {
    db_->Fail("cannot bind a text");
  }
}

void SqliteStatement::Bind(int parameter, const RawValue& value) {
  // An empty blob still binds as a blob (not NULL), so a stored empty value stays distinguishable.
  static const std::uint8_t kEmpty = 0;
  const void* data = value.empty() ? &kEmpty : value.data();
  if (sqlite3_bind_blob(statement_, parameter, data, static_cast<int>(value.size()), SQLITE_TRANSIENT) !=
      SQLITE_OK) {
    db_->Fail("cannot bind a value");
  }
}

bool SqliteStatement::Step() {
  int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  db_->Fail("query failed");
}

void SqliteStatement::Run() {
  while (Step()) {
  }
}

std::int64_t SqliteStatement::Int(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
              : std::string();
}

RawValue SqliteStatement::Blob(int column) const {
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
  int size = sqlite3_column_bytes(statement_, column);
  return data ? RawValue(data, data + size) : RawValue();
}

SqliteDatabase::SqliteDatabase(const std::filesystem::path& file) : file_(file) {
  if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw LnsError(kLnsDatabase, "cannot open the database " + file.string() + ": " + reason);
  }
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  try {
    Execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
  } catch (...) {
    sqlite3_close(db_);
    throw;
  }
}

SqliteDatabase::~SqliteDatabase() {
  for (auto& [sql, statements] : kept_) {
    for (sqlite3_stmt* statement : statements) sqlite3_finalize(statement);
  }
  sqlite3_close(db_);
}

sqlite3_stmt* SqliteDatabase::Acquire(const std::string& sql) {
  auto& free = kept_[sql];
  if (!free.empty()) {
    sqlite3_stmt* statement = free.back();
    free.pop_back();
    return statement;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &statement,
                         nullptr) != SQLITE_OK) {
    Fail("cannot prepare a query");
  }
  return statement;
}

void SqliteDatabase::Release(const std::string& sql, sqlite3_stmt* statement) {
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  kept_[sql].push_back(statement);
}

void SqliteDatabase::Execute(std::string_view sql) {
  std::string text(sql);
  char* message = nullptr;
  if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string reason = message ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    throw LnsError(kLnsDatabase, "database " + file_.string() + ": " + reason);
  }
}

std::int64_t SqliteDatabase::LastInsertId() const {
  return sqlite3_last_insert_rowid(db_);
}

int SqliteDatabase::Changes() const {
  return sqlite3_changes(db_);
}

void SqliteDatabase::Fail(std::string_view what) const {
  throw LnsError(kLnsDatabase,
                 "database " + file_.string() + ": " + std::string(what) + ": " + sqlite3_errmsg(db_));
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db), outermost_(db.transactionDepth_ == 0) {
  if (outermost_) db_.Execute("BEGIN IMMEDIATE");
  ++db_.transactionDepth_;
}

SqliteTransaction::~SqliteTransaction() {
  --db_.transactionDepth_;
  if (outermost_ && !done_) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit() {
  if (outermost_) db_.Execute("COMMIT");
  done_ = true;
}

}  // namespace lns
