#pragma once

#include <cstdint>
#include <string>

namespace platform {
class EventLoop;
}  // namespace platform

namespace ui {

// A moment of the local calendar and clock, to the second.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const LocalDateTime&) const = default;
};

// Seconds from `from` to `to` (negative when `to` is earlier), across midnights and month ends.
std::int64_t SecondsBetween(const LocalDateTime& from, const LocalDateTime& to);

// `moment` moved on by `seconds`.
LocalDateTime AddSeconds(const LocalDateTime& moment, std::int64_t seconds);

// The date and time of day as the user's machine tells them and writes them.
class TimeOfDay {
 public:
  virtual ~TimeOfDay() = default;
  virtual LocalDateTime Now() const = 0;
  // `moment` as a short date and as a time of day with seconds, in the user's regional settings; here
  // the C library's locale, in a back end with a locale of its own that one.
  virtual std::string DateText(const LocalDateTime& moment) const;
  virtual std::string TimeText(const LocalDateTime& moment) const;
};

// The machine's local time.
class SystemTimeOfDay : public TimeOfDay {
 public:
  LocalDateTime Now() const override;
};

// Time of day for tests: it starts at a moment the test sets (noon of 1 January 2000 until then) and runs
// with the event loop's (virtual) clock, so that it moves only when the loop's time moves.
class HeadlessTimeOfDay : public TimeOfDay {
 public:
  explicit HeadlessTimeOfDay(const platform::EventLoop& loop) : loop_(loop) {}

  LocalDateTime Now() const override;
  // From now on the time of day runs from `moment`.
  void Set(const LocalDateTime& moment);

 private:
  const platform::EventLoop& loop_;
  LocalDateTime setTo_{2000, 1, 1, 12, 0, 0};
  std::int64_t setAtMs_ = 0;
};

}  // namespace ui
