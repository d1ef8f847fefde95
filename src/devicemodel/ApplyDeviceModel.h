#pragma once

#include <cstdint>
#include <string>

namespace qvr {

class Program;

// The device-model service: one procedure whose arguments select what a call does, in this order.
//  1. The settings (interface language, LonWorksFolder, DecimalSep), only while SettingsPending is set;
//     it clears the flag. The language reaches only the documentation and readme choice of this call.
//  2. The model table (ProgramIdPrefix, ModelFirst, ModelLast, ModelNames, ModelXifFiles), only when
//     ModelGroup is 0.
//  3. For a supported ProgramId only (exact upper-case text): the adaptation of the main window to the
//     device's family; with FillForm non-zero the decoding of the values just read into the editing
//     controls, ended by the online test; with a non-empty ItemKind ("Nvi", "Nci", "Nvo") the help text of
//     table row ItemIndex.
// Spare is never read, and no argument is changed. Errors of the settings step reach the caller (with
// SettingsPending still set); every later step that fails is skipped without a report, and the program's
// error object is left as the caller had it.
void ApplyDeviceModel(Program& program, std::string& ProgramId, std::int16_t& ModelGroup,
                      std::int16_t& FillForm, std::int16_t& Spare, std::string& ItemKind,
                      std::int16_t& ItemIndex);

}  // namespace qvr
