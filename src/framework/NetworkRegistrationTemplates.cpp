// The registration's first step: a device template for every supported model.
#include <optional>

#include "framework/NetworkRegistrationParts.h"
#include "platform/Error.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The only kind of template LNS makes: one whose interface comes from a device interface file.
constexpr long kTemplateFromInterfaceFile = 1;

// `baseName`, numbered when a template of that name exists ("Calyxtern qvrl105 (1)", ...).
std::string UniqueTemplateName(const std::string& baseName, const lns::LnsDeviceTemplates& deviceTemplates) {
  return FirstFreeName(baseName, [&](const std::string& candidate) {
    runtime::ErrObject ignored;
    return TemplateFound(deviceTemplates, candidate, ignored);
  });
}

// Creates a template named after the model (numbered when the name is taken) and imports the model's
// interface file into it. Failures are not reported here: the look-up of the registration's next step
// fails for a template that is not there. A template that cannot take the file is removed again, so that
// no empty template is left to take the model's name from the next registration.
void CreateModelTemplate(lns::LnsDeviceTemplates& templates, const std::string& modelName,
                         const std::string& interfaceFile) {
  const std::string name = UniqueTemplateName(modelName, templates);
  runtime::ErrObject ignored;
  std::optional<lns::LnsDeviceTemplate> created;
  if (!runtime::ResumeNext(ignored, [&] { created = templates.Add(name, kTemplateFromInterfaceFile); }))
    return;
  if (!runtime::ResumeNext(ignored, [&] { created->Import(interfaceFile); }))
    runtime::ResumeNext(ignored, [&] { templates.Remove(name); });
}

}  // namespace

std::vector<std::string> EnsureModelTemplates(Program& program, lns::LnsDeviceTemplates& templates,
                                              const std::string& importPath, std::string& failureContext) {
  const std::vector<std::string> supported = SupportedProgramIds(program);
  const DeviceModelState& models = program.model;
  std::vector<std::string> present;
  for (std::size_t position = 0; position < supported.size(); ++position) {
    const std::string& programId = supported[position];
    runtime::ErrObject lookUp;
    if (TemplateFound(templates, programId, lookUp)) {
      present.push_back(programId);
      program.Ui().MsgBox(program.texts.MsgMain[kMsgInstallationSuccessful], ui::vbOKOnly);
      continue;
    }
    if (program.framework.IsRemoteClient) {
      failureContext = program.texts.MsgFramework[kMsgRemoteCannotAddTemplate];
      throw platform::RaisedError(lookUp.Number, lookUp.Source, lookUp.Description);
    }
    const std::size_t model = static_cast<std::size_t>(models.ModelFirst) + position;
    CreateModelTemplate(templates, models.ModelNames[model], importPath + models.ModelXifFiles[model]);
    present.push_back(programId);
  }
  return present;
}

}  // namespace qvr
