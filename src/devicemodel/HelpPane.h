#pragma once

#include <cstdint>
#include <string>

namespace qvr {

class Program;

// Shows the help text of a data point in the main window's help pane RTHinweis: for `itemKind` "Nvi",
// "Nci" or "Nvo" (exactly) the help-table entry of row `itemIndex` (a row outside the table keeps the
// text). The previous emphasis is cleared; the heading ("SNVT Type:" for network variables, "SCPT Type:"
// for properties, by its length in the interface language) and the first "Function:" label within the
// first 1000 characters are set bold and underlined; the caret goes to position 130. Each step that fails
// is skipped.
void ShowHelpText(Program& program, const std::string& itemKind, std::int16_t itemIndex);

}  // namespace qvr
