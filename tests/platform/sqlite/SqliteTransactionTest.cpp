#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>

#include "TempMachineRoot.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace sqlite_test {
namespace {

class SqliteTransactionTest : public testing::Test {
 protected:
  SqliteTransactionTest() : file_(root_.Path() / "transactions.sqlite"), db_(file_) {
    db_.Execute("CREATE TABLE items (name TEXT NOT NULL)");
  }

  // Counted through another connection, which sees committed rows only.
  std::int64_t CommittedCount() {
    sqlite::Database reader(file_);
    auto count = reader.Query("SELECT count(*) FROM items");
    count.Step();
    return count.Int(0);
  }

  testsupport::TempMachineRoot root_;
  std::filesystem::path file_;
  sqlite::Database db_;
};

TEST_F(SqliteTransactionTest, NestedTransactionsJoinTheOutermostOne) {
  {
    sqlite::Transaction outer(db_);
    {
      sqlite::Transaction inner(db_);
      db_.Run("INSERT INTO items VALUES (?)", "inner");
      inner.Commit();
    }
    EXPECT_EQ(CommittedCount(), 0);  // the inner commit waits for the outermost
  }
  EXPECT_EQ(CommittedCount(), 0);  // the outermost ended without Commit: everything rolled back

  {
    sqlite::Transaction outer(db_);
    {
      sqlite::Transaction inner(db_);
      db_.Run("INSERT INTO items VALUES (?)", "joined");
    }
    outer.Commit();
  }
  EXPECT_EQ(CommittedCount(), 1);
}

TEST_F(SqliteTransactionTest, AnAbandonedTransactionLeavesTheNextOneOutermost) {
  try {
    sqlite::Transaction abandoned(db_);
    db_.Run("INSERT INTO items VALUES (?)", "lost");
    throw std::runtime_error("stop");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(CommittedCount(), 0);
  {
    sqlite::Transaction uncommitted(db_);
    db_.Run("INSERT INTO items VALUES (?)", "rolled back");
  }
  EXPECT_EQ(CommittedCount(), 0);  // it was a transaction of its own, not joined to the abandoned one
  {
    sqlite::Transaction committed(db_);
    db_.Run("INSERT INTO items VALUES (?)", "kept");
    committed.Commit();
  }
  EXPECT_EQ(CommittedCount(), 1);
}

TEST_F(SqliteTransactionTest, ATransactionTakesTheWriteLockAtOnce) {
  sqlite::Database other(file_, sqlite::OpenOptions{std::chrono::milliseconds(50)});
  sqlite::Transaction holding(db_);
  try {
    sqlite::Transaction waiting(other);
    FAIL() << "a second writer began while the first held its transaction";
  } catch (const sqlite::Error& error) {
    EXPECT_TRUE(error.IsBusy()) << error.what();
  }
  auto read = other.Query("SELECT count(*) FROM items");  // readers do not wait for the writer
  ASSERT_TRUE(read.Step());
  EXPECT_EQ(read.Int(0), 0);
}

}  // namespace
}  // namespace sqlite_test
