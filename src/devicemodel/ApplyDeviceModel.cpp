#include "devicemodel/ApplyDeviceModel.h"

#include "datapoints/ModelTable.h"
#include "devicemodel/DeviceSettings.h"
#include "devicemodel/HelpPane.h"
#include "devicemodel/ModelAdaptation.h"
#include "devicemodel/ValueDecoding.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The steps after the settings ignore their errors; what they leave in the error object is theirs alone, so
// the caller finds its own error state again afterwards.
class CallersErrorKept {
 public:
  explicit CallersErrorKept(runtime::ErrObject& err) : err_(err), callers_(err) {}
  ~CallersErrorKept() { err_ = callers_; }
  CallersErrorKept(const CallersErrorKept&) = delete;
  CallersErrorKept& operator=(const CallersErrorKept&) = delete;

 private:
  runtime::ErrObject& err_;
  runtime::ErrObject callers_;
};

// Writes the table of supported models into `state`: ProgramIdPrefix, ModelFirst, ModelLast and rows
// ModelFirst to ModelLast of ModelNames and ModelXifFiles. The other rows are left as they are.
void FillModelTable(DeviceModelState& state) {
  state.ProgramIdPrefix = kProgramIdPrefix;
  state.ModelFirst = kModelFirst;
  state.ModelLast = kModelLast;
  for (const SupportedModel& model : SupportedModels()) {
    state.ModelNames[static_cast<std::size_t>(model.number)] = model.name;
    state.ModelXifFiles[static_cast<std::size_t>(model.number)] = model.xifFile;
  }
}

}  // namespace

void ApplyDeviceModel(Program& program, std::string& ProgramId, std::int16_t& ModelGroup,
                      std::int16_t& FillForm, std::int16_t& /*Spare*/, std::string& ItemKind,
                      std::int16_t& ItemIndex) {
  const std::optional<Language> language = ReadPendingSettings(program);
  const CallersErrorKept callersError(program.Err);
  if (ModelGroup == 0) FillModelTable(program.model);

  const DeviceFamily family = FamilyOfProgramId(ProgramId);
  if (family == DeviceFamily::None) return;
  AdaptMainWindow(program, family, language);
  if (FillForm != 0) DecodeValues(program, family);
  if (!ItemKind.empty()) ShowHelpText(program, ItemKind, ItemIndex);
}

}  // namespace qvr
