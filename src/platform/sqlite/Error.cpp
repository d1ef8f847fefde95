#include "platform/sqlite/Error.h"

#include <sqlite3.h>

namespace sqlite {

bool IsBusyCode(int code) {
  int primary = code & 0xFF;
  return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

}  // namespace sqlite
