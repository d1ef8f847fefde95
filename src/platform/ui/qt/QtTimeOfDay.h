#pragma once

#include "platform/ui/TimeOfDay.h"

namespace ui {

// The machine's local time, written with Qt's locale data, the source Qt's dialogs take theirs from: a
// user's language is honoured even where the C library's locale for it is not installed.
class QtTimeOfDay : public SystemTimeOfDay {
 public:
  std::string DateText(const LocalDateTime& moment) const override;
  std::string TimeText(const LocalDateTime& moment) const override;
};

}  // namespace ui
