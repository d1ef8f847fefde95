#include "devicemodel/PropertyDecoding.h"

#include "datapoints/CompositeRows.h"
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
void DecodeComposite(Program& program, const TwoPartRow& composite, const TwoParts& parts) {
  std::string& before = program.model.*parts.before;
  std::string& after = program.model.*parts.after;
  runtime::ResumeNext(program.Err, [&] {
    const std::string text = BoxText(program, composite.row);
    before = runtime::SplitAt(text, composite.separator, after);
  });
  runtime::ResumeNext(program.Err, [&] {
    ShowUnchanged(program.ModelWindow().PropertyBoxes()[composite.boxBefore], before);
  });
  runtime::ResumeNext(
      program.Err, [&] { ShowUnchanged(program.ModelWindow().PropertyBoxes()[composite.boxAfter], after); });
}

void DecodeComposites(Program& program, TwoPartKind kind) {
  for (std::size_t index = 0; index < kTwoPartRows.size(); ++index) {
    if (kTwoPartRows[index].kind == kind) DecodeComposite(program, kTwoPartRows[index], kTwoPartParts[index]);
  }
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
  DecodeComposites(program, TwoPartKind::ValueAndState);
}

void DecodePowerUpStates(Program& program) {
  for (int row : {17, 28}) {
    // A function other than SET_OFF and SET_ON shows no entry, whatever the combo showed before.
    runtime::ResumeNext(program.Err, [&] {
      ShowChoice(Combo(program, row), PowerUpChoice(BoxText(program, row)).value_or(-1));
    });
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
  DecodeComposites(program, TwoPartKind::Ratio);
}

void DecodeDigitalInputConfig(Program& program) {
  runtime::ResumeNext(program.Err, [&] {
    ShowChoice(Combo(program, kDigitalInputRow),
               HexDigitValue(BoxText(program, kDigitalInputRow), 1) == 0 ? 0 : 1);
  });
  runtime::ResumeNext(program.Err, [&] {
    const int function = HexDigitValue(BoxText(program, kDigitalInputRow), 0);
    ShowChoice(Combo(program, kInputFunctionCombo),
               function < kInputFunctions ? std::optional<int>(function) : std::nullopt);
  });
}

void DecodeValveCount(Program& program) {
  DecodeStoredName(program, 50, {"1", "2"});
}

void DecodeHvacMode(Program& program) {
  DecodeStoredName(program, 54, {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"});
}

}  // namespace qvr
