// After Apply has written, the device's values of the composite properties' parts (which the sub-field
// boxes are marked against and Cancel restores) are set again from what was written.

#include <algorithm>
#include <cstddef>
#include <string>

#include "datapoints/CompositeRows.h"
#include "devicemodel/SetPointDecoding.h"
#include "devicemodel/SetPointField.h"
#include "mainwindow/apply/ApplyRun.h"
#include "mainwindow/apply/fMainApplyParts.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/CompositeValues.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/SplitAt.h"
#include "program/Program.h"

namespace qvr {

namespace {

bool RowMarked(Program& program, int row) {
  return IsMarkedChanged(
      runtime::Present(program.datapoints.NciTable.at(static_cast<std::size_t>(row)).NciTextBox));
}

// Row 49 of the larger models (both QVR-L2 program IDs), when it is not red: its stored value and box
// become the six set points of boxes 70 to 75 in the value's form ("." and two decimals, rounded, joined
// by ","), and the parts and the sub-field boxes the same numbers in the user's format. A box that holds
// no number gives the set point the device has, so that the stored value still matches the device.
void RefreshSetPoints(fMain& window, Program& program) {
  if (program.datapoints.NciCount <= kSetPointRow || RowMarked(program, kSetPointRow)) return;
  DeviceModelState& model = program.model;
  std::string& stored = program.datapoints.NciTable[kSetPointRow].NciValue;
  const auto onDevice = DottedSetPoints(stored);
  const auto parts = model.SetPntsFields();
  std::string value;
  for (int point = 0; point < kSetPoints; ++point) {
    const auto at = static_cast<std::size_t>(point);
    const std::string field =
        RoundSetPointField(window.txtNci[kFirstSetPointBox + point].Text(), model.DecimalSep)
            .value_or(onDevice[at]);
    value += (point == 0 ? "" : ",") + field;
    *parts[at] = field;
    if (model.DecimalSep == ",") std::replace(parts[at]->begin(), parts[at]->end(), '.', ',');
  }
  stored = value;
  window.txtNci[kSetPointRow].SetText(value);
  for (int point = 0; point < kSetPoints; ++point) {
    ui::TextBox& box = window.txtNci[kFirstSetPointBox + point];
    box.SetText(*parts[static_cast<std::size_t>(point)]);
    MarkChanged(box, false);
  }
}

// A two-part row that is not red: its parts are cut from the text written, and its sub-field boxes count
// as unchanged.
void RefreshTwoParts(fMain& window, Program& program, const TwoPartRow& composite) {
  if (RowMarked(program, composite.row)) return;
  DeviceModelState& model = program.model;
  std::string& before = model.*runtime::Present(FindSubField(composite.boxBefore)).part;
  std::string& after = model.*runtime::Present(FindSubField(composite.boxAfter)).part;
  before = runtime::SplitAt(window.txtNci[composite.row].Text(), composite.separator, after);
  MarkChanged(window.txtNci[composite.boxBefore], false);
  MarkChanged(window.txtNci[composite.boxAfter], false);
}

}  // namespace

bool RefreshCompositeParts(fMain& window, ApplyRun& run, Program& program) {
  if (!run.Step([&] { RefreshSetPoints(window, program); })) return false;
  for (const TwoPartRow& composite : kTwoPartRows) {
    if (composite.row >= program.datapoints.NciCount) continue;
    if (!run.Step([&] { RefreshTwoParts(window, program, composite); })) return false;
  }
  return true;
}

}  // namespace qvr
