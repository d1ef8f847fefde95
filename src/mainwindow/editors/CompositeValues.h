#pragma once

#include <string>

#include "program/DeviceModelState.h"

namespace qvr {

class fMain;

// Five configuration properties carry several numbers in one value text; sub-field boxes beside their
// row box edit each number alone, and every edit there rebuilds the row's text from the sub-fields.

enum class SubFieldKind {
  SetPoint,     // one of the six set points of row 49
  SwitchValue,  // the value before the blank of rows 0 and 1
  SwitchState,  // the state after the blank
  RatioBefore,  // the number before the "/" of rows 21 and 32
  RatioAfter,   // the number after the "/"
};

struct SubField {
  int box;     // txtNci index of the sub-field box
  int rowBox;  // txtNci index of the composite row
  SubFieldKind kind;
  DevicePart part;  // the device's value of this part
  int maxLength;
};

// The sub-field box `box`, or nullptr when `box` is none.
const SubField* FindSubField(int box);

// The row's text rebuilt after sub-field `field` changed, from the current texts of the sub-field boxes
// and of the row box. Numbers keep the user's decimal separator, except the set points, which are written
// with "." and two decimals, joined by ",".
std::string RebuiltRowText(const fMain& window, const SubField& field, const std::string& decimalSep);

// The set-point row (49) as the six set-point boxes (70 to 75) spell it: each field with "." and two
// decimals, a longer fraction rounded half away from zero (the device keeps hundredths), joined by ",".
std::string SetPointsRowText(const fMain& window, const std::string& decimalSep);

}  // namespace qvr
