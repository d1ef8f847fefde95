#include "devicemodel/PropertyDecoding.h"

#include "datapoints/CompositeRows.h"
#include "devicemodel/CompanionDecoding.h"
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

// A combo that shows the choice of a row's stored value, which the box need not show yet.
void DecodeStoredChoice(Program& program, int row) {
  runtime::ResumeNext(program.Err, [&] {
    const CompanionRow& companions = *FindCompanionRow(RowKind::Property, row);
    const CompanionChoice& choice = companions.choices.front();
    ui::ComboBox& combo = Combo(program, choice.combo);
    const std::string& stored = program.datapoints.NciTable.at(static_cast<std::size_t>(row)).NciValue;
    ShowChoice(combo, EntryOfText(companions, choice, combo, stored, program.model.DecimalSep,
                                  StartBitRule::ZeroOrOne));
  });
}

}  // namespace

void DecodeValueStatePairs(Program& program) {
  DecodeComposites(program, TwoPartKind::ValueAndState);
}

void DecodePowerUpStates(Program& program) {
  for (int row : {17, 28}) DecodeCompanionRow(program, RowKind::Property, row);
}

void DecodeSensorLed(Program& program) {
  DecodeCompanionRow(program, RowKind::Property, 6);
}

void DecodeLightControllerOptions(Program& program, StartBitRule rule) {
  for (int row : {19, 30}) DecodeCompanionRow(program, RowKind::Property, row, rule);
}

void DecodeLightRatios(Program& program) {
  DecodeComposites(program, TwoPartKind::Ratio);
}

void DecodeDigitalInputConfig(Program& program) {
  DecodeCompanionRow(program, RowKind::Property, kDigitalInputRow);
}

void DecodeValveCount(Program& program) {
  DecodeStoredChoice(program, 50);
}

void DecodeHvacMode(Program& program) {
  DecodeStoredChoice(program, 54);
}

}  // namespace qvr
