#pragma once

#include "platform/ui/Form.h"
#include "texts/Language.h"

namespace qvr {

class Program;

// Sets the texts of `window` (window number 0 main window, 1 device selection, 2 about, 3 print choice) in
// the interface language (InterfaceLanguage); for the main window it first fills the program's text
// tables. Returns the language read.
Language SetLanguageTexts(Program& program, ui::Form& window, int windowNumber);

}  // namespace qvr
