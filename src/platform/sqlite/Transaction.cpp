#include "platform/sqlite/Transaction.h"

#include <sqlite3.h>

#include "platform/sqlite/Database.h"

namespace sqlite {

Transaction::Transaction(Database& db) : db_(db), outermost_(db.transactionDepth_ == 0) {
  if (outermost_) db_.Execute("BEGIN IMMEDIATE");
  ++db_.transactionDepth_;
}

Transaction::~Transaction() {
  --db_.transactionDepth_;
  if (outermost_ && !done_) sqlite3_exec(db_.db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit() {
  if (outermost_) db_.Execute("COMMIT");
  done_ = true;
}

}  // namespace sqlite
