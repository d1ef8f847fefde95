#pragma once

#include "devicemodel/CompanionRows.h"

namespace qvr {

class Program;

// Shows the companions of row `row` of that kind (combos and setting box) as the value just put into the
// row's box reads, without their handlers; a failing row is skipped.
void DecodeCompanionRow(Program& program, RowKind kind, int row, StartBitRule rule = StartBitRule::ZeroOrOne);

}  // namespace qvr
