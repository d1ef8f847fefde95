#include "platform/registry/Sqlite.h"

namespace reg::sql {

namespace {

// SQLite reads a null pointer as SQL NULL; an empty text or byte string must still be a value.
const char* NonNull(std::string_view bytes) {
  return bytes.data() ? bytes.data() : "";
}

}  // namespace

Connection::Connection(const std::filesystem::path& file, bool readOnly, int busyTimeoutMs)
    : file_(file.string()) {
  int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  int status = sqlite3_open_v2(file_.c_str(), &db_, flags, nullptr);
  if (status != SQLITE_OK) {
    std::string reason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(status);
    sqlite3_close(db_);
    db_ = nullptr;
    throw Failure(file_ + ": " + reason);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, busyTimeoutMs);
}

Connection::~Connection() {
  sqlite3_close(db_);
}

bool Connection::IsReadOnly() const {
  return sqlite3_db_readonly(db_, "main") == 1;
}

void Connection::Execute(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
}

void Connection::Fail(std::string_view what) const {
  throw Failure(file_ + ": " + sqlite3_errmsg(db_) + " (" + std::string(what) + ")",
                sqlite3_extended_errcode(db_));
}

Statement::Statement(Connection& connection, const char* sql) : connection_(connection) {
  if (sqlite3_prepare_v2(connection.Handle(), sql, -1, &statement_, nullptr) != SQLITE_OK)
    connection.Fail(sql);
}

Statement::~Statement() {
  sqlite3_finalize(statement_);
}

Statement& Statement::Bind(int index, std::int64_t value) {
  if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK) connection_.Fail("bind");
  return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
  if (sqlite3_bind_text(statement_, index, NonNull(text), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
      SQLITE_OK) {
    connection_.Fail("bind");
  }
  return *this;
}

Statement& Statement::BindBytes(int index, std::string_view bytes) {
  if (sqlite3_bind_blob(statement_, index, NonNull(bytes), static_cast<int>(bytes.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK) {
    connection_.Fail("bind");
  }
  return *this;
}

bool Statement::Step() {
  int status = sqlite3_step(statement_);
  if (status == SQLITE_ROW) return true;
  if (status == SQLITE_DONE) return false;
  connection_.Fail(sqlite3_sql(statement_));
}

std::int64_t Statement::Integer(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::string Statement::Bytes(int column) const {
  const void* data = sqlite3_column_blob(statement_, column);
  int size = sqlite3_column_bytes(statement_, column);
  return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(size)) : std::string();
}

WriteTransaction::WriteTransaction(Connection& connection) : connection_(connection) {
  connection_.Execute("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction() {
  if (open_) sqlite3_exec(connection_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::Commit() {
  connection_.Execute("COMMIT");
  open_ = false;
}

}  // namespace reg::sql
