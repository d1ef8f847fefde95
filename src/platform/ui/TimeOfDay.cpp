#include "platform/ui/TimeOfDay.h"

#include <chrono>
#include <clocale>
#include <ctime>
#include <string_view>

#include "platform/eventloop/EventLoop.h"

namespace ui {

namespace {

using std::chrono::days;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

// The moment on a count of seconds; the calendar is taken as it is, without time zones.
sys_seconds AsSeconds(const LocalDateTime& moment) {
  const sys_days date{std::chrono::year{moment.year} / moment.month / moment.day};
  return sys_seconds{date} + std::chrono::hours{moment.hour} + std::chrono::minutes{moment.minute} +
         seconds{moment.second};
}

LocalDateTime FromSeconds(sys_seconds moment) {
  const sys_days date = std::chrono::floor<days>(moment);
  const std::chrono::year_month_day calendar{date};
  const std::chrono::hh_mm_ss clock{moment - date};
  return {static_cast<int>(calendar.year()),
          static_cast<int>(static_cast<unsigned>(calendar.month())),
          static_cast<int>(static_cast<unsigned>(calendar.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

// `moment` through strftime's `format`, in the process's time locale.
std::string Formatted(const LocalDateTime& moment, const char* format) {
  std::tm calendar{};
  calendar.tm_year = moment.year - 1900;
  calendar.tm_mon = moment.month - 1;
  calendar.tm_mday = moment.day;
  calendar.tm_hour = moment.hour;
  calendar.tm_min = moment.minute;
  calendar.tm_sec = moment.second;
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, format, &calendar));
}

// The plain locale knows no language: its date is the American one.
bool PlainTimeLocale() {
  const char* name = std::setlocale(LC_TIME, nullptr);
  const std::string_view locale = name ? name : "C";
  return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

class CLibraryDateTimeWriter : public DateTimeWriter {
 public:
  std::string DateText(const LocalDateTime& moment) const override {
    return Formatted(moment, PlainTimeLocale() ? "%Y-%m-%d" : "%x");
  }
  std::string TimeText(const LocalDateTime& moment) const override {
    return Formatted(moment, PlainTimeLocale() ? "%H:%M:%S" : "%X");
  }
};

}  // namespace

const DateTimeWriter& CLibraryDateTimes() {
  static const CLibraryDateTimeWriter writer;
  return writer;
}

std::int64_t SecondsBetween(const LocalDateTime& from, const LocalDateTime& to) {
  return (AsSeconds(to) - AsSeconds(from)).count();
}

LocalDateTime AddSeconds(const LocalDateTime& moment, std::int64_t count) {
  return FromSeconds(AsSeconds(moment) + seconds{count});
}

LocalDateTime SystemTimeOfDay::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

HeadlessTimeOfDay::HeadlessTimeOfDay(const platform::EventLoop& loop)
    : loop_(loop), setTo_(SystemTimeOfDay().Now()), setAtMs_(loop.NowMs()) {}

LocalDateTime HeadlessTimeOfDay::Now() const {
  return AddSeconds(setTo_, (loop_.NowMs() - setAtMs_) / 1000);
}

void HeadlessTimeOfDay::Set(const LocalDateTime& moment) {
  setTo_ = moment;
  setAtMs_ = loop_.NowMs();
}

}  // namespace ui
