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
// interface file into it. A template that cannot be created is not reported here: the look-up of the
// registration's next step fails for it. A template that cannot take the file is removed again, so that
// no empty template is left to take the model's name from the next registration; the import's error is
// given back (number 0 when it succeeded).
runtime::ErrObject CreateModelTemplate(lns::LnsDeviceTemplates& templates, const std::string& modelName,
                                       const std::string& interfaceFile) {
  const std::string name = UniqueTemplateName(modelName, templates);
  runtime::ErrObject ignored;
  std::optional<lns::LnsDeviceTemplate> created;
  if (!runtime::ResumeNext(ignored, [&] { created = templates.Add(name, kTemplateFromInterfaceFile); }))
    return {};
  runtime::ErrObject import;
  if (!runtime::ResumeNext(import, [&] { created->Import(interfaceFile); }))
    runtime::ResumeNext(ignored, [&] { templates.Remove(name); });
  return import;
}

}  // namespace

std::vector<std::string> EnsureModelTemplates(Program& program, lns::LnsDeviceTemplates& templates,
                                              const std::string& importPath, std::string& failureContext) {
  const std::vector<std::string> supported = SupportedProgramIds(program);
  const DeviceModelState& models = program.model;
  std::vector<std::string> present;
  // The first interface file that could not be imported fails the registration once every other model
  // has its template, naming the file: without it the model's commands cannot be registered.
  runtime::ErrObject importFailure;
  std::string unimportedFile;
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
    const std::string interfaceFile = importPath + models.ModelXifFiles[model];
    const runtime::ErrObject import = CreateModelTemplate(templates, models.ModelNames[model], interfaceFile);
    if (import.Number != 0 && unimportedFile.empty()) {
      importFailure = import;
      unimportedFile = interfaceFile;
    }
    present.push_back(programId);
  }
  if (!unimportedFile.empty()) {
    failureContext = program.texts.MsgFramework[kMsgCannotImportInterface] + unimportedFile;
    throw platform::RaisedError(importFailure.Number, importFailure.Source, importFailure.Description);
  }
  return present;
}

}  // namespace qvr
