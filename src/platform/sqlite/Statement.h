#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

struct sqlite3_stmt;

namespace sqlite {

class Database;

// Bytes bound as a blob (a text binds as text).
using Bytes = std::span<const std::uint8_t>;
Bytes BytesOf(std::string_view bytes);

// One prepared statement of a connection, taken from the connection's kept statements and given back to
// them when it ends. Parameters count from 1, columns from 0. Every failure is raised as the connection
// raises it.
class Statement {
 public:
  Statement(Database& db, std::string_view sql);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& operator=(Statement&&) = delete;

  template <typename Integer, std::enable_if_t<std::is_integral_v<Integer>, int> = 0>
  void Bind(int parameter, Integer value) {
    BindInteger(parameter, static_cast<std::int64_t>(value));
  }
  // Texts and blobs are copied; an empty one is still a value, not NULL, and may hold NUL characters.
  void Bind(int parameter, std::string_view text);
  void Bind(int parameter, const std::string& text) { Bind(parameter, std::string_view(text)); }
  void Bind(int parameter, const char* text) { Bind(parameter, std::string_view(text)); }
  void Bind(int parameter, Bytes bytes);

  // Runs to the next row; false when there is none.
  bool Step();
  // Runs a statement that gives no rows.
  void Run();

  std::int64_t Int(int column) const;
  // The column's bytes as stored, a text's or a blob's alike; empty for NULL.
  std::string Text(int column) const;
  std::vector<std::uint8_t> Blob(int column) const;

 private:
  void BindInteger(int parameter, std::int64_t value);
  [[noreturn]] void Fail() const;

  Database* db_;
  std::vector<sqlite3_stmt*>* free_ = nullptr;  // where the statement goes back to
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace sqlite
