#pragma once

#include <stdexcept>
#include <string>

namespace sqlite {

// True for the result code of a call that found another connection holding a lock it needed.
bool IsBusyCode(int code);
// True for the result code of a write to a database that is open for reading only.
bool IsReadOnlyCode(int code);
// True for the result code of a call that found the file damaged, or no database at all.
bool IsDamagedCode(int code);

// A failed SQLite call: its (extended) result code, and a text naming the file, the reason and the
// statement that failed.
class Error : public std::runtime_error {
 public:
  Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}

  int Code() const { return code_; }
  bool IsBusy() const { return IsBusyCode(code_); }
  bool IsReadOnly() const { return IsReadOnlyCode(code_); }
  bool IsDamaged() const { return IsDamagedCode(code_); }

 private:
  int code_;
};

// The error of a file that is not a database this program can use (SQLite's "not a database").
Error NotADatabase(const std::string& message);

}  // namespace sqlite
