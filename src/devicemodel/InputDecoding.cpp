#include "devicemodel/InputDecoding.h"

#include "devicemodel/ModelView.h"
#include "devicemodel/QuietWrites.h"
#include "devicemodel/ValueTexts.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

namespace {

std::string BoxText(Program& program, int row) {
  return program.ModelWindow().InputBoxes()[row].Text();
}

ui::ComboBox& Combo(Program& program, int row) {
  return program.ModelWindow().InputChoices()[row];
}

void CopyIntoCombo(Program& program, int row) {
  runtime::ResumeNext(program.Err, [&] { ShowText(Combo(program, row), BoxText(program, row)); });
}

// The setting box gets the setting alone; the combo, of `functions` entries, the setting's function.
void DecodeSetting(Program& program, int row, int functions) {
  runtime::ResumeNext(program.Err, [&] {
    if (const auto setting = SettingOf(BoxText(program, row)))
      ShowText(program.ModelWindow().InputSettingBoxes()[row], *setting);
  });
  runtime::ResumeNext(program.Err, [&] {
    ShowChoice(Combo(program, row), SettingFunctionChoice(BoxText(program, row), functions));
  });
}

void DecodeSwitch(Program& program, int row) {
  runtime::ResumeNext(program.Err,
                      [&] { ShowChoice(Combo(program, row), SwitchChoice(BoxText(program, row))); });
}

}  // namespace

void DecodeSharedInputs(Program& program) {
  CopyIntoCombo(program, 1);
  CopyIntoCombo(program, 2);
  DecodeSetting(program, 3, 2);  // SET_ON, SET_OFF
  DecodeSwitch(program, 4);
  DecodeSwitch(program, 5);
  DecodeSetting(program, 8, 4);  // SET_ON, SET_OFF, SET_UP, SET_DOWN
  DecodeSetting(program, 12, 4);
}

void DecodeSpaceComfortInputs(Program& program) {
  for (int row = 20; row <= 24; ++row) CopyIntoCombo(program, row);
}

}  // namespace qvr
