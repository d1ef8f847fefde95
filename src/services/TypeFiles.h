#pragma once

#include <cstdint>
#include <string>

#include "program/TypeFileTable.h"

namespace runtime {
struct ErrObject;
}  // namespace runtime

namespace reg {
class MachineRegistry;
}  // namespace reg

namespace qvr {

class Program;

// Fills row 0 of program.framework.TypeFileTable with the maker's set (scope 3 of every program ID of
// the maker, in \Types\User\Calyxtern).
void InitTypeFileTable(Program& program);

// Adds the maker's types folder to the catalogue and refreshes it, as registering the plug-in on the
// machine does. Reports nothing: a step that fails ends it after closing the catalogue. It needs nothing of
// the program but its error object and registry, so that tools can install the types of a machine root too.
void InstallTypeFiles(runtime::ErrObject& err, reg::MachineRegistry& registry);
void InstallTypeFiles(Program& program);

// When registering the plug-in in a network: true when the catalogue lists the maker's set, or lists it
// once the set folder's parent (\Types\User) is added and the catalogue refreshed. On a remote client it
// then tells the user to register the plug-in on the server as well. False when the catalogue cannot be
// opened, searched, changed or closed, when the set is still missing, or when the LonWorks folder is
// unknown.
bool FindTypeFilesInCatalog(Program& program);

// Before a device is opened: true when the catalogue lists the maker's set of row 0 as the table stands.
// A success is remembered (program.framework.TypeFilesChecked) and later calls return true at once;
// a failure changes nothing in the catalogue and is not remembered. An error raised on the way asks the
// user as FindTypeFilesInCatalog does.
bool CheckTypeFilesInstalled(Program& program);

// The hook that the framework calls after each command row of a registration in a network (with the row's
// index). It does nothing.
inline void EmptyHook2(std::int16_t& /*commandRow*/) {}

}  // namespace qvr
