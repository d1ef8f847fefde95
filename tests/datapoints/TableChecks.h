#pragma once

#include <optional>
#include <string>

#include "datapoints/DataPoint.h"
#include "platform/lns/LnsObjectModel.h"
#include "program/Program.h"

namespace datapoints_test {

// Checks of loaded data-point tables against the device they were loaded for: what the rows say of the
// device's network variables and properties must be what the device's interface holds.

enum class ValuesRead { Yes, No };

// Input rows 0 to NviCount - 1 and output rows 0 to NvoCount - 1: each names the device's variable at its
// NV index, carries its value (or none when the device could not be read) and box txtNvi(row) or
// txtNvo(row); its object is the device's LonMark object of the row's range.
void ExpectNvRowsMatchDevice(qvr::Program& program, const lns::LnsAppDevice& device, ValuesRead values);
// Property rows 0 to NciCount - 1: each address resolves on the device to a property of the row's type,
// owned by the row's block, no two rows to the same property; box txtNci(row), found by key, no value yet.
void ExpectPropertyRowsResolveOnDevice(qvr::Program& program, const lns::LnsAppDevice& device);

// The property that an address "F:n/C:s:t", "N:i/C:s:t" or "C:s:t" names on the device, if any.
std::optional<lns::LnsConfigProperty> ResolveKey(const lns::LnsAppDevice& device, const std::string& key);

// Every field of the two rows is equal.
bool SameRow(const qvr::DataPoint& a, const qvr::DataPoint& b);
// Every field of every row and the counts are equal.
bool SameTables(const qvr::DataPointTables& a, const qvr::DataPointTables& b);

}  // namespace datapoints_test
