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

// How dates and times of day are written for the user: a short date and a time of day with seconds, in the
// user's language.
class DateTimeWriter {
 public:
  virtual ~DateTimeWriter() = default;
  virtual std::string DateText(const LocalDateTime& moment) const = 0;
  virtual std::string TimeText(const LocalDateTime& moment) const = 0;
};

// The writer of a program without a toolkit's locale data: the C library's, by the time locale the
// program's main chose (the user's); where that is the plain "C" (or "POSIX") locale, which would write an
// American date in every language, ISO 8601 ("2026-12-07", "14:05:09"), which no language misreads.
const DateTimeWriter& CLibraryDateTimes();

// The date and time of day as the user's machine tells them and writes them.
class TimeOfDay {
 public:
  // Written by `writer` (which must outlive the clock).
  explicit TimeOfDay(const DateTimeWriter& writer = CLibraryDateTimes()) : writer_(&writer) {}
  virtual ~TimeOfDay() = default;
  virtual LocalDateTime Now() const = 0;

  std::string DateText(const LocalDateTime& moment) const { return writer_->DateText(moment); }
  std::string TimeText(const LocalDateTime& moment) const { return writer_->TimeText(moment); }
  // From now on written by `writer`, as a window system writes them (which must outlive the clock).
  void WriteWith(const DateTimeWriter& writer) { writer_ = &writer; }

 private:
  const DateTimeWriter* writer_;
};

// The machine's local time.
class SystemTimeOfDay : public TimeOfDay {
 public:
  using TimeOfDay::TimeOfDay;
  LocalDateTime Now() const override;
};

// The time of day of a run on a virtual clock (tests, scripts): it starts at the machine's time of day,
// or at a moment the test sets, and runs with the event loop's clock, so that it moves only when the
// loop's time moves.
class HeadlessTimeOfDay : public TimeOfDay {
 public:
  explicit HeadlessTimeOfDay(const platform::EventLoop& loop);

  LocalDateTime Now() const override;
  // From now on the time of day runs from `moment`.
  void Set(const LocalDateTime& moment);

 private:
  const platform::EventLoop& loop_;
  LocalDateTime setTo_;
  std::int64_t setAtMs_ = 0;
};

}  // namespace ui
