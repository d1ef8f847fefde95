#pragma once

#include <optional>
#include <string>

#include "platform/ui/ComboBox.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"

namespace qvr {

// Writes into the editing controls that show a value just read from the device. They run without the
// controls' Change and Click handlers: those handle a user's edit (writing the choice back into the value
// box, rebuilding a composite value, marking it changed), and a value read must neither be rewritten nor
// look changed. A handler is restored even when the write fails.
void ShowText(ui::TextBox& box, std::string text);
void ShowText(ui::ComboBox& combo, std::string text);
// No choice leaves the combo as it is.
void ShowChoice(ui::ComboBox& combo, std::optional<int> choice);
// The tab a window showed before, put back without its Click.
void ShowTab(ui::TabControl& tabs, int tab);

// A box gets the very text it is compared with to mark a change (a sub-field box its composite part, the
// set-point box its stored value), so it no longer counts as changed: its change mark is taken off.
void ShowUnchanged(ui::TextBox& box, const std::string& text);

}  // namespace qvr
