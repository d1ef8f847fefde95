#pragma once

#include <span>

#include "datapoints/DataPointLayout.h"

namespace qvr {

// One row of the configuration-property table as the models define it. The address (NciKey) has the
// forms "F:<block>/C:<scope>:<type index>", "N:<NV index>/C:<scope>:<type index>" and
// "C:<scope>:<type index>"; the type and block names are labels only.
struct PropertyRow {
  const char* name;      // the property type, e.g. "SCPTmaxSendTime"
  const char* block;     // functional-block name, spelled as stored
  const char* key;       // address in the large layout
  const char* smallKey;  // address in the small layout where it differs, else nullptr
  bool general;          // false: device-specific, never written to several devices at once
};

// The rows of a layout in row order, which is also their filling order: 56 in the large layout, the first
// 37 in the small one, none for DataPointLayout::None.
std::span<const PropertyRow> PropertyRowsIn(DataPointLayout layout);

// The row's address on a device of that layout.
const char* PropertyKeyIn(const PropertyRow& row, DataPointLayout layout);

}  // namespace qvr
