#include "mainwindow/device/LoadDataPoints.h"

#include <cstddef>
#include <optional>
#include <span>

#include "datapoints/NvRows.h"
#include "datapoints/PropertyRows.h"
#include "platform/lns/LnsInterface.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

namespace {

using TextBoxes = ui::ControlArray<ui::TextBox>* DataPointBoxes::*;

// The field group of DataPoint that one network-variable table uses, and the main window's boxes of its
// rows.
struct NvTableFields {
  std::string DataPoint::*name;
  std::string DataPoint::*object;
  std::int16_t DataPoint::*index;
  std::string DataPoint::*value;
  ui::TextBox* DataPoint::*textBox;
  TextBoxes boxes;
};

constexpr NvTableFields kInputFields{&DataPoint::NviName,  &DataPoint::NviObject,  &DataPoint::NviIndex,
                                     &DataPoint::NviValue, &DataPoint::NviTextBox, &DataPointBoxes::nvi};
constexpr NvTableFields kOutputFields{&DataPoint::NvoName,  &DataPoint::NvoObject,  &DataPoint::NvoIndex,
                                      &DataPoint::NvoValue, &DataPoint::NvoTextBox, &DataPointBoxes::nvo};

// Each section tells the family by reading the program ID anew. One that cannot be read counts as an
// unknown model, which has no rows.
DeviceFamily ReadFamily(Program& program) {
  DeviceFamily family = DeviceFamily::None;
  runtime::ResumeNext(program.Err, [&] {
    family = FamilyOfProgramId(runtime::Present(program.framework.CurrentDevice).GetProgramId());
  });
  return family;
}

// Row k shows in box k; a box that the window lacks leaves the row's field as it was.
void BindBox(Program& program, DataPoint& row, ui::TextBox* DataPoint::*field,
             ui::ControlArray<ui::TextBox>& boxes, int rowNumber) {
  runtime::ResumeNext(program.Err, [&] { row.*field = &boxes[rowNumber]; });
}

void LoadNvRow(Program& program, const std::optional<lns::LnsNetworkVariables>& variables,
               const NvTableFields& fields, const DataPointBoxes& boxes, const NvRow& layout,
               std::int16_t nvIndex, DataPoint& row, int rowNumber) {
  std::optional<lns::LnsNetworkVariable> variable;
  runtime::ResumeNext(program.Err, [&] { variable = runtime::Present(variables).ItemByIndex(nvIndex); });
  // A value that cannot be read is no value of this device: the row keeps none of the device before.
  (row.*fields.value).clear();
  runtime::ResumeNext(program.Err, [&] { row.*fields.value = runtime::Present(variable).GetValue(); });
  row.*fields.name = layout.name;
  row.*fields.object = layout.block;
  row.*fields.index = nvIndex;
  row.NvTag = layout.tag;
  BindBox(program, row, fields.textBox, *(boxes.*fields.boxes), rowNumber);
}

void LoadNvSection(Program& program, const std::optional<lns::LnsNetworkVariables>& variables,
                   const NvRowSet& rowSet, const NvTableFields& fields, const DataPointBoxes& boxes,
                   std::span<DataPoint> table, std::int16_t& count) {
  // A device of no supported model gets no rows (count 0): none of an earlier device's is read for it.
  const DeviceFamily family = ReadFamily(program);
  const std::span<const int> order = FillingOrder(rowSet, family);
  for (const int rowNumber : order) {
    const NvRow& layout = rowSet.rows[static_cast<std::size_t>(rowNumber)];
    LoadNvRow(program, variables, fields, boxes, layout, NvIndexIn(layout, family),
              table[static_cast<std::size_t>(rowNumber)], rowNumber);
  }
  count = static_cast<std::int16_t>(order.size());
}

// Property rows read nothing from the device: the main window later finds each property by its address.
void LoadPropertySection(Program& program, const DataPointBoxes& boxes) {
  DataPointTables& tables = program.datapoints;
  const DeviceFamily family = ReadFamily(program);
  const std::span<const PropertyRow> rows = PropertyRowsIn(family);
  for (std::size_t rowNumber = 0; rowNumber < rows.size(); ++rowNumber) {
    const PropertyRow& layout = rows[rowNumber];
    DataPoint& row = tables.NciTable[rowNumber];
    row.NciName = layout.name;
    row.NciObject = layout.block;
    BindBox(program, row, &DataPoint::NciTextBox, *boxes.nci, static_cast<int>(rowNumber));
    row.NciKey = PropertyKeyIn(layout, family);
    row.NciGeneral = layout.general;
    row.NciByKey = true;
  }
  tables.NciCount = static_cast<std::int16_t>(rows.size());
}

}  // namespace

void LoadDataPoints(Program& program, const DataPointBoxes& boxes) {
  DataPointTables& tables = program.datapoints;
  std::optional<lns::LnsInterface> deviceInterface;
  std::optional<lns::LnsNetworkVariables> variables;
  runtime::ResumeNext(program.Err, [&] {
    deviceInterface = runtime::Present(program.framework.CurrentDevice).GetInterface();
  });
  runtime::ResumeNext(program.Err,
                      [&] { variables = runtime::Present(deviceInterface).GetNetworkVariables(); });

  LoadNvSection(program, variables, InputRows(), kInputFields, boxes, tables.NviTable, tables.NviCount);
  LoadNvSection(program, variables, OutputRows(), kOutputFields, boxes, tables.NvoTable, tables.NvoCount);
  LoadPropertySection(program, boxes);

  // The steps passed over above are not the caller's concern.
  program.Err.Clear();
}

}  // namespace qvr
