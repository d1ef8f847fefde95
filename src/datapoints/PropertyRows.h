#pragma once

#include <span>

#include "datapoints/ModelTable.h"

namespace qvr {

// One row of the configuration-property table as the models define it. The address (NciKey) has the
// forms "F:<block>/C:<scope>:<type index>", "N:<NV index>/C:<scope>:<type index>" and
// "C:<scope>:<type index>"; the type and block names are labels only.
struct PropertyRow {
  const char* name;      // the property type, e.g. "SCPTmaxSendTime"
  const char* block;     // functional-block name, spelled as stored
  const char* key;       // address on QVR-L2
  const char* smallKey;  // address on QVR-L1 where it differs, else nullptr
  bool general;          // false: device-specific, never written to several devices at once
};

// The rows of a family in row order, which is also their filling order: 56 for QVR-L2, the first 37 for
// QVR-L1, none for DeviceFamily::None.
std::span<const PropertyRow> PropertyRowsIn(DeviceFamily family);

// The row's address on a device of that family.
const char* PropertyKeyIn(const PropertyRow& row, DeviceFamily family);

}  // namespace qvr
