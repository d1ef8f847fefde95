#include "devicemodel/InputDecoding.h"

#include "devicemodel/CompanionDecoding.h"

namespace qvr {

void DecodeSharedInputs(Program& program) {
  for (int row : {1, 2, 3, 4, 5, 8, 12}) DecodeCompanionRow(program, RowKind::Input, row);
}

void DecodeSpaceComfortInputs(Program& program) {
  for (int row = 20; row <= 24; ++row) DecodeCompanionRow(program, RowKind::Input, row);
}

}  // namespace qvr
