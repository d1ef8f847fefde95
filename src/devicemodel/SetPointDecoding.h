#pragma once

#include <array>
#include <string>

#include "datapoints/CompositeRows.h"

namespace qvr {

class Program;

// QVR-L2, row 49 (six temperatures separated by ","): the parts SetPntsField0 to SetPntsField5 and their
// sub-field boxes 70 to 75.
//  - Decimal comma: each temperature spans two comma-separated pieces ("21,00,19,00,..."). A stored
//    value of exactly twelve pieces gives the six temperatures with their decimal comma as parts, and the
//    stored value and box 49 are rewritten into the dotted form ("21.00,19.00,..."). Any other stored
//    value (empty included) cannot be told apart into temperatures: the parts become empty and the
//    stored value and box 49 stay as read.
//  - Any other separator: the text of box 49 is cut at each ","; each part after the first is trimmed, and
//    parts the text does not reach are empty. The stored value and box 49 stay as they are.
// Boxes 70 to 75 then show the parts, unmarked.
void DecodeSetPoints(Program& program);

// The six set points of a value of row 49 in the value's own form ("21.00"), from either form the value
// comes in: twelve pieces with the decimal comma as the device gives them ("21,00,19,00,..."), or six
// pieces. Points the value does not reach are empty.
std::array<std::string, kSetPoints> DottedSetPoints(const std::string& value);

}  // namespace qvr
