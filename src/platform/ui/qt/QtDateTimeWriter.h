#pragma once

#include "platform/ui/TimeOfDay.h"

namespace ui {

// Dates and times written with Qt's locale data for the user's language, the source Qt's dialogs take
// theirs from: a user's language is honoured even where the C library's locale for it is not installed.
// The windows' printout and the headless one of a program with Qt write them so.
class QtDateTimeWriter : public DateTimeWriter {
 public:
  std::string DateText(const LocalDateTime& moment) const override;
  std::string TimeText(const LocalDateTime& moment) const override;
};

}  // namespace ui
