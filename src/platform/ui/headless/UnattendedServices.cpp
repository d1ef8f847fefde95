#include "platform/ui/headless/UnattendedServices.h"

#include "platform/ui/ScriptStops.h"

namespace ui {

int RefusedMessageBoxes::Show(const MessageBoxRequest& request) {
  throw UnscriptedDialog("the plug-in showed a message box: " + request.prompt);
}

}  // namespace ui
