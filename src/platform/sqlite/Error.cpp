#include "platform/sqlite/Error.h"

#include <sqlite3.h>

namespace sqlite {

bool IsBusyCode(int code) {
  int primary = code & 0xFF;
  return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool IsReadOnlyCode(int code) {
  return (code & 0xFF) == SQLITE_READONLY;
}

bool IsDamagedCode(int code) {
  return (code & 0xFF) == SQLITE_CORRUPT || (code & 0xFF) == SQLITE_NOTADB;
}

Error NotADatabase(const std::string& message) {
  return Error(SQLITE_NOTADB, message);
}

}  // namespace sqlite
