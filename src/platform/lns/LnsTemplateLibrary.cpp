#include "platform/lns/LnsTemplateLibrary.h"

#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/lns/NetworkState.h"

namespace lns {

namespace {

const char* const kOwner = "the template library";

}  // namespace

LnsDeviceTemplates LnsTemplateLibrary::GetDeviceTemplates() const {
  state_->Database();
  return LnsDeviceTemplates(state_);
}

LnsProgramTemplates LnsTemplateLibrary::GetProgramTemplates() const {
  state_->Database();
  return LnsProgramTemplates(kOwner, "program template", {});
}

LnsHardwareTemplates LnsTemplateLibrary::GetHardwareTemplates() const {
  state_->Database();
  return LnsHardwareTemplates(kOwner, "hardware template", {});
}

LnsBuildTemplates LnsTemplateLibrary::GetBuildTemplates() const {
  state_->Database();
  return LnsBuildTemplates(kOwner, "build template", {});
}

LnsConnectionDescriptionTemplates LnsTemplateLibrary::GetConnectionDescriptionTemplates() const {
  state_->Database();
  return LnsConnectionDescriptionTemplates(kOwner, "connection description template", {});
}

}  // namespace lns
