#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "texts/TableRows.h"

namespace ui {
class TextBox;
}

namespace qvr {

// One row of the data-point tables. Each table uses its own field group: Nci* for configuration
// properties, Nvi* for network-variable inputs, Nvo* for outputs; NvTag is the monitoring tag of an input
// or output row.
struct DataPoint {
  std::string NciName;
  std::string NciObject;
  std::string NciValue;
  ui::TextBox* NciTextBox = nullptr;
  bool NciByKey = false;
  std::string NciKey;
  bool NciGeneral = false;

  std::string NviName;
  std::int16_t NviIndex = 0;
  std::string NviObject;
  std::string NviValue;
  ui::TextBox* NviTextBox = nullptr;

  std::string NvoName;
  std::string NvoObject;
  std::int16_t NvoIndex = 0;
  std::string NvoValue;
  ui::TextBox* NvoTextBox = nullptr;

  std::int32_t NvTag = 0;
};

// The tables with their counts of rows in use (rows 0 to count - 1).
struct DataPointTables {
  std::array<DataPoint, kNciRows + 1> NciTable;
  std::array<DataPoint, kNviRows + 1> NviTable;
  std::array<DataPoint, kNvoRows + 1> NvoTable;
  std::int16_t NciCount = 0;
  std::int16_t NviCount = 0;
  std::int16_t NvoCount = 0;
};

}  // namespace qvr
