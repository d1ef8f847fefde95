#pragma once

#include "platform/ui/Form.h"
#include "texts/Language.h"

namespace qvr {

class Program;

// Sets the texts of `window` (window number 0 main window, 1 device selection, 2 about, 3 print choice) in
// the language of the plug-in key's "Language" value; for the main window it first fills the program's
// text tables. A language other than "english" or "german" sets nothing. Returns the language read.
Language SetLanguageTexts(Program& program, ui::Form& window, int windowNumber);

}  // namespace qvr
