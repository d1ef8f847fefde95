#include "mainwindow/editors/CompositeValues.h"

#include <algorithm>
#include <vector>

#include "datapoints/CompositeRows.h"
#include "devicemodel/SetPointField.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/SplitAt.h"

namespace qvr {

namespace {

constexpr int kSetPointLength = 6;
constexpr int kValueLength = 5;
constexpr int kStateLength = 2;
constexpr int kRatioLength = 5;

// Every sub-field box, from the table of composite rows and the device's parts of each.
std::vector<SubField> AllSubFields() {
  std::vector<SubField> fields;
  for (int point = 0; point < kSetPoints; ++point) {
    fields.push_back({kFirstSetPointBox + point, kSetPointRow, SubFieldKind::SetPoint,
                      kSetPointParts[static_cast<std::size_t>(point)], kSetPointLength});
  }
  for (std::size_t index = 0; index < kTwoPartRows.size(); ++index) {
    const TwoPartRow& composite = kTwoPartRows[index];
    const TwoParts& parts = kTwoPartParts[index];
    if (composite.kind == TwoPartKind::ValueAndState) {
      fields.push_back(
          {composite.boxBefore, composite.row, SubFieldKind::SwitchValue, parts.before, kValueLength});
      fields.push_back(
          {composite.boxAfter, composite.row, SubFieldKind::SwitchState, parts.after, kStateLength});
    } else {
      fields.push_back(
          {composite.boxBefore, composite.row, SubFieldKind::RatioBefore, parts.before, kRatioLength});
      fields.push_back(
          {composite.boxAfter, composite.row, SubFieldKind::RatioAfter, parts.after, kRatioLength});
    }
  }
  return fields;
}

const std::vector<SubField>& SubFields() {
  static const std::vector<SubField> fields = AllSubFields();
  return fields;
}

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
  for (int box = kFirstSetPointBox; box < kFirstSetPointBox + kSetPoints; ++box) {
    if (box != kFirstSetPointBox) text += ",";
    text += SetPointField(window.txtNci[box].Text(), decimalSep);
  }
  return text;
}

const SubField* FindSubField(int box) {
  const auto found = std::ranges::find(SubFields(), box, &SubField::box);
  return found == SubFields().end() ? nullptr : &*found;
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
