#include "mainwindow/editors/CompositeValues.h"

#include <algorithm>
#include <iterator>

#include "devicemodel/SetPointField.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/SplitAt.h"

namespace qvr {

namespace {

constexpr int kSetPointRow = 49;
constexpr int kFirstSetPointBox = 70;
constexpr int kSetPointBoxes = 6;

const SubField kSubFields[] = {
    {70, kSetPointRow, SubFieldKind::SetPoint, &DeviceModelState::SetPntsField0, 6},
    {71, kSetPointRow, SubFieldKind::SetPoint, &DeviceModelState::SetPntsField1, 6},
    {72, kSetPointRow, SubFieldKind::SetPoint, &DeviceModelState::SetPntsField2, 6},
    {73, kSetPointRow, SubFieldKind::SetPoint, &DeviceModelState::SetPntsField3, 6},
    {74, kSetPointRow, SubFieldKind::SetPoint, &DeviceModelState::SetPntsField4, 6},
    {75, kSetPointRow, SubFieldKind::SetPoint, &DeviceModelState::SetPntsField5, 6},
    {80, 0, SubFieldKind::SwitchValue, &DeviceModelState::CpPrimeValPart1, 5},
    {81, 0, SubFieldKind::SwitchState, &DeviceModelState::CpPrimeValPart2, 2},
    {82, 1, SubFieldKind::SwitchValue, &DeviceModelState::CpSecondValPart1, 5},
    {83, 1, SubFieldKind::SwitchState, &DeviceModelState::CpSecondValPart2, 2},
    {90, 21, SubFieldKind::RatioAfter, &DeviceModelState::LightRatio1After, 5},
    {91, 21, SubFieldKind::RatioBefore, &DeviceModelState::LightRatio1Before, 5},
    {92, 32, SubFieldKind::RatioAfter, &DeviceModelState::LightRatio2After, 5},
    {93, 32, SubFieldKind::RatioBefore, &DeviceModelState::LightRatio2Before, 5},
};

// One set point as the value text holds it ("." and two decimals, rounded to hundredths). A box that
// holds no number goes into the row as it stands, so that the row differs from the device's value.
std::string SetPointField(const std::string& text, const std::string& decimalSep) {
  return RoundSetPointField(text, decimalSep).value_or(runtime::Trim(text));
}

// A switch's value always shows its decimal: "100" and "100," become "100,0" (separator ",").
std::string SwitchValue(const std::string& text, const std::string& decimalSep) {
  const std::size_t separator = text.find(decimalSep);
  if (separator == std::string::npos) return text + decimalSep + "0";
  if (separator + decimalSep.size() == text.size()) return text + "0";
  return text;
}

}  // namespace

std::string SetPointsRowText(const fMain& window, const std::string& decimalSep) {
  std::string text;
  for (int box = kFirstSetPointBox; box < kFirstSetPointBox + kSetPointBoxes; ++box) {
    if (box != kFirstSetPointBox) text += ",";
    text += SetPointField(window.txtNci[box].Text(), decimalSep);
  }
  return text;
}

const SubField* FindSubField(int box) {
  const auto found = std::find_if(std::begin(kSubFields), std::end(kSubFields),
                                  [box](const SubField& f) { return f.box == box; });
  return found == std::end(kSubFields) ? nullptr : found;
}

std::string RebuiltRowText(const fMain& window, const SubField& field, const std::string& decimalSep) {
  // Blanks around a number would split the value text where the device expects none.
  const std::string part = runtime::Trim(window.txtNci[field.box].Text());
  const std::string row = window.txtNci[field.rowBox].Text();
  std::string rest;
  switch (field.kind) {
    case SubFieldKind::SetPoint:
      return SetPointsRowText(window, decimalSep);
    case SubFieldKind::SwitchValue:
      runtime::SplitAt(row, " ", rest);
      return SwitchValue(part, decimalSep) + " " + rest;
    case SubFieldKind::SwitchState:
      return runtime::SplitAt(row, " ", rest) + " " + part;
    case SubFieldKind::RatioBefore:
      runtime::SplitAt(row, "/", rest);
      return part + "/" + rest;
    case SubFieldKind::RatioAfter:
      return runtime::SplitAt(row, "/", rest) + "/" + part;
  }
  return row;
}

}  // namespace qvr
