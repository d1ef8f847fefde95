#include "devicemodel/SetPointDecoding.h"

#include <array>
#include <optional>
#include <vector>

#include "datapoints/CompositeRows.h"
#include "devicemodel/ModelView.h"
#include "devicemodel/QuietWrites.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/runtime/SplitAt.h"
#include "program/Program.h"

namespace qvr {

namespace {

constexpr std::size_t kPoints = kSetPoints;

using SetPointParts = std::array<std::string, kPoints>;

// The comma-separated pieces of a text, empty ones included.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::string::size_type start = 0;
  for (;;) {
    const auto comma = text.find(',', start);
    pieces.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return pieces;
    start = comma + 1;
  }
}

// With the decimal comma: the parts (each number with its decimal comma) and the dotted form of the whole
// value; none for a text that is not six numbers of two pieces each.
struct DecimalCommaValue {
  SetPointParts parts;
  std::string dotted;
};

std::optional<DecimalCommaValue> SplitDecimalCommaValue(const std::string& stored) {
  const std::vector<std::string> pieces = Pieces(stored);
  if (pieces.size() != 2 * kPoints) return std::nullopt;
  DecimalCommaValue value;
  for (std::size_t point = 0; point < kPoints; ++point) {
    const std::string& whole = pieces[2 * point];
    const std::string& decimals = pieces[2 * point + 1];
    value.parts[point] = whole + "," + decimals;
    value.dotted += (point == 0 ? "" : ",") + whole + "." + decimals;
  }
  return value;
}

SetPointParts SplitDottedValue(const std::string& text) {
  SetPointParts parts;
  std::string rest = text;
  for (std::string& part : parts) part = runtime::SplitAt(rest, ",", rest);
  return parts;
}

}  // namespace

SetPointParts DottedSetPoints(const std::string& value) {
  const auto decimalComma = SplitDecimalCommaValue(value);
  return decimalComma ? SplitDottedValue(decimalComma->dotted) : SplitDottedValue(value);
}

void DecodeSetPoints(Program& program) {
  DeviceModelState& model = program.model;
  const auto fields = model.SetPntsFields();
  auto keep = [&](const SetPointParts& parts) {
    for (std::size_t point = 0; point < kPoints; ++point) *fields[point] = parts[point];
  };
  if (model.DecimalSep == ",") {
    std::string& stored = program.datapoints.NciTable[kSetPointRow].NciValue;
    const auto value = SplitDecimalCommaValue(stored);
    keep(value ? value->parts : SetPointParts{});
    if (value) {
      stored = value->dotted;
      runtime::ResumeNext(
          program.Err, [&] { ShowUnchanged(program.ModelWindow().PropertyBoxes()[kSetPointRow], stored); });
    }
  } else {
    runtime::ResumeNext(program.Err, [&] {
      keep(SplitDottedValue(program.ModelWindow().PropertyBoxes()[kSetPointRow].Text()));
    });
  }
  for (std::size_t point = 0; point < kPoints; ++point) {
    runtime::ResumeNext(program.Err, [&] {
      ShowUnchanged(program.ModelWindow().PropertyBoxes()[kFirstSetPointBox + static_cast<int>(point)],
                    *fields[point]);
    });
  }
}

}  // namespace qvr
