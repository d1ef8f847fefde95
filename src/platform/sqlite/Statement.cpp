#include "platform/sqlite/Statement.h"

#include <sqlite3.h>

#include "platform/sqlite/Database.h"

namespace sqlite {

namespace {

// SQLite reads a null pointer as NULL; an empty text or blob must still be a value.
const char* NonNull(const void* data) {
  return data ? static_cast<const char*>(data) : "";
}

}  // namespace

Bytes BytesOf(std::string_view bytes) {
  return Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

Statement::Statement(Database& db, std::string_view sql) : db_(&db), statement_(db.Acquire(sql, free_)) {}

Statement::~Statement() {
  if (statement_) Database::Release(*free_, statement_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), free_(other.free_), statement_(other.statement_) {
  other.statement_ = nullptr;
}

void Statement::BindInteger(int parameter, std::int64_t value) {
  if (sqlite3_bind_int64(statement_, parameter, value) != SQLITE_OK) Fail();
}

void Statement::Bind(int parameter, std::string_view text) {
  if (sqlite3_bind_text64(statement_, parameter, NonNull(text.data()), text.size(), SQLITE_TRANSIENT,
                          SQLITE_UTF8) != SQLITE_OK) {
    Fail();
  }
}

void Statement::Bind(int parameter, Bytes bytes) {
  if (sqlite3_bind_blob64(statement_, parameter, NonNull(bytes.data()), bytes.size(), SQLITE_TRANSIENT) !=
      SQLITE_OK) {
    Fail();
  }
}

bool Statement::Step() {
  int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  Fail();
}

void Statement::Run() {
  while (Step()) {
  }
}

std::int64_t Statement::Int(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::string Statement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
              : std::string();
}

std::vector<std::uint8_t> Statement::Blob(int column) const {
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
  int size = sqlite3_column_bytes(statement_, column);
  return data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

void Statement::Fail() const {
  const char* sql = sqlite3_sql(statement_);
  db_->Fail(sql ? sql : "");
}

}  // namespace sqlite
