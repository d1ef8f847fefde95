#include "devicemodel/CompanionDecoding.h"

#include "devicemodel/CompanionFollow.h"
#include "devicemodel/ModelView.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

void DecodeCompanionRow(Program& program, RowKind kind, int row, StartBitRule rule) {
  runtime::ResumeNext(program.Err, [&] {
    ModelView& view = program.ModelWindow();
    const CompanionRow& companions = *FindCompanionRow(kind, row);
    const bool property = kind == RowKind::Property;
    ui::TextBox* settingBox = companions.settingBox ? &view.InputSettingBoxes()[row] : nullptr;
    const CompanionControls controls{property ? view.PropertyBoxes()[row] : view.InputBoxes()[row],
                                     property ? view.PropertyChoices() : view.InputChoices(), settingBox};
    FollowCompanions(companions, controls, FollowBy::Decoding, program.model.DecimalSep, rule);
  });
}

}  // namespace qvr
