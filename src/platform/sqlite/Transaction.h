#pragma once

namespace sqlite {

class Database;

// A write transaction. BEGIN IMMEDIATE takes the write lock at once, so that a read-modify-write inside it
// never loses to another connection and two writers never deadlock on a lock upgrade. A transaction begun
// while another is open joins that outermost one: only the outermost commits. Without Commit the destructor
// rolls the outermost transaction back.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit();

 private:
  Database& db_;
  bool outermost_;
  bool done_ = false;
};

}  // namespace sqlite
