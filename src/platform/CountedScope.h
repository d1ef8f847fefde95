#pragma once

namespace platform {

// Counts one more of something under way while it lives (a shown message box, a running command).
class CountedScope {
 public:
  explicit CountedScope(int& count) : count_(count) { ++count_; }
  ~CountedScope() { --count_; }
  CountedScope(const CountedScope&) = delete;
  CountedScope& operator=(const CountedScope&) = delete;

 private:
  int& count_;
};

}  // namespace platform
