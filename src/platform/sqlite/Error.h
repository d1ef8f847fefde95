#pragma once

#include <stdexcept>
#include <string>

namespace sqlite {

// True for the result code of a call that found another connection holding a lock it needed.
bool IsBusyCode(int code);

// A failed SQLite call: its (extended) result code, and a text naming the file, the reason and the
// statement that failed.
class Error : public std::runtime_error {
 public:
  Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}

  int Code() const { return code_; }
  bool IsBusy() const { return IsBusyCode(code_); }

 private:
  int code_;
};

}  // namespace sqlite
