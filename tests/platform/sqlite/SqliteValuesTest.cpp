#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "TempMachineRoot.h"
#include "platform/sqlite/Database.h"

namespace sqlite_test {
namespace {

class SqliteValuesTest : public testing::Test {
 protected:
  SqliteValuesTest() : db_(root_.Path() / "values.sqlite") {
    db_.Execute("CREATE TABLE items (id INTEGER PRIMARY KEY, number INTEGER, text TEXT NOT NULL, data BLOB)");
  }

  testsupport::TempMachineRoot root_;
  sqlite::Database db_;
};

TEST_F(SqliteValuesTest, NumbersTextsAndBlobsComeBackAsTheyWereBoundAndEmptyIsNotNull) {
  const std::string withNul("a\0b", 3);
  const std::vector<std::uint8_t> bytes = {0, 255, 0, 7};
  db_.Run("INSERT INTO items (number, text, data) VALUES (?, ?, ?)", std::numeric_limits<std::int64_t>::min(),
          withNul, bytes);
  std::int64_t first = db_.LastInsertId();
  db_.Run("INSERT INTO items (number, text, data) VALUES (?, ?, ?)", std::numeric_limits<std::int64_t>::max(),
          "plain", sqlite::BytesOf(withNul));

  auto row = db_.Query("SELECT number, text, data FROM items WHERE id = ?", first);
  ASSERT_TRUE(row.Step());
  EXPECT_EQ(row.Int(0), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(row.Text(1), withNul);
  EXPECT_EQ(row.Blob(2), bytes);
  EXPECT_FALSE(row.Step());

  auto other = db_.Query("SELECT number, text, data FROM items WHERE id <> ?", first);
  ASSERT_TRUE(other.Step());
  EXPECT_EQ(other.Int(0), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(other.Text(1), "plain");
  EXPECT_EQ(other.Text(2), withNul);  // a blob's bytes read as they are
  EXPECT_FALSE(other.Step());

  // Empty texts and blobs are values, not NULL; a NULL number reads as 0.
  db_.Run("INSERT INTO items (text, data) VALUES (?, ?)", std::string_view(), std::vector<std::uint8_t>());
  auto empty =
      db_.Query("SELECT typeof(text), typeof(data), number, data FROM items WHERE id > ?", first + 1);
  ASSERT_TRUE(empty.Step());
  EXPECT_EQ(empty.Text(0), "text");
  EXPECT_EQ(empty.Text(1), "blob");
  EXPECT_EQ(empty.Int(2), 0);
  EXPECT_TRUE(empty.Blob(3).empty());
}

TEST_F(SqliteValuesTest, KeptStatementsStartAfreshAndNeverServeTwoQueriesAtOnce) {
  for (int n = 1; n <= 3; ++n)
    db_.Run("INSERT INTO items (number, text) VALUES (?, ?)", n, std::to_string(n));
  db_.Run("UPDATE items SET text = ? WHERE number > ?", "big", 1);
  EXPECT_EQ(db_.Changes(), 2);

  const char* const kByNumber = "SELECT number FROM items WHERE number >= ? ORDER BY number";
  {
    auto unfinished = db_.Query(kByNumber, 1);
    ASSERT_TRUE(unfinished.Step());
  }
  auto fromOne = db_.Query(kByNumber, 1);
  auto fromTwo = db_.Query(kByNumber, 2);  // the same text while the first is still running
  ASSERT_TRUE(fromOne.Step());
  ASSERT_TRUE(fromTwo.Step());
  EXPECT_EQ(fromOne.Int(0), 1);
  EXPECT_EQ(fromTwo.Int(0), 2);
  ASSERT_TRUE(fromOne.Step());
  EXPECT_EQ(fromOne.Int(0), 2);
  ASSERT_TRUE(fromTwo.Step());
  EXPECT_EQ(fromTwo.Int(0), 3);
}

}  // namespace
}  // namespace sqlite_test
