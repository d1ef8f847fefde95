#include "program/CommandTable.h"

namespace qvr {

void InitCommandTable(CommandTableRows& table) {
  table[0] = CommandEntry{13, 7, "Configure", "", true, 3, ""};
  table[1] = CommandEntry{10000, 7, "Calyxtern_qvr_lon_Plug-in", "", false, 3, ""};
}

}  // namespace qvr
