#include "platform/ui/UiError.h"

#include "platform/Error.h"

namespace ui {

void RaiseUiError(long number, const std::string& description) {
  throw platform::RaisedError(number, "ui", description);
}

}  // namespace ui
