#pragma once

// Whether a row of the property or input table holds an edit: the row boxes' colours are the only record
// of one (sub-field and companion controls mark their row box as well).

namespace qvr {

struct DataPointTables;

bool AnyPropertyMarked(const DataPointTables& tables);
bool AnyInputMarked(const DataPointTables& tables);

}  // namespace qvr
