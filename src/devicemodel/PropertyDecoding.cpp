#include "devicemodel/PropertyDecoding.h"

#include "devicemodel/FieldDigits.h"
#include "devicemodel/ModelView.h"
#include "devicemodel/QuietWrites.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/runtime/SplitAt.h"
#include "program/Program.h"

namespace qvr {

namespace {

std::string BoxText(Program& program, int row) {
  return program.ModelWindow().PropertyBoxes()[row].Text();
}

ui::ComboBox& Combo(Program& program, int index) {
  return program.ModelWindow().PropertyChoices()[index];
}

// Cuts a composite value at its first `separator` into its parts (the rest trimmed) and shows them in their
// sub-field boxes.
void DecodeComposite(Program& program, int row, const char* separator, std::string& before, int beforeBox,
                     std::string& after, int afterBox) {
  runtime::ResumeNext(program.Err, [&] {
    const std::string text = BoxText(program, row);
    before = runtime::SplitAt(text, separator, after);
  });
  runtime::ResumeNext(program.Err,
                      [&] { ShowUnchanged(program.ModelWindow().PropertyBoxes()[beforeBox], before); });
  runtime::ResumeNext(program.Err,
                      [&] { ShowUnchanged(program.ModelWindow().PropertyBoxes()[afterBox], after); });
}

// A combo that shows one of `names` as stored in a row's value.
void DecodeStoredName(Program& program, int row, std::initializer_list<const char*> names) {
  runtime::ResumeNext(program.Err, [&] {
    const std::string& stored = program.datapoints.NciTable.at(static_cast<std::size_t>(row)).NciValue;
    ShowChoice(Combo(program, row), NameChoice(stored, names));
  });
}

}  // namespace

void DecodeValueStatePairs(Program& program) {
  DeviceModelState& model = program.model;
  DecodeComposite(program, 0, " ", model.CpPrimeValPart1, 80, model.CpPrimeValPart2, 81);
  DecodeComposite(program, 1, " ", model.CpSecondValPart1, 82, model.CpSecondValPart2, 83);
}

void DecodePowerUpStates(Program& program) {
  for (int row : {17, 28}) {
    runtime::ResumeNext(program.Err,
                        [&] { ShowChoice(Combo(program, row), PowerUpChoice(BoxText(program, row))); });
  }
}

void DecodeSensorLed(Program& program) {
  runtime::ResumeNext(program.Err,
                      [&] { ShowChoice(Combo(program, 6), BitChoice(BitDigit(BoxText(program, 6), 0))); });
}

void DecodeLightControllerOptions(Program& program, StartBitRule rule) {
  struct Channel {
    int row;
    int overrideCombo;
  };
  for (const Channel channel : {Channel{19, 0}, Channel{30, 1}}) {
    runtime::ResumeNext(program.Err, [&] {
      const std::string text = BoxText(program, channel.row);
      ShowChoice(Combo(program, channel.row),
                 LightControlModeChoice(BitDigit(text, 14), BitDigit(text, 15), BitDigit(text, 0), rule));
    });
    runtime::ResumeNext(program.Err, [&] {
      ShowChoice(Combo(program, channel.overrideCombo),
                 BitChoice(BitDigit(BoxText(program, channel.row), 1)));
    });
  }
}

void DecodeLightRatios(Program& program) {
  DeviceModelState& model = program.model;
  DecodeComposite(program, 21, "/", model.LightRatio1Before, 91, model.LightRatio1After, 90);
  DecodeComposite(program, 32, "/", model.LightRatio2Before, 93, model.LightRatio2After, 92);
}

void DecodeDigitalInputConfig(Program& program) {
  constexpr int kRow = 36;
  constexpr int kFunctionCombo = 37;
  constexpr int kFunctions = 4;  // standard I/O, toggle, dimming, manual overriding
  runtime::ResumeNext(program.Err, [&] {
    ShowChoice(Combo(program, kRow), HexDigitValue(BoxText(program, kRow), 1) == 0 ? 0 : 1);
  });
  runtime::ResumeNext(program.Err, [&] {
    const int function = HexDigitValue(BoxText(program, kRow), 0);
    ShowChoice(Combo(program, kFunctionCombo),
               function < kFunctions ? std::optional<int>(function) : std::nullopt);
  });
}

void DecodeValveCount(Program& program) {
  DecodeStoredName(program, 50, {"1", "2"});
}

void DecodeHvacMode(Program& program) {
  DecodeStoredName(program, 54, {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"});
}

}  // namespace qvr
